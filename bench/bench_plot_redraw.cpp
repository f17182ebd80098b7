// SPDX-License-Identifier: GPL-3.0-or-later
// Redraw time of the graph after a zoom, in full view and after a resize, with
// 50 x 100k, 100 x 100k and 100 x 1M points, rendered headless
// (QT_QPA_PLATFORM=offscreen); the time the min/max pyramids take to give the
// vertices of a full view, and to be built for 100 x 1M points.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>
#include <vector>

#include "app/chart_reduced_graph.h"
#include "app/chart_widget.h"
#include "core/min_max_pyramid.h"

using kores::CChartInput;
using kores::CChartWidget;

namespace {

struct CSize {
    unsigned subsets;
    unsigned points;
};

// Noisy crash pulses sampled at 10 kHz, the last tenth of every other channel
// padded with the null-data value.
struct CArrays {
    std::vector<double> x;
    std::vector<double> y;
    QString labels;
};

CArrays MakeArrays(CSize size, double nullValue)
{
    CArrays a;
    a.x.assign(std::size_t(size.subsets) * size.points, nullValue);
    a.y.assign(a.x.size(), nullValue);
    for (unsigned s = 0; s < size.subsets; ++s) {
        const unsigned length = s % 2 ? size.points - size.points / 10 : size.points;
        for (unsigned i = 0; i < length; ++i) {
            const double t = i * 1e-4;
            const double pulse = t < 0.1 ? -(20.0 + s) * std::sin(std::numbers::pi * t / 0.1) : 0.0;
            a.x[std::size_t(s) * size.points + i] = t;
            a.y[std::size_t(s) * size.points + i] = pulse + 3.0 * std::sin(1.7e3 * t * (s + 1) + i % 7);
        }
        a.labels += QString("channel %1\t").arg(s + 1);
    }
    return a;
}

// On a shared machine the fastest repetition is the best estimate of the cost.
double Fastest(const std::vector<double>& times)
{
    return *std::min_element(times.begin(), times.end());
}

// The chart the benchmarks draw, rebuilt when the size changes; building it is
// not measured.
std::unique_ptr<CChartWidget> g_chart;
CSize g_size{0, 0};

CChartWidget& Chart(CSize size)
{
    if (g_chart && g_size.subsets == size.subsets && g_size.points == size.points) {
        return *g_chart;
    }
    g_chart.reset();
    g_chart = std::make_unique<CChartWidget>();
    g_chart->resize(1280, 720);
    g_chart->show();
    CChartInput input;
    const CArrays arrays = MakeArrays(size, input.nullValue);
    input.subsets = kores::PaddedSubsets(arrays.x, arrays.y, size.subsets, size.points);
    input.subtitle = arrays.labels;
    input.yAxisTitle = "G'S";
    input.xAxisTitle = "SECONDS";
    g_chart->ShowGraph(input);
    QApplication::processEvents();
    g_size = size;
    return *g_chart;
}

void BM_RedrawAfterZoom(benchmark::State& state, CSize size)
{
    CChartWidget& chart = Chart(size);
    const QCPRange full = chart.FullKeyRange();
    bool zoomed = false;
    for (auto _ : state) {
        zoomed = !zoomed;
        chart.xAxis->setRange(zoomed ? QCPRange(full.lower + full.size() * 0.2, full.upper * 0.7) : full);
        chart.replot(QCustomPlot::rpImmediateRefresh);
    }
    chart.ResetView();
}

void BM_RedrawFullView(benchmark::State& state, CSize size)
{
    CChartWidget& chart = Chart(size);
    chart.ResetView();
    for (auto _ : state) {
        chart.replot(QCustomPlot::rpImmediateRefresh);
    }
}

void BM_RedrawAfterResize(benchmark::State& state, CSize size)
{
    CChartWidget& chart = Chart(size);
    chart.ResetView();
    bool small = false;
    for (auto _ : state) {
        small = !small;
        // The resize event lays out and redraws the plot; the paint shows it.
        chart.resize(small ? QSize(1000, 600) : QSize(1280, 720));
        chart.repaint();
    }
    chart.resize(1280, 720);
}

// The pyramids of every graph of the chart, built anew from the graphs' points.
void BM_BuildPyramids(benchmark::State& state, CSize size)
{
    CChartWidget& chart = Chart(size);
    std::vector<ko::CMinMaxPyramid> pyramids(static_cast<std::size_t>(chart.SubsetCount()));
    for (auto _ : state) {
        for (int i = 0; i < chart.SubsetCount(); ++i) {
            const auto values = static_cast<kores::CReducedGraph*>(chart.Subset(i))->Values();
            pyramids[static_cast<std::size_t>(i)].Build({values.data(), values.size(), 1});
        }
        benchmark::DoNotOptimize(pyramids.data());
    }
}

// The vertices the pyramids give for the full view of every graph, without drawing.
void BM_PyramidVertices(benchmark::State& state, CSize size)
{
    CChartWidget& chart = Chart(size);
    chart.ResetView();
    std::vector<ko::CMinMaxPyramid> pyramids(static_cast<std::size_t>(chart.SubsetCount()));
    // The graph's keys (0) or values (1).
    const auto points = [&](int i, int which) {
        const auto* graph = static_cast<kores::CReducedGraph*>(chart.Subset(i));
        const auto values = which == 0 ? graph->Keys() : graph->Values();
        return ko::CStrided{values.data(), values.size(), 1};
    };
    for (int i = 0; i < chart.SubsetCount(); ++i) {
        pyramids[static_cast<std::size_t>(i)].Build(points(i, 1));
    }
    const QCPRange range = chart.xAxis->range();
    std::vector<ko::CPlotVertex> out;
    for (auto _ : state) {
        for (int i = 0; i < chart.SubsetCount(); ++i) {
            out.clear();
            const ko::CStrided keys = points(i, 0);
            pyramids[static_cast<std::size_t>(i)].Vertices(keys, points(i, 1), 0, keys.count, range.lower,
                                                           range.upper, chart.axisRect()->width(), out);
            benchmark::DoNotOptimize(out.data());
        }
    }
}

void Register(const char* name, void (*bench)(benchmark::State&, CSize), CSize size)
{
    const std::string label =
        std::string(name) + "/" + std::to_string(size.subsets) + "x" + std::to_string(size.points);
    benchmark::RegisterBenchmark(label.c_str(), bench, size)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime()
        ->ComputeStatistics("min", Fastest);
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    // Grouped by size, so that each chart is built once.
    for (const CSize size : {CSize{50, 100000}, CSize{100, 100000}, CSize{100, 1000000}}) {
        Register("BM_RedrawAfterZoom", BM_RedrawAfterZoom, size);
        Register("BM_RedrawFullView", BM_RedrawFullView, size);
        Register("BM_RedrawAfterResize", BM_RedrawAfterResize, size);
        Register("BM_PyramidVertices", BM_PyramidVertices, size);
    }
    Register("BM_BuildPyramids", BM_BuildPyramids, CSize{100, 1000000});
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_chart.reset();
    return 0;
}
