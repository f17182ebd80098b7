// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/velder_grid.h"

#include <QAction>
#include <QMenu>

#include "app/message_box.h"
#include "app/velder_doc.h"
#include "document/document.h"

namespace kores {

namespace {

constexpr int kCountWidth = 25;
constexpr int kFieldWidth = 50;
constexpr int kDastatWidth = 25;

bool IsIntegerField(const std::string& name)
{
    return name == "VEHNO" || name == "CMPNO" || name == "CNFNO";
}

}  // namespace

CVelderGrid::CVelderGrid(CVelderDoc& doc, QWidget* parent) : CGridCtrl(parent), doc_(doc) {}

QColor CVelderGrid::DastatColor(const QString& dastat)
{
    if (dastat == "CF" || dastat == "MN") return {240, 110, 90};
    if (dastat == "QD") return {255, 255, 0};
    if (dastat == "NO") return {0, 225, 0};
    if (dastat == "CM") return {0, 0, 225};
    return {};
}

void CVelderGrid::Rebuild()
{
    const ko::CDocument& model = doc_.Model();
    const std::vector<std::string> headings = model.GetTitleHeadings();
    std::vector<CGridColumn> columns;
    int dastat = -1;
    for (const std::string& heading : headings) {
        CGridColumn column{QString::fromStdString(heading), kFieldWidth, ESortKind::Text};
        if (columns.empty()) column = {"#", kCountWidth, ESortKind::Number};
        if (IsIntegerField(heading)) column.sortKind = ESortKind::Number;
        if (heading == "DASTAT") {
            column.width = kDastatWidth;
            dastat = static_cast<int>(columns.size());
        }
        columns.push_back(column);
    }
    CWaitCursor wait;
    setUpdatesEnabled(false);
    SetColumns(columns);
    std::vector<CGridRow> rows;
    for (std::size_t t = 0; t < model.GetTitleCount(); ++t) {
        CGridRow row;
        row.cells << QString::number(model.GetTitleCounts()[t]);
        for (const std::string& text : model.GetTitleTexts(t)) row.cells << QString::fromStdString(text);
        if (dastat > 0) row.background = DastatColor(row.cells.value(dastat));
        rows.push_back(std::move(row));
    }
    Model().SetRows(std::move(rows));
    FitAllColumns();
    setUpdatesEnabled(true);
}

void CVelderGrid::FitAllColumns()
{
    FitColumns(0, Model().columnCount() - 1);
}

std::vector<std::string> CVelderGrid::RowTitle(int row) const
{
    std::vector<std::string> texts;
    const QStringList cells = Model().RowCells(row);
    for (int c = 1; c < cells.size(); ++c) texts.push_back(cells[c].toStdString());
    return texts;
}

void CVelderGrid::FillContextMenu(QMenu& menu, int row, int column)
{
    if (row < 0 || column < 0 || !doc_.Model().HasSelection()) return;
    QAction* view = menu.addAction("View Selected Signals", this, [this] {
        CWaitCursor wait;
        if (signalList_) signalList_->trigger();
    });
    view->setEnabled(signalList_ && signalList_->isEnabled());
}

}  // namespace kores
