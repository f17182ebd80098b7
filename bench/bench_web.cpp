// SPDX-License-Identifier: GPL-3.0-or-later
// The web source against the file source on the generated store: one title
// selection (50 curve downloads from velder-serve on loopback) beside the same
// selection read from the files, and velder-serve under 32 concurrent clients
// fetching curves for VELDER_BENCH_SECONDS (default 20) seconds, every body
// compared with its file (requests/s, p50 and p99 latency, failures).
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <mutex>
#include <random>
#include <thread>

#include "bench/bench_main.h"
#include "bench/generated_store.h"
#include "document/document.h"
#include "sources/data_agent_file.h"
#include "sources/data_agent_web.h"
#include "tests/support/serve_process.h"

namespace {

using namespace benchstore;

const velder_test::ServeProcess& Server()
{
    static const velder_test::ServeProcess server({"--store", Store(), "--threads", "8"});
    return server;
}

std::shared_ptr<ko::CDocument> Loaded(benchmark::State& state, std::shared_ptr<ko::CDataAgent> agent)
{
    auto document = std::make_shared<ko::CDocument>(std::move(agent));
    document->LoadTests(ko::TestKind::Vehicle, TestNumbers());
    if (document->GetTestCount() != kTests || document->GetTitleCount() != kChannels)
        state.SkipWithError("the store did not load whole");
    return document;
}

void Select(benchmark::State& state, ko::CDocument& document)
{
    for (auto _ : state) {
        document.SelectTitle(kSelectedTitle);
        if (document.GetCurrentSignals().size() != kTests) state.SkipWithError("a signal did not load");
    }
}

void BM_SelectTitleFromFiles(benchmark::State& state)
{
    auto agent = std::make_shared<ko::CDataAgentFile>();
    agent->SetStoreRoot(Store());
    Select(state, *Loaded(state, agent));
}
BENCHMARK(BM_SelectTitleFromFiles)->Unit(benchmark::kMillisecond);

void BM_SelectTitleOverTheWeb(benchmark::State& state)
{
    auto agent = std::make_shared<ko::CDataAgentWeb>();
    agent->SetServerURL(Server().Url());
    if (!agent->Connect()) state.SkipWithError(agent->GetLastError().c_str());
    Select(state, *Loaded(state, agent));
}
BENCHMARK(BM_SelectTitleOverTheWeb)->Unit(benchmark::kMillisecond);

std::string FileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void BM_ServeCurvesTo32Clients(benchmark::State& state)
{
    constexpr int kClients = 32;
    const char* configured = std::getenv("VELDER_BENCH_SECONDS");
    const auto duration = std::chrono::seconds(configured ? std::max(1, std::atoi(configured)) : 20);
    std::vector<std::string> expected;  // curves 1 to 10 of each test
    for (int test = 1; test <= kTests; ++test)
        for (int curve = 1; curve <= 10; ++curve)
            expected.push_back(
                FileBytes(StoreDirectory(Store(), test).GetUDSDirectory() + "/" + CurveName(test, curve)));
    const std::string base = Server().Url() + "/database/ZEB/transfer.aspx?DATABASE=vehdb&FORMAT=UDS_SINGLE";
    for (auto _ : state) {
        std::vector<double> latencies;
        std::mutex mutex;
        std::atomic<long> failures{0};
        const auto until = std::chrono::steady_clock::now() + duration;
        std::vector<std::thread> clients;
        for (int client = 0; client < kClients; ++client) {
            clients.emplace_back([&, client] {
                ko::CWebTransfer transfer;
                std::minstd_rand random(static_cast<unsigned>(client + 1));
                std::vector<double> mine;
                while (std::chrono::steady_clock::now() < until) {
                    const std::size_t pick = random() % expected.size();
                    const int test = static_cast<int>(pick / 10) + 1, curve = static_cast<int>(pick % 10) + 1;
                    const auto start = std::chrono::steady_clock::now();
                    try {
                        const auto response = transfer.Get(base + "&TSTNO=" + std::to_string(test) +
                                                           "&CURNO=" + std::to_string(curve));
                        if (response.status != 200 || response.body != expected[pick]) ++failures;
                    } catch (const std::exception&) {
                        ++failures;
                    }
                    mine.push_back(
                        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                            .count());
                }
                std::lock_guard lock(mutex);
                latencies.insert(latencies.end(), mine.begin(), mine.end());
            });
        }
        for (auto& client : clients) client.join();
        std::sort(latencies.begin(), latencies.end());
        const auto at = [&latencies](double q) {
            return latencies[static_cast<std::size_t>(q * (latencies.size() - 1))];
        };
        state.counters["requests_per_s"] =
            static_cast<double>(latencies.size()) / static_cast<double>(duration.count());
        state.counters["p50_ms"] = at(0.5);
        state.counters["p99_ms"] = at(0.99);
        state.counters["failed"] = static_cast<double>(failures);
        if (failures != 0) state.SkipWithError("failed or corrupted bodies");
    }
}
BENCHMARK(BM_ServeCurvesTo32Clients)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace

VELDER_BENCHMARK_MAIN()
