// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewers/spec_grid.h"

#include <QHelpEvent>
#include <QMenu>
#include <QToolTip>

namespace kores {

namespace {

constexpr int kTitlesWidth = 25;
constexpr int kValuesWidth = 125;

}  // namespace

CSpecificationGrid::CSpecificationGrid(QWidget* parent) : CGridCtrl(parent)
{
    ShowSection({});
}

void CSpecificationGrid::ShowSection(const ko::CSpecSection& section)
{
    std::vector<CGridColumn> columns{{"Titles Definitions", 0, ESortKind::Text},
                                     {"Titles", kTitlesWidth, ESortKind::Text},
                                     {"Values", kValuesWidth, ESortKind::Text}};
    if (section.decoded) columns.push_back({"Values Definitions", 0, ESortKind::Text});
    SetColumns(columns);
    std::vector<CGridRow> rows;
    records_.clear();
    for (std::size_t r = 0; r < section.records.size(); ++r) {
        if (r > 0) {
            rows.push_back({QStringList(columns.size(), QString()), {}});
            records_.push_back(-1);
        }
        for (const ko::CSpecRow& row : section.records[r]) {
            QStringList cells{QString::fromStdString(row.description), QString::fromStdString(row.name),
                              QString::fromStdString(row.value)};
            if (section.decoded) cells << QString::fromStdString(row.decoded);
            rows.push_back({cells, {}});
            records_.push_back(static_cast<int>(r));
        }
    }
    Model().SetRows(std::move(rows));
    FitColumns(1, 2);
    setColumnWidth(2, std::max(columnWidth(2), 2 * kValuesWidth));
}

QString CSpecificationGrid::HintAt(int row, int column) const
{
    if (row < 0 || row >= Model().RowCount()) return {};
    if (column == 1) return Model().CellText(row, 0);
    if (column != 2) return {};
    const QString definition = Model().columnCount() > 3 ? Model().CellText(row, 3) : QString();
    return definition.isEmpty() ? Model().CellText(row, 2) : definition;
}

int CSpecificationGrid::RecordOfRow(int row) const
{
    return row >= 0 && row < static_cast<int>(records_.size()) ? records_[static_cast<std::size_t>(row)] : -1;
}

void CSpecificationGrid::FillContextMenu(QMenu& menu, int row, int column)
{
    if (row < 0 || column < 0) return;
    if (filler_) filler_(menu);
}

bool CSpecificationGrid::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QModelIndex index = indexAt(help->pos());
        const QString hint = index.isValid() ? HintAt(index.row(), index.column()) : QString();
        if (hint.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), hint, viewport());
        return true;
    }
    return CGridCtrl::viewportEvent(event);
}

}  // namespace kores
