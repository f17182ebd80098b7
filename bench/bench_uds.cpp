// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a 1,000,000-point "Y" file into a signal and writing it back,
// against a baseline: reading the file's bytes and converting its floats to
// doubles.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/heap_tuning.h"
#include "core/signal.h"
#include "formats/uds_file.h"
#include "formats/uds_signal.h"

namespace {

constexpr int kPoints = 1000000;

std::string TempPath(const char* name)
{
    return (std::filesystem::temp_directory_path() / ("velder_bench_" + std::to_string(::getpid()) + name))
        .string();
}

// The benchmark file, written once.
const std::string& SampleFile()
{
    static const std::string path = [] {
        ko::CNSignal s;
        s.SetDEL(0.0001);
        s.SetNFP(-1000);
        s.SetNLP(-1000 + kPoints - 1);
        std::vector<double> y(kPoints);
        for (int i = 0; i < kPoints; ++i) y[i] = 40.0 * std::sin(i * 0.001);
        s.SetY(std::move(y));
        const std::string p = TempPath("_in.uds");
        WriteUDS(s, p);
        return p;
    }();
    return path;
}

void BM_BaselineReadAndConvert(benchmark::State& state)
{
    const std::string& path = SampleFile();
    for (auto _ : state) {
        const int fd = ::open(path.c_str(), O_RDONLY);
        const auto size = static_cast<std::size_t>(::lseek(fd, 0, SEEK_END));
        ::lseek(fd, 0, SEEK_SET);
        std::vector<unsigned char> bytes(size);
        if (::read(fd, bytes.data(), size) != static_cast<ssize_t>(size)) state.SkipWithError("short read");
        ::close(fd);
        std::vector<double> values;
        values.reserve(kPoints);
        for (std::size_t r = 2 * 512; r + 512 <= size; r += 512) {
            for (std::size_t j = 0; j < 125; ++j) {
                float f;
                std::memcpy(&f, bytes.data() + r + 12 + 4 * j, 4);
                values.push_back(f);
            }
        }
        benchmark::DoNotOptimize(values.data());
    }
}
BENCHMARK(BM_BaselineReadAndConvert)->Unit(benchmark::kMillisecond);

void BM_ReadSignal(benchmark::State& state)
{
    const std::string& path = SampleFile();
    for (auto _ : state) {
        ko::CUDSFile file;
        file.Read(path);
        auto signal = std::make_shared<ko::CNSignal>();
        SetFromUDSFile(*signal, std::move(file));
        benchmark::DoNotOptimize(signal->GetY().data());
    }
}
BENCHMARK(BM_ReadSignal)->Unit(benchmark::kMillisecond);

void BM_WriteSignal(benchmark::State& state)
{
    ko::CUDSFile file;
    file.Read(SampleFile());
    ko::CNSignal signal;
    SetFromUDSFile(signal, std::move(file));
    const std::string out = TempPath("_out.uds");
    for (auto _ : state) WriteUDS(signal, out);
    std::filesystem::remove(out);
}
BENCHMARK(BM_WriteSignal)->Unit(benchmark::kMillisecond);

}  // namespace

// The heap tuned as the programs tune it (--kernel-heap leaves glibc's
// defaults): freed memory stays in the heap for all three benchmarks alike, so
// that they time the code rather than page faults.
int main(int argc, char** argv)
{
    bool fixedHeap = true;
    for (int i = 1; i < argc; ++i)
        if (std::string(argv[i]) == "--kernel-heap") fixedHeap = false;
    if (fixedHeap) ko::TuneHeap();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove(SampleFile());
    return 0;
}
