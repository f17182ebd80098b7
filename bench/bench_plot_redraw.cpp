// SPDX-License-Identifier: GPL-3.0-or-later
// Redraw time of the graph with 50 channels of 100,000 points each, after a
// zoom and after a resize, rendered headless (QT_QPA_PLATFORM=offscreen).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <algorithm>
#include <cmath>
#include <memory>
#include <numbers>
#include <vector>

#include "app/chart_widget.h"

namespace {

constexpr unsigned kSubsets = 50;
constexpr unsigned kPoints = 100000;

// Noisy crash pulses sampled at 10 kHz, the last tenth of every other channel
// padded with the null-data value.
struct CArrays {
    std::vector<double> x;
    std::vector<double> y;
    QString labels;
};

CArrays MakeArrays(double nullValue)
{
    CArrays a;
    a.x.assign(std::size_t(kSubsets) * kPoints, nullValue);
    a.y.assign(a.x.size(), nullValue);
    for (unsigned s = 0; s < kSubsets; ++s) {
        const unsigned length = s % 2 ? kPoints - kPoints / 10 : kPoints;
        for (unsigned i = 0; i < length; ++i) {
            const double t = i * 1e-4;
            const double pulse = t < 0.1 ? -(20.0 + s) * std::sin(std::numbers::pi * t / 0.1) : 0.0;
            a.x[std::size_t(s) * kPoints + i] = t;
            a.y[std::size_t(s) * kPoints + i] = pulse + 3.0 * std::sin(1.7e3 * t * (s + 1) + i % 7);
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

// The chart all benchmarks draw; building it is not measured.
std::unique_ptr<CChartWidget> g_chart;

void MakeChart()
{
    g_chart = std::make_unique<CChartWidget>();
    g_chart->resize(1280, 720);
    g_chart->show();
    CChartInput input;
    const CArrays arrays = MakeArrays(input.nullValue);
    input.subsetCount = kSubsets;
    input.pointCount = kPoints;
    input.x = arrays.x;
    input.y = arrays.y;
    input.subtitle = arrays.labels;
    input.yAxisTitle = "G'S";
    input.xAxisTitle = "SECONDS";
    g_chart->ShowGraph(input);
    QApplication::processEvents();
}

CChartWidget& Chart()
{
    return *g_chart;
}

void BM_RedrawAfterZoom(benchmark::State& state)
{
    CChartWidget& chart = Chart();
    const QCPRange full = chart.FullKeyRange();
    bool zoomed = false;
    for (auto _ : state) {
        zoomed = !zoomed;
        chart.xAxis->setRange(zoomed ? QCPRange(full.lower + full.size() * 0.2, full.upper * 0.7) : full);
        chart.replot(QCustomPlot::rpImmediateRefresh);
    }
    chart.ResetView();
}
BENCHMARK(BM_RedrawAfterZoom)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->ComputeStatistics("min", Fastest);

void BM_RedrawFullView(benchmark::State& state)
{
    CChartWidget& chart = Chart();
    chart.ResetView();
    for (auto _ : state) {
        chart.replot(QCustomPlot::rpImmediateRefresh);
    }
}
BENCHMARK(BM_RedrawFullView)->Unit(benchmark::kMillisecond)->UseRealTime()->ComputeStatistics("min", Fastest);

void BM_RedrawAfterResize(benchmark::State& state)
{
    CChartWidget& chart = Chart();
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
BENCHMARK(BM_RedrawAfterResize)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->ComputeStatistics("min", Fastest);

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
    MakeChart();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_chart.reset();
    return 0;
}
