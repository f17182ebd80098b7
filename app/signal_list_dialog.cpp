// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/signal_list_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "app/message_box.h"
#include "document/signal_list.h"

namespace kores {

namespace {

constexpr int kLastFittedTitleColumn = 19;
constexpr int kLastFittedListColumn = 11;

QStringList Cells(const std::vector<std::string>& texts)
{
    QStringList cells;
    for (const std::string& text : texts) cells << QString::fromStdString(text);
    return cells;
}

}  // namespace

QFont SignalListHeadingFont()
{
    QFont font("MS Sans Serif");
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(12);
    font.setWeight(QFont::ExtraBold);
    return font;
}

CSignalTitleGrid::CSignalTitleGrid(QWidget* parent) : CGridCtrl(parent)
{
    SetHeadingFont(SignalListHeadingFont());
}

void CSignalTitleGrid::ApplyWidths(ko::TestKind kind)
{
    const auto columns = ko::SignalTitleColumns(kind);
    if (Model().columnCount() != static_cast<int>(columns.size())) {
        std::vector<CGridColumn> grid;
        for (const auto& column : columns) grid.push_back({column.heading, column.width, ESortKind::None});
        SetColumns(grid);
    }
    for (std::size_t c = 0; c < columns.size(); ++c)
        SetColumnWidthOrHide(static_cast<int>(c), columns[c].width);
    FitColumns(ko::SignalTitleFitFirst(kind), kLastFittedTitleColumn);
}

CSignalListGrid::CSignalListGrid(QWidget* parent) : CGridCtrl(parent)
{
    SetHeadingFont(SignalListHeadingFont());
    std::vector<CGridColumn> grid;
    int c = 0;
    for (const auto& column : ko::SignalListColumns()) {
        const auto sort = ko::SignalListSorts(c++) ? ESortKind::Number : ESortKind::None;
        grid.push_back({column.heading, column.width, sort});
    }
    SetColumns(grid);
}

void CSignalListGrid::ApplyWidths()
{
    int c = 0;
    for (const auto& column : ko::SignalListColumns()) SetColumnWidthOrHide(c++, column.width);
    FitColumns(0, kLastFittedListColumn);
}

CSignalList::CSignalList(QWidget* parent) : CResizeDlg(parent)
{
    setWindowTitle("Signal List");
    resize(760, 420);
    titleGrid_ = new CSignalTitleGrid(this);
    listGrid_ = new CSignalListGrid(this);
    titleGrid_->setObjectName("1001");
    listGrid_->setObjectName("1002");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("1");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(titleGrid_);
    layout->addWidget(listGrid_, 1);
    layout->addWidget(buttons);
    titleGrid_->ApplyWidths(kind_);
}

void CSignalList::SetRows(const ko::CRecordList<ko::veh::CInstrumentation>& rows)
{
    vehRows_ = rows;
    Fill(vehRows_, ko::TestKind::Vehicle);
}

void CSignalList::SetRows(const ko::CRecordList<ko::com::CInstrumentation>& rows)
{
    comRows_ = rows;
    Fill(comRows_, ko::TestKind::Component);
}

void CSignalList::SetRows(const ko::CRecordList<ko::bio::CInstrumentation>& rows)
{
    bioRows_ = rows;
    Fill(bioRows_, ko::TestKind::Biomechanics);
}

template <class Row>
void CSignalList::Fill(const ko::CRecordList<Row>& rows, ko::TestKind kind)
{
    CWaitCursor wait;
    kind_ = kind;
    titleGrid_->Model().DeleteAllRows();
    listGrid_->Model().DeleteAllRows();
    if (!rows.empty()) titleGrid_->Model().AppendRow(Cells(ko::SignalTitleCells(*rows.front(), kind)));
    std::vector<CGridRow> lines;
    for (const auto& row : rows) lines.push_back({Cells(ko::SignalListCells(*row)), {}});
    listGrid_->Model().SetRows(std::move(lines));
    titleGrid_->ApplyWidths(kind);
    listGrid_->ApplyWidths();
    const int band = titleGrid_->horizontalHeader()->sizeHint().height() +
                     titleGrid_->verticalHeader()->defaultSectionSize() + 2 * titleGrid_->frameWidth() +
                     titleGrid_->horizontalScrollBar()->sizeHint().height();
    titleGrid_->setFixedHeight(band);
}

void CSignalList::OnResized()
{
    titleGrid_->ApplyWidths(kind_);
    listGrid_->ApplyWidths();
}

}  // namespace kores
