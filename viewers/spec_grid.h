// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include "document/spec_sections.h"
#include "grid/grid_ctrl.h"

namespace kores {

// The sheet of the test specification viewer: one row per record field
// under "Titles Definitions", "Titles", "Values", "Values Definitions" (the
// first and last hidden; a section without decoded values has three
// columns). Resting on a "Titles" cell hints its definition, on a "Values"
// cell the value's definition or the value itself.
class CSpecificationGrid : public CGridCtrl {
    Q_OBJECT

public:
    explicit CSpecificationGrid(QWidget* parent = nullptr);

    // Shows a section; a blank row parts the blocks of several records.
    void ShowSection(const ko::CSpecSection& section);
    QString HintAt(int row, int column) const;
    // The record block a row belongs to, or -1 on a blank row or no row.
    int RecordOfRow(int row) const;
    // Fills the context menu (set by the dialog).
    void SetMenuFiller(std::function<void(QMenu&)> filler) { filler_ = std::move(filler); }

protected:
    void FillContextMenu(QMenu& menu, int row, int column) override;
    bool viewportEvent(QEvent* event) override;

private:
    std::vector<int> records_;
    std::function<void(QMenu&)> filler_;
};

}  // namespace kores
