// SPDX-License-Identifier: GPL-3.0-or-later
// One selection on a generated store of 50 vehicle tests x 100 channels x 3,300
// points: loading the tests and building the titles, selecting one title (50
// signals through the file agent), and reading those 50 UDS files directly.
#include <memory>
#include <string>
#include <vector>

#include "bench/bench_main.h"
#include "bench/generated_store.h"
#include "core/signal.h"
#include "document/document.h"
#include "formats/uds_file.h"
#include "formats/uds_signal.h"
#include "sources/data_agent_file.h"

namespace {

using namespace benchstore;

std::shared_ptr<ko::CDocument> LoadedDocument(benchmark::State& state)
{
    auto agent = std::make_shared<ko::CDataAgentFile>();
    if (!agent->SetStoreRoot(Store())) state.SkipWithError(agent->GetLastError().c_str());
    auto document = std::make_shared<ko::CDocument>(agent);
    document->LoadTests(ko::TestKind::Vehicle, TestNumbers());
    if (document->GetTestCount() != kTests || document->GetTitleCount() != kChannels)
        state.SkipWithError("the store did not load whole");
    return document;
}

void BM_LoadTestsAndBuildTitles(benchmark::State& state)
{
    Store();
    for (auto _ : state) benchmark::DoNotOptimize(LoadedDocument(state));
}
BENCHMARK(BM_LoadTestsAndBuildTitles)->Unit(benchmark::kMillisecond);

void BM_SelectTitle(benchmark::State& state)
{
    const auto document = LoadedDocument(state);
    for (auto _ : state) {
        document->SelectTitle(kSelectedTitle);
        if (document->GetCurrentSignals().size() != kTests) state.SkipWithError("a signal did not load");
    }
}
BENCHMARK(BM_SelectTitle)->Unit(benchmark::kMillisecond);

// The paths of the selected title's curve in every test.
std::vector<std::string> SelectedPaths(benchmark::State& state)
{
    const auto document = LoadedDocument(state);
    const int curve = document->GetLists<ko::CVehicleTest>().titles[kSelectedTitle]->GetCURNO();
    std::vector<std::string> paths;
    for (int test = 1; test <= kTests; ++test)
        paths.push_back(StoreDirectory(Store(), test).GetUDSDirectory() + "/" + CurveName(test, curve));
    return paths;
}

void BM_ReadUDSFilesDirectly(benchmark::State& state)
{
    const auto paths = SelectedPaths(state);
    for (auto _ : state) {
        for (const auto& path : paths) {
            ko::CUDSFile file;
            file.Read(path);
            benchmark::DoNotOptimize(file.GetY().data());
        }
    }
}
BENCHMARK(BM_ReadUDSFilesDirectly)->Unit(benchmark::kMillisecond);

// The direct reads plus the conversion of each file object into a signal.
void BM_ReadUDSFilesIntoSignals(benchmark::State& state)
{
    const auto paths = SelectedPaths(state);
    for (auto _ : state) {
        for (const auto& path : paths) {
            ko::CUDSFile file;
            file.Read(path);
            auto signal = std::make_shared<ko::CNSignal>();
            SetFromUDSFile(*signal, std::move(file));
            benchmark::DoNotOptimize(signal->GetY().data());
        }
    }
}
BENCHMARK(BM_ReadUDSFilesIntoSignals)->Unit(benchmark::kMillisecond);

// The same, with the 50 signals held until the next pass as a selection holds
// them: the part of a selection's cost that is memory rather than code.
void BM_ReadUDSFilesIntoHeldSignals(benchmark::State& state)
{
    const auto paths = SelectedPaths(state);
    std::vector<std::shared_ptr<ko::CNSignal>> held;
    for (auto _ : state) {
        held.clear();
        for (const auto& path : paths) {
            ko::CUDSFile file;
            file.Read(path);
            auto signal = std::make_shared<ko::CNSignal>();
            SetFromUDSFile(*signal, std::move(file));
            held.push_back(std::move(signal));
        }
        benchmark::DoNotOptimize(held.data());
    }
}
BENCHMARK(BM_ReadUDSFilesIntoHeldSignals)->Unit(benchmark::kMillisecond);

// The agent's four calls per test, without the document.
void BM_AgentLoadSignals(benchmark::State& state)
{
    const auto document = LoadedDocument(state);
    const auto& lists = document->GetLists<ko::CVehicleTest>();
    const int curve = lists.titles[kSelectedTitle]->GetCURNO();
    auto& agent = *document->GetAgent();
    for (auto _ : state) {
        for (const auto& test : lists.tests) {
            auto signal = std::make_shared<ko::CNSignal>();
            if (!agent.SetTest(test) ||
                !agent.SetTestNumber(static_cast<unsigned>(ko::TestNumberOf(*test))) ||
                !agent.SetCurveNumber(static_cast<unsigned>(curve)) || !agent.LoadSignal(signal))
                state.SkipWithError(agent.GetLastError().c_str());
        }
    }
}
BENCHMARK(BM_AgentLoadSignals)->Unit(benchmark::kMillisecond);

// The document's own share of a selection: the graph's arrays of 50 signals.
void BM_BuildPlotArrays(benchmark::State& state)
{
    const auto document = LoadedDocument(state);
    document->SelectTitle(kSelectedTitle);
    ko::CPlotArrays arrays;
    for (auto _ : state) {
        ko::BuildPlotArrays(document->GetCurrentSignals(), arrays);
        benchmark::DoNotOptimize(arrays.y.data());
    }
}
BENCHMARK(BM_BuildPlotArrays)->Unit(benchmark::kMillisecond);

}  // namespace

VELDER_BENCHMARK_MAIN()
