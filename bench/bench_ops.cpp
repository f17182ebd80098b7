// SPDX-License-Identifier: GPL-3.0-or-later
// Integral, derivative and resampling of long signals: ns per sample and
// the growth with the number of samples (expected linear).
#include <cmath>

#include "bench/bench_main.h"
#include "core/signal.h"

namespace {

constexpr double kDel = 1e-4;

ko::CNSignal Pulse(std::size_t n)
{
    ko::CNSignal s;
    s.SetDEL(kDel);
    s.SetNFP(-100);
    s.SetNLP(static_cast<int>(n) - 101);
    std::vector<double> y(n);
    for (std::size_t i = 0; i < n; ++i) y[i] = std::sin(0.001 * static_cast<double>(i)) * 30;
    s.SetY(std::move(y));
    s.SetYUNITS("G'S");
    return s;
}

// Runs op on a fresh copy of the pulse each iteration; the copy is not timed.
template <class Op>
void Run(benchmark::State& state, Op op)
{
    const auto n = static_cast<std::size_t>(state.range(0));
    const ko::CNSignal source = Pulse(n);
    ko::CNSignal s;
    for (auto _ : state) {
        state.PauseTiming();
        s.Assign(source);
        state.ResumeTiming();
        op(s);
        benchmark::DoNotOptimize(s.GetY().data());
    }
    state.SetComplexityN(static_cast<std::int64_t>(n));
    state.counters["ns_per_sample"] =
        benchmark::Counter(static_cast<double>(state.iterations() * n) * 1e-9,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_Integrate(benchmark::State& state)
{
    Run(state, [](ko::CNSignal& s) { s.Integrate(); });
}
void BM_Derivative(benchmark::State& state)
{
    Run(state, [](ko::CNSignal& s) { s.Derivative(); });
}
void BM_ResampleFiner(benchmark::State& state)
{
    Run(state, [](ko::CNSignal& s) { s.Resample(0.7 * kDel); });
}
void BM_ResampleCoarser(benchmark::State& state)
{
    Run(state, [](ko::CNSignal& s) { s.Resample(2.5 * kDel); });
}

#define VELDER_OPS_SIZES RangeMultiplier(10)->Range(10'000, 1'000'000)->Complexity(benchmark::oN)
BENCHMARK(BM_Integrate)->VELDER_OPS_SIZES->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Derivative)->VELDER_OPS_SIZES->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ResampleFiner)->VELDER_OPS_SIZES->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ResampleCoarser)->VELDER_OPS_SIZES->Unit(benchmark::kMillisecond);

}  // namespace

VELDER_BENCHMARK_MAIN()
