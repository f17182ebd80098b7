// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "document/cursor_table.h"

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;

namespace kores {

class CGridCtrl;

// The cursor table under the graph: a criterion to compute per test, the
// corridor's sigma factor, the grid of ko::CCursorTable and its copy and CSV
// save buttons.
class CCursorTableView : public QWidget {
    Q_OBJECT

public:
    explicit CCursorTableView(QWidget* parent = nullptr);

    void SetSignals(const ko::CSignalList& signals);
    void SetCursors(double a, double b);

    const ko::CCursorTable& Table() const { return table_; }
    CGridCtrl& Grid() const { return *grid_; }
    QComboBox& CriterionBox() const { return *criterion_; }
    QDoubleSpinBox& SigmaBox() const { return *sigma_; }

    // The table as tab-separated text on the clipboard.
    void CopyTable();
    // Asks for a file (and before replacing one) and writes the table as CSV.
    void SaveCsv();

private:
    void ShowRows();

    ko::CCursorTable table_;
    std::vector<std::string> inputs_;  // files of the signals, never replaced
    QComboBox* criterion_;
    QDoubleSpinBox* sigma_;
    QLabel* note_;
    QPushButton* copy_;
    QPushButton* save_;
    CGridCtrl* grid_;
};

}  // namespace kores
