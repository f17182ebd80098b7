// SPDX-License-Identifier: GPL-3.0-or-later
// The J211 filter on long signals: ns per sample of the two passes.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>

#include "core/filter.h"
#include "core/ops_butterworth.h"
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

}  // namespace

BENCHMARK_MAIN();
