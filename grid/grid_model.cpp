// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid/grid_model.h"

#include <QBrush>
#include <algorithm>
#include <cmath>
#include <numeric>

namespace kores {

namespace {

double RelativeLuminance(const QColor& color)
{
    const auto linear = [](double channel) {
        return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF()) + 0.0722 * linear(color.blueF());
}

}  // namespace

QColor ContrastingText(const QColor& background)
{
    const double luminance = RelativeLuminance(background);
    const double onBlack = (luminance + 0.05) / 0.05;
    const double onWhite = 1.05 / (luminance + 0.05);
    return onWhite > onBlack ? QColor(Qt::white) : QColor(Qt::black);
}

double ContrastRatio(const QColor& a, const QColor& b)
{
    const double x = RelativeLuminance(a) + 0.05;
    const double y = RelativeLuminance(b) + 0.05;
    return x > y ? x / y : y / x;
}

CGridModel::CGridModel(QObject* parent) : QAbstractTableModel(parent) {}

void CGridModel::SetColumns(const QStringList& headings, const std::vector<ESortKind>& sortKinds)
{
    beginResetModel();
    m_headings = headings;
    m_sortKinds = sortKinds;
    m_sortKinds.resize(static_cast<std::size_t>(headings.size()), ESortKind::Text);
    m_rows.clear();
    ClearSortState();
    endResetModel();
}

QString CGridModel::Heading(int column) const
{
    return column >= 0 && column < m_headings.size() ? m_headings[column] : QString();
}

ESortKind CGridModel::SortKind(int column) const
{
    if (column < 0 || column >= static_cast<int>(m_sortKinds.size())) {
        return ESortKind::None;
    }
    return m_sortKinds[static_cast<std::size_t>(column)];
}

int CGridModel::AppendRow(const QStringList& cells, const QColor& background)
{
    const int row = RowCount();
    beginInsertRows({}, row, row);
    m_rows.push_back({cells, background});
    endInsertRows();
    return row;
}

void CGridModel::SetRows(std::vector<CGridRow> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    ClearSortState();
    endResetModel();
}

void CGridModel::DeleteRow(int row)
{
    if (!ValidRow(row)) {
        return;
    }
    beginRemoveRows({}, row, row);
    m_rows.erase(m_rows.begin() + row);
    endRemoveRows();
}

void CGridModel::DeleteAllRows()
{
    beginResetModel();
    m_rows.clear();
    ClearSortState();
    endResetModel();
}

QString CGridModel::CellText(int row, int column) const
{
    if (!ValidRow(row) || column < 0) {
        return {};
    }
    const QStringList& cells = m_rows[static_cast<std::size_t>(row)].cells;
    return column < cells.size() ? cells[column] : QString();
}

QStringList CGridModel::RowCells(int row) const
{
    QStringList cells;
    for (int c = 0; c < columnCount(); ++c) {
        cells << CellText(row, c);
    }
    return cells;
}

void CGridModel::SetCellText(int row, int column, const QString& text)
{
    if (!ValidRow(row) || column < 0 || column >= columnCount()) {
        return;
    }
    QStringList& cells = m_rows[static_cast<std::size_t>(row)].cells;
    while (cells.size() <= column) {
        cells << QString();
    }
    cells[column] = text;
    Q_EMIT dataChanged(index(row, column), index(row, column), {Qt::DisplayRole});
}

QColor CGridModel::RowColor(int row) const
{
    return ValidRow(row) ? m_rows[static_cast<std::size_t>(row)].background : QColor();
}

void CGridModel::SetRowColor(int row, const QColor& background)
{
    if (!ValidRow(row)) {
        return;
    }
    m_rows[static_cast<std::size_t>(row)].background = background;
    Q_EMIT dataChanged(index(row, 0), index(row, columnCount() - 1), {Qt::BackgroundRole});
}

bool CGridModel::SortRows(int column, Qt::SortOrder order)
{
    const ESortKind kind = SortKind(column);
    if (kind == ESortKind::None) {
        return false;
    }
    std::vector<int> rows(m_rows.size());
    std::iota(rows.begin(), rows.end(), 0);
    std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) {
        return GridCellLess(CellText(a, column), CellText(b, column), kind, order);
    });
    const int previous = m_sortedColumn;
    m_sortedColumn = column;
    m_sortOrder = order;
    MoveRows(rows);
    if (previous >= 0 && previous != column) {
        Q_EMIT headerDataChanged(Qt::Horizontal, previous, previous);
    }
    Q_EMIT headerDataChanged(Qt::Horizontal, column, column);
    return true;
}

// Puts old row order[i] at position i and keeps persistent indexes on their rows.
void CGridModel::MoveRows(const std::vector<int>& order)
{
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> newPosition(order.size());
    std::vector<CGridRow> sorted;
    sorted.reserve(order.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        newPosition[static_cast<std::size_t>(order[i])] = static_cast<int>(i);
        sorted.push_back(std::move(m_rows[static_cast<std::size_t>(order[i])]));
    }
    m_rows = std::move(sorted);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    for (const QModelIndex& old : before) {
        after << index(newPosition[static_cast<std::size_t>(old.row())], old.column());
    }
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void CGridModel::ClearSortState()
{
    const int previous = m_sortedColumn;
    m_sortedColumn = -1;
    m_sortOrder = Qt::AscendingOrder;
    if (previous >= 0 && previous < columnCount()) {
        Q_EMIT headerDataChanged(Qt::Horizontal, previous, previous);
    }
}

int CGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : RowCount();
}

int CGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_headings.size());
}

QVariant CGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid()) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return CellText(index.row(), index.column());
    }
    if (role == Qt::BackgroundRole) {
        const QColor color = RowColor(index.row());
        return color.isValid() ? QVariant(QBrush(color)) : QVariant();
    }
    if (role == Qt::ForegroundRole) {
        const QColor color = RowColor(index.row());
        return color.isValid() ? QVariant(QBrush(ContrastingText(color))) : QVariant();
    }
    return {};
}

QVariant CGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical) {
        return role == Qt::DisplayRole ? QVariant(section + 1) : QVariant();
    }
    if (role == Qt::DisplayRole) {
        return Heading(section);
    }
    if (role == Qt::BackgroundRole && section == m_sortedColumn) {
        return QBrush(m_sortedHeadingColor);
    }
    return {};
}

}  // namespace kores
