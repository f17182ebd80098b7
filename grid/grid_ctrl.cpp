// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid/grid_ctrl.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <algorithm>
#include <map>
#include <set>

namespace kores {

CGridCtrl::CGridCtrl(QWidget* parent) : QTableView(parent), m_model(this)
{
    setModel(&m_model);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
    verticalHeader()->hide();
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSortIndicatorShown(false);
    ApplyRowHeight();
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &CGridCtrl::ClickHeading);
    connect(this, &QTableView::clicked, this, &CGridCtrl::OnCellClicked);
}

void CGridCtrl::SetColumns(const std::vector<CGridColumn>& columns)
{
    QStringList headings;
    std::vector<ESortKind> kinds;
    for (const CGridColumn& column : columns) {
        headings << column.heading;
        kinds.push_back(column.sortKind);
    }
    m_model.SetColumns(headings, kinds);
    horizontalHeader()->setSortIndicatorShown(false);
    for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
        SetColumnWidthOrHide(c, columns[static_cast<std::size_t>(c)].width);
    }
}

void CGridCtrl::SetColumnWidthOrHide(int column, int width)
{
    setColumnHidden(column, width <= 0);
    if (width > 0) {
        setColumnWidth(column, width);
    }
}

void CGridCtrl::FitColumns(int first, int last)
{
    const int end = std::min(last, m_model.columnCount() - 1);
    for (int c = std::max(first, 0); c <= end; ++c) {
        if (!isColumnHidden(c)) {
            resizeColumnToContents(c);
        }
    }
}

void CGridCtrl::SetHeadingFont(const QFont& font)
{
    m_headingFont = font;
    horizontalHeader()->setFont(font);
}

void CGridCtrl::SetCellFont(const QFont& font)
{
    setFont(font);
    if (m_headingFont) {
        horizontalHeader()->setFont(*m_headingFont);
    }
    ApplyRowHeight();
}

void CGridCtrl::SetMultipleSelection(bool multiple)
{
    setSelectionMode(multiple ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
}

void CGridCtrl::ApplyRowHeight()
{
    verticalHeader()->setMinimumSectionSize(fontMetrics().height() + 2);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
}

int CGridCtrl::CurrentRow() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

void CGridCtrl::ChooseRow(int row)
{
    if (row < 0 || row >= m_model.RowCount()) {
        return;
    }
    const int column = std::max(currentIndex().column(), 0);
    const QModelIndex target = m_model.index(row, column);
    selectionModel()->setCurrentIndex(target,
                                      QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(target);
    Q_EMIT RowChosen(row);
}

void CGridCtrl::ClickHeading(int column)
{
    Qt::SortOrder order = Qt::AscendingOrder;
    if (column == m_model.SortedColumn() && m_model.SortOrder() == Qt::AscendingOrder) {
        order = Qt::DescendingOrder;
    }
    if (m_model.SortRows(column, order)) {
        horizontalHeader()->setSortIndicatorShown(true);
        horizontalHeader()->setSortIndicator(column, order);
        const QModelIndex current = currentIndex();
        if (current.isValid()) {
            scrollTo(current);
        }
    }
    Q_EMIT HeadingClicked(column);
}

void CGridCtrl::OnCellClicked(const QModelIndex& index)
{
    if (index.isValid() && index.row() >= 0 && index.column() >= 0) {
        Q_EMIT RowChosen(index.row());
    }
}

QString CGridCtrl::SelectedText() const
{
    std::map<int, std::set<int>> cells;  // row -> columns
    std::set<int> columns;
    for (const QModelIndex& index : selectionModel()->selectedIndexes()) {
        if (!isColumnHidden(index.column())) {
            cells[index.row()].insert(index.column());
            columns.insert(index.column());
        }
    }
    QStringList lines;
    for (const auto& [row, selected] : cells) {
        QStringList line;
        for (int column : columns) {
            line << (selected.count(column) ? m_model.CellText(row, column) : QString());
        }
        lines << line.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n'));
}

void CGridCtrl::CopySelection() const
{
    const QString text = SelectedText();
    if (!text.isEmpty()) {
        QApplication::clipboard()->setText(text);
    }
}

void CGridCtrl::FillContextMenu(QMenu& menu, int /*row*/, int /*column*/)
{
    QAction* copy = menu.addAction(tr("&Copy"), this, &CGridCtrl::CopySelection);
    copy->setShortcut(QKeySequence::Copy);
    copy->setEnabled(selectionModel()->hasSelection());
}

void CGridCtrl::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy)) {
        CopySelection();
        event->accept();
        return;
    }
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        const int row = CurrentRow();
        if (event->key() == Qt::Key_Up) {
            ChooseRow(row - 1);
            event->accept();
            return;
        }
        if (event->key() == Qt::Key_Down) {
            ChooseRow(row + 1);
            event->accept();
            return;
        }
    }
    QTableView::keyPressEvent(event);
}

void CGridCtrl::contextMenuEvent(QContextMenuEvent* event)
{
    const QModelIndex index = indexAt(viewport()->mapFromGlobal(event->globalPos()));
    QMenu menu(this);
    FillContextMenu(menu, index.isValid() ? index.row() : -1, index.isValid() ? index.column() : -1);
    if (!menu.isEmpty()) {
        menu.exec(event->globalPos());
    }
    event->accept();
}

}  // namespace kores
