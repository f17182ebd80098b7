// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QCheckBox;
class QDoubleSpinBox;

namespace kores {

// What the user may change of a shown graph.
struct CGraphStyle {
    double lineWidth = 1.0;
    bool showGrid = true;
    bool showLegend = true;

    bool operator==(const CGraphStyle&) const = default;
};

// "Customize Graph": line width, grid and legend of the current graph.
class CCustomizeGraphDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr double kMinLineWidth = 0.5;
    static constexpr double kMaxLineWidth = 10.0;

    explicit CCustomizeGraphDialog(const CGraphStyle& style, QWidget* parent = nullptr);

    CGraphStyle Style() const;
    void SetStyle(const CGraphStyle& style);

private:
    QDoubleSpinBox* m_lineWidth;
    QCheckBox* m_grid;
    QCheckBox* m_legend;
};

}  // namespace kores
