// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/parallel_for.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <vector>

namespace {

TEST(ParallelFor, EveryIndexRunsOnceWhateverTheThreadCount)
{
    for (const unsigned threads : {0u, 1u, 2u, 7u}) {
        for (const std::size_t count : {std::size_t(0), std::size_t(1), std::size_t(3), std::size_t(1000)}) {
            std::vector<std::atomic<int>> runs(count);
            ko::ParallelFor(
                count, [&](std::size_t i) { ++runs[i]; }, threads);
            for (std::size_t i = 0; i < count; ++i)
                EXPECT_EQ(runs[i].load(), 1) << "index " << i << " of " << count << " on " << threads;
        }
    }
}

TEST(ParallelFor, AFailureIsThrownAfterEveryThreadHasStopped)
{
    std::atomic<int> running{0};
    std::atomic<int> done{0};
    EXPECT_THROW(ko::ParallelFor(
                     200,
                     [&](std::size_t i) {
                         ++running;
                         if (i == 17) {
                             --running;
                             throw std::runtime_error("bad curve");
                         }
                         ++done;
                         --running;
                     },
                     2),
                 std::runtime_error);
    EXPECT_EQ(running.load(), 0);
    EXPECT_LT(done.load(), 200);
}

}  // namespace
