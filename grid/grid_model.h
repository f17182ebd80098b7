// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QStringList>
#include <vector>

#include "grid/grid_sort.h"

namespace kores {

// Black or white, whichever reads better on the background (the larger
// contrast ratio of the two).
QColor ContrastingText(const QColor& background);
// The contrast ratio of two colours, from 1 (none) to 21 (black on white).
double ContrastRatio(const QColor& a, const QColor& b);

// One grid row: its cell texts and an optional background colour; its text
// is drawn in the contrasting colour of that background.
struct CGridRow {
    QStringList cells;
    QColor background;  // invalid: the view's own colour
};

// Rows of text cells under fixed column headings. Sorting reorders the rows
// themselves, so a row index always names the row the user sees there.
class CGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit CGridModel(QObject* parent = nullptr);

    // Replaces the columns and deletes every row.
    void SetColumns(const QStringList& headings, const std::vector<ESortKind>& sortKinds);
    QString Heading(int column) const;
    ESortKind SortKind(int column) const;

    int RowCount() const { return static_cast<int>(m_rows.size()); }
    int AppendRow(const QStringList& cells, const QColor& background = {});
    void SetRows(std::vector<CGridRow> rows);
    void DeleteRow(int row);
    void DeleteAllRows();

    QString CellText(int row, int column) const;
    QStringList RowCells(int row) const;
    void SetCellText(int row, int column, const QString& text);
    QColor RowColor(int row) const;
    void SetRowColor(int row, const QColor& background);

    // Sorts by a column (stable); false, and the order unchanged, when the
    // column does not sort.
    bool SortRows(int column, Qt::SortOrder order);
    int SortedColumn() const { return m_sortedColumn; }
    Qt::SortOrder SortOrder() const { return m_sortOrder; }
    void SetSortedHeadingColor(const QColor& color) { m_sortedHeadingColor = color; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    bool ValidRow(int row) const { return row >= 0 && row < RowCount(); }
    void MoveRows(const std::vector<int>& order);
    void ClearSortState();

    QStringList m_headings;
    std::vector<ESortKind> m_sortKinds;
    std::vector<CGridRow> m_rows;
    int m_sortedColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    QColor m_sortedHeadingColor{170, 200, 240};
};

}  // namespace kores
