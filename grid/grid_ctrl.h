// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QTableView>
#include <optional>
#include <vector>

#include "grid/grid_model.h"

class QMenu;

namespace kores {

// One column of a grid: heading ("\n" makes a multi-line heading), width in
// pixels (0 hides the column) and how a heading click sorts it.
struct CGridColumn {
    QString heading;
    int width = 50;
    ESortKind sortKind = ESortKind::Text;
};

// The grid control every table of the program derives from: a read-only table
// of text rows that sorts on a heading click (again to reverse), chooses a row
// by click or Up/Down arrow, copies the selected cells as tab-separated text
// and offers a context menu that derived grids fill.
class CGridCtrl : public QTableView {
    Q_OBJECT

public:
    explicit CGridCtrl(QWidget* parent = nullptr);

    CGridModel& Model() { return m_model; }
    const CGridModel& Model() const { return m_model; }

    // Replaces the columns and deletes every row.
    void SetColumns(const std::vector<CGridColumn>& columns);
    void SetColumnWidthOrHide(int column, int width);
    // Fits the shown columns among first..last to their contents.
    void FitColumns(int first, int last);
    void SetHeadingFont(const QFont& font);
    void SetCellFont(const QFont& font);
    void SetMultipleSelection(bool multiple);

    int CurrentRow() const;
    // Makes the row current and selected and emits RowChosen.
    void ChooseRow(int row);
    // Sorts as a click on the column heading does.
    void ClickHeading(int column);

    // The selected cells of shown columns as lines of tab-separated text.
    QString SelectedText() const;
    void CopySelection() const;

Q_SIGNALS:
    void RowChosen(int row);
    void HeadingClicked(int column);

protected:
    // Fills the context menu of a cell; nothing is shown when it stays empty.
    // The default offers Copy.
    virtual void FillContextMenu(QMenu& menu, int row, int column);

    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void OnCellClicked(const QModelIndex& index);
    void ApplyRowHeight();

    CGridModel m_model;
    std::optional<QFont> m_headingFont;
};

}  // namespace kores
