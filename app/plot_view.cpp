// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/plot_view.h"

#include <QSplitter>
#include <QVBoxLayout>
#include <algorithm>

#include "app/chart_widget.h"
#include "app/cursor_table_view.h"
#include "app/message_box.h"
#include "app/velder_doc.h"
#include "core/signal.h"
#include "document/document.h"

namespace kores {

namespace {

// One subset per signal, read in place: the points that have both X and Y;
// none when no signal has a point.
std::vector<CChartSubset> SignalSubsets(const ko::CSignalList& signals)
{
    std::vector<CChartSubset> subsets;
    std::size_t points = 0;
    for (const auto& signal : signals) points = std::max(points, ko::PlotPoints(*signal));
    if (points == 0) return subsets;
    for (const auto& signal : signals) {
        const std::size_t n = std::min(signal->GetX().size(), signal->GetY().size());
        subsets.push_back({std::span(signal->GetX()).first(n), std::span(signal->GetY()).first(n), signal});
    }
    return subsets;
}

}  // namespace

CPlotView::CPlotView(CVelderDoc& doc, QWidget* parent)
    : QWidget(parent), doc_(doc), chart_(new CChartWidget), table_(new CCursorTableView)
{
    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(chart_);
    split->addWidget(table_);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 1);
    split->setChildrenCollapsible(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(split);
    setFocusProxy(chart_);
    chart_->setFocusPolicy(Qt::StrongFocus);
    chart_->hide();
    table_->hide();
    connect(chart_, &CChartWidget::CursorsMoved, table_, &CCursorTableView::SetCursors);
    connect(&doc_, &CVelderDoc::Updated, this, &CPlotView::OnUpdate);
    connect(chart_, &CChartWidget::CrosshairMoved, this,
            [this](int, const QString& label, double x, double y) {
                const QString point = QString("x = %1, y = %2").arg(x, 0, 'g', 6).arg(y, 0, 'g', 6);
                Q_EMIT Readout(label.isEmpty() ? point : label + ": " + point);
            });
    connect(chart_, &CChartWidget::CrosshairLeft, this, [this] { Q_EMIT Readout({}); });
}

void CPlotView::OnUpdate(int hint)
{
    if (hint == CVelderDoc::kHintSignals) {
        ShowGraph();
    } else {
        chart_->Clear();
        chart_->hide();
        table_->SetSignals({});
        table_->hide();
        doc_.SetGraph(false);
    }
}

void CPlotView::ShowGraph()
{
    const ko::CPlotTitles& titles = doc_.Model().GetPlotTitles();
    CChartInput input;
    input.subsets = SignalSubsets(doc_.Model().GetCurrentSignals());
    input.nullValue = ko::kNullData;
    input.mainTitle = QString::fromStdString(titles.main);
    input.subtitle = QString::fromStdString(titles.subtitle);
    input.yAxisTitle = QString::fromStdString(titles.yAxis);
    input.xAxisTitle = QString::fromStdString(titles.xAxis);
    table_->SetSignals(doc_.Model().GetCurrentSignals());
    chart_->ShowGraph(input);
    chart_->show();
    table_->show();
    doc_.SetGraph(true);
}

void CPlotView::SaveGraph()
{
    if (chart_->RunExportDialog() == CChartWidget::EExportResult::Failed)
        ShowMessage(this, QMessageBox::Information, "Failure to save the graph.");
}

void CPlotView::CustomizeGraph()
{
    if (chart_->RunCustomizeDialog() == CChartWidget::ECustomizeResult::Failed)
        ShowMessage(this, QMessageBox::Information, "Failure to customize the graph.");
}

void CPlotView::PrintGraph()
{
    if (doc_.HasGraph()) chart_->Print();
}

void CPlotView::CopyPlot()
{
    if (doc_.HasGraph()) chart_->CopyToClipboard();
}

}  // namespace kores
