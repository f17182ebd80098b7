// SPDX-License-Identifier: GPL-3.0-or-later
// The J211 filter on long signals: ns per sample of the two passes.
#include <cmath>
#include <random>

#include "bench/bench_main.h"
#include "core/filter.h"
#include "core/ops_butterworth.h"
#include "core/ops_butterworth_batch.h"
#include "core/signal.h"

namespace {

constexpr double kDel = 1e-4;  // 10 kHz

std::vector<double> CrashLikePulse(std::size_t n)
{
    std::mt19937_64 noise(42);
    std::normal_distribution<double> jitter(0.0, 0.5);
    std::vector<double> y(n);
    for (std::size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) * kDel;
        y[i] = 40 * std::exp(-std::pow((t - 0.05) / 0.02, 2)) * std::sin(300 * t) + jitter(noise);
    }
    return y;
}

void PerSample(benchmark::State& state, std::size_t n)
{
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * n));
    state.counters["ns_per_sample"] =
        benchmark::Counter(static_cast<double>(state.iterations() * n) * 1e-9,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// Filters the same values again each iteration: in place, no copy timed.
void BM_Cfc60Kernel(benchmark::State& state)
{
    const auto n = static_cast<std::size_t>(state.range(0));
    auto y = CrashLikePulse(n);
    for (auto _ : state) {
        ko::ButterworthInPlace(y, kDel, 60 * ko::kClassToFrequency);
        benchmark::DoNotOptimize(y.data());
        benchmark::ClobberMemory();
    }
    PerSample(state, n);
}
BENCHMARK(BM_Cfc60Kernel)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

// The signal operation: filter plus header updates and refreshed extremes.
void BM_Cfc60Signal(benchmark::State& state)
{
    const auto n = static_cast<std::size_t>(state.range(0));
    ko::CNSignal s;
    s.SetDEL(kDel);
    s.SetNFP(0);
    s.SetNLP(static_cast<int>(n) - 1);
    s.SetY(CrashLikePulse(n));
    for (auto _ : state) {
        s.Filter(60 * ko::kClassToFrequency);
        benchmark::DoNotOptimize(s.GetY().data());
    }
    PerSample(state, n);
}
BENCHMARK(BM_Cfc60Signal)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

constexpr std::size_t kManySignals = 50;
constexpr std::size_t kManySamples = 100'000;

std::vector<std::vector<double>> ManyPulses()
{
    std::vector<std::vector<double>> signals(kManySignals, CrashLikePulse(kManySamples));
    for (std::size_t i = 0; i < kManySignals; ++i) signals[i][i] += 1.0;
    return signals;
}

// 50 signals x 100k samples one after the other, as a loop over the signals would.
void BM_Cfc60ManyOneByOne(benchmark::State& state)
{
    auto signals = ManyPulses();
    for (auto _ : state) {
        for (auto& y : signals) ko::ButterworthInPlace(y, kDel, 60 * ko::kClassToFrequency);
        benchmark::ClobberMemory();
    }
    PerSample(state, kManySignals * kManySamples);
}
BENCHMARK(BM_Cfc60ManyOneByOne)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same signals through the batch: lanes side by side, on range(0) threads.
void BM_Cfc60ManyBatch(benchmark::State& state)
{
    auto signals = ManyPulses();
    std::vector<ko::CButterworthJob> jobs;
    for (auto& y : signals) jobs.push_back({y, kDel, 60 * ko::kClassToFrequency, {}});
    for (auto _ : state) {
        ko::ButterworthInPlaceBatch(jobs, static_cast<unsigned>(state.range(0)));
        benchmark::ClobberMemory();
    }
    PerSample(state, kManySignals * kManySamples);
}
BENCHMARK(BM_Cfc60ManyBatch)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

VELDER_BENCHMARK_MAIN()
