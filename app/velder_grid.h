// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <string>
#include <vector>

#include "grid/grid_ctrl.h"

class QAction;

namespace kores {

class CVelderDoc;

// The title grid: one row per distinct signal title of the loaded tests, with
// its count, coloured by its data status.
class CVelderGrid : public CGridCtrl {
    Q_OBJECT

public:
    static constexpr int kControlId = 234322;

    explicit CVelderGrid(CVelderDoc& doc, QWidget* parent = nullptr);

    // The row colour of a DASTAT value: "CF" and "MN" red, "QD" yellow, "NO"
    // green, "CM" blue; invalid (the grid's own white) for any other.
    static QColor DastatColor(const QString& dastat);

    // Columns and rows from the document's titles of its kind.
    void Rebuild();
    void FitAllColumns();
    // The title fields a row shows, without the count.
    std::vector<std::string> RowTitle(int row) const;
    // The command that "View Selected Signals" runs.
    void SetSignalListAction(QAction* action) { signalList_ = action; }

protected:
    void FillContextMenu(QMenu& menu, int row, int column) override;

private:
    CVelderDoc& doc_;
    QAction* signalList_ = nullptr;
};

}  // namespace kores
