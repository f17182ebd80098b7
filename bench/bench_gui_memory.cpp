// SPDX-License-Identifier: GPL-3.0-or-later
// Peak resident memory of the program with one channel of 100 vehicle tests,
// 1M points each, loaded from a generated UDS store and shown in the plot view
// (rendered headless, QT_QPA_PLATFORM=offscreen). The figure is the process's
// high-water mark (VmHWM) after the graph is drawn; it includes the store
// writing that precedes it, which holds one curve at a time.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/chart_widget.h"
#include "app/plot_view.h"
#include "app/velder_doc.h"
#include "bench/generated_store.h"
#include "core/heap_tuning.h"
#include "document/document.h"
#include "sources/data_agent_file.h"

namespace {

constexpr int kMemoryTests = 100;
constexpr int kMemoryPoints = 1000000;

// A line of /proc/self/status such as "VmHWM:  123456 kB", in MB.
double StatusMegabytes(const std::string& key)
{
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word) {
        if (word == key + ":") {
            double kilobytes = 0;
            status >> kilobytes;
            return kilobytes / 1024.0;
        }
    }
    return 0;
}

void BM_PlotPeakMemory(benchmark::State& state)
{
    const std::filesystem::path root =
        std::filesystem::temp_directory_path() / ("velder_bench_memory_" + std::to_string(::getpid()));
    benchstore::WriteStore(root.string(), kMemoryTests, 1, kMemoryPoints);
    for (auto _ : state) {
        kores::CVelderDoc doc;
        kores::CPlotView view(doc);
        view.resize(1280, 900);
        view.show();
        auto agent = std::make_shared<ko::CDataAgentFile>();
        if (!agent->SetStoreRoot(root.string())) state.SkipWithError(agent->GetLastError().c_str());
        doc.Model().SetAgent(agent);
        doc.Model().LoadTests(ko::TestKind::Vehicle, benchstore::TestNumbers(kMemoryTests));
        doc.SelectTitle(doc.Model().GetTitleTexts(0));
        if (doc.Model().GetCurrentSignals().size() != kMemoryTests ||
            view.Chart().SubsetCount() != kMemoryTests)
            state.SkipWithError("the store did not load whole");
        view.Chart().replot(QCustomPlot::rpImmediateRefresh);
        QApplication::processEvents();
        state.counters["peak_MB"] = StatusMegabytes("VmHWM");
        state.counters["resident_MB"] = StatusMegabytes("VmRSS");
    }
    std::filesystem::remove_all(root);
}
// The high-water mark only rises, so one run tells it.
BENCHMARK(BM_PlotPeakMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv)
{
    ko::TuneHeap();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
