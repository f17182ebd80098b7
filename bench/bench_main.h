// SPDX-License-Identifier: GPL-3.0-or-later
// The main of a benchmark program: the heap tuned as Velder's programs tune
// it at start-up, so that the benchmarks time what the programs do.
#pragma once
#include <benchmark/benchmark.h>

#include "core/heap_tuning.h"

#define VELDER_BENCHMARK_MAIN()                                           \
    int main(int argc, char** argv)                                       \
    {                                                                     \
        ko::TuneHeap();                                                   \
        benchmark::Initialize(&argc, argv);                               \
        if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1; \
        benchmark::RunSpecifiedBenchmarks();                              \
        benchmark::Shutdown();                                            \
        return 0;                                                         \
    }
