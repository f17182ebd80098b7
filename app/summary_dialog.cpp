// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/summary_dialog.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/message_box.h"
#include "app/signal_list_dialog.h"

namespace kores {

namespace {

constexpr int kNumberWidth = 50;
constexpr int kCountWidth = 25;

}  // namespace

CSummaryGrid::CSummaryGrid(QWidget* parent) : CGridCtrl(parent)
{
    SetHeadingFont(SignalListHeadingFont());
    std::vector<CGridColumn> columns;
    for (const std::string& heading : ko::SummaryHeadings()) {
        const bool first = columns.empty();
        columns.push_back({QString::fromStdString(heading), first ? kNumberWidth : kCountWidth,
                           first ? ESortKind::Text : ESortKind::Number});
    }
    SetColumns(columns);
}

void CSummaryGrid::SetLines(const std::vector<ko::CSummaryLine>& lines)
{
    std::vector<CGridRow> rows;
    for (const ko::CSummaryLine& line : lines) {
        QStringList cells{QString::fromStdString(line.testNumber)};
        for (const std::size_t count :
             {line.total, line.am, line.other, line.unique, line.common, line.shared})
            cells << QString::number(count);
        rows.push_back({cells, {}});
    }
    Model().SetRows(std::move(rows));
    FitColumns(0, Model().columnCount() - 1);
}

CSummary::CSummary(QWidget* parent) : CResizeDlg(parent)
{
    setWindowTitle("Summary");
    resize(660, 300);
    grid_ = new CSummaryGrid(this);
    grid_->setObjectName("1000");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("1");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_, 1);
    layout->addWidget(buttons);
}

void CSummary::SetTests(const std::vector<std::shared_ptr<ko::CVehicleTest>>& tests)
{
    vehTests_ = tests;
    Fill(vehTests_, ko::TestKind::Vehicle);
}

void CSummary::SetTests(const std::vector<std::shared_ptr<ko::CComTest>>& tests)
{
    comTests_ = tests;
    Fill(comTests_, ko::TestKind::Component);
}

void CSummary::SetTests(const std::vector<std::shared_ptr<ko::CBioTest>>& tests)
{
    bioTests_ = tests;
    Fill(bioTests_, ko::TestKind::Biomechanics);
}

template <class Test>
void CSummary::Fill(const std::vector<std::shared_ptr<Test>>& tests, ko::TestKind kind)
{
    CWaitCursor wait;
    kind_ = kind;
    grid_->Model().DeleteAllRows();
    if (!tests.empty()) grid_->SetLines(ko::BuildSummary(tests));
}

void CSummary::OnResized()
{
    grid_->FitColumns(0, grid_->Model().columnCount() - 1);
}

}  // namespace kores
