// SPDX-License-Identifier: GPL-3.0-or-later
// Filtering many signals at once gives what filtering them one by one gives, bit for bit.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "core/filter.h"
#include "core/ops_butterworth_batch.h"
#include "core/signal.h"
#include "tests/core/ops_test_signal.h"

namespace ko::test {
namespace {

// A noisy pulse, different for every seed.
Values Noisy(std::size_t n, unsigned seed)
{
    Values y(n);
    unsigned long long state = seed * 2654435761ull + 7;
    for (std::size_t i = 0; i < n; ++i) {
        state = state * 6364136223846793005ull + 1442695040888963407ull;
        const double noise = static_cast<double>(state >> 11) * (1.0 / 9007199254740992.0) - 0.5;
        y[i] = 40.0 * std::exp(-std::pow((static_cast<double>(i) - n / 2.0) / (n / 8.0 + 1.0), 2)) + noise;
    }
    return y;
}

bool SameBits(const Values& a, const Values& b)
{
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(double)) == 0;
}

TEST(FilterBatch, BitIdenticalToOneByOneForOddCountsAndLengths)
{
    // Lengths of every kind: odd, shorter than the tail (3, 57), long; time
    // steps that differ, one too coarse for the frequency (left unchanged).
    const std::size_t lengths[] = {1001, 3, 20001, 57, 999, 1001, 4097, 12345, 5};
    const double steps[] = {1e-4, 1e-4, 5e-5, 1e-4, 2e-4, 1e-4, 1e-4, 1e-3, 1e-4};
    for (const std::size_t count : {1u, 3u, 5u, 9u}) {
        for (const unsigned threads : {1u, 2u}) {
            SCOPED_TRACE(std::to_string(count) + " signals, " + std::to_string(threads) + " threads");
            std::vector<Values> batch, single;
            std::vector<CButterworthJob> jobs;
            for (std::size_t i = 0; i < count; ++i)
                batch.push_back(Noisy(lengths[i], static_cast<unsigned>(i)));
            single = batch;
            const double f = count == 9 ? 600 * kClassToFrequency : 60 * kClassToFrequency;
            for (std::size_t i = 0; i < count; ++i) jobs.push_back({batch[i], steps[i], f, {}});
            ButterworthInPlaceBatch(jobs, threads);
            for (std::size_t i = 0; i < count; ++i) {
                const CButterworthRun run = ButterworthInPlace(single[i], steps[i], f);
                EXPECT_TRUE(SameBits(batch[i], single[i])) << "signal " << i;
                EXPECT_EQ(jobs[i].run.filtered, run.filtered) << "signal " << i;
                EXPECT_EQ(jobs[i].run.tailShortened, run.tailShortened) << "signal " << i;
            }
        }
    }
}

TEST(FilterBatch, SignalsMatchTheirOwnFilterAndAFailureChangesNone)
{
    std::vector<std::shared_ptr<CNSignal>> batch, single;
    for (unsigned i = 0; i < 7; ++i) {
        batch.push_back(SampledSignal(1e-4, 0, Noisy(301 + 200 * i, i)));
        single.push_back(SampledSignal(1e-4, 0, Noisy(301 + 200 * i, i)));
    }
    batch[2]->SetChannelClass(60);  // filtered at 60 already: CFC 180 leaves it
    single[2]->SetChannelClass(60);
    FilterSignalsClass(batch, 180, 2);
    for (std::size_t i = 0; i < batch.size(); ++i) {
        single[i]->FilterClass(180);
        EXPECT_TRUE(SameBits(batch[i]->GetY(), single[i]->GetY())) << "signal " << i;
        EXPECT_EQ(batch[i]->GetWarnings(), single[i]->GetWarnings()) << "signal " << i;
        EXPECT_EQ(batch[i]->GetStatus(), single[i]->GetStatus()) << "signal " << i;
        EXPECT_EQ(batch[i]->GetChannelClass(), single[i]->GetChannelClass()) << "signal " << i;
        EXPECT_EQ(batch[i]->GetYMax(), single[i]->GetYMax()) << "signal " << i;
    }

    batch.push_back(SampledSignal(1e-4, 0, {1.0, 2.0}));
    const Values before = batch[0]->GetY();
    const std::size_t warnings = batch[0]->GetWarnings().size();
    EXPECT_EQ(FailureOf([&] { FilterSignals(batch, 100.0); }),
              "Too few data points to filter (at least 3 are needed)");
    EXPECT_TRUE(SameBits(batch[0]->GetY(), before));
    EXPECT_EQ(batch[0]->GetWarnings().size(), warnings);
    EXPECT_EQ(FailureOf([&] { FilterSignalsClass(batch, 100); }),
              "BWfilt: Frequency Channel Class is not specified in SAE J211");
}

}  // namespace
}  // namespace ko::test
