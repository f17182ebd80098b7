// SPDX-License-Identifier: GPL-3.0-or-later
// Operations that give a signal a new index range: Truncate, TruncateIndex, Resample.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/signal.h"
#include "tests/core/ops_test_signal.h"

namespace ko::test {
namespace {

struct RangeCase {
    const char* label;
    std::shared_ptr<CNSignal> s;
    Op op;
    double del;
    int nfp, nlp;
    Values x;  // empty: del * (nfp + i)
    Values y;
    double tolerance;
    const char* status;
};

// x = 0, 1, ..., 9 with DEL 1 and NFP 0; y = 10 x; z = 7.
std::shared_ptr<CNSignal> Ten()
{
    auto s = SampledSignal(1.0, 0, Ramp(10, 10));
    s->ZValues().assign(10, 7.0);
    return s;
}

void Check(const RangeCase& c)
{
    SCOPED_TRACE(c.label);
    ASSERT_TRUE(c.op(*c.s));
    const CNSignal& s = *c.s;
    EXPECT_EQ(s.GetDEL(), c.del);
    EXPECT_EQ(s.GetNFP(), c.nfp);
    EXPECT_EQ(s.GetNLP(), c.nlp);
    EXPECT_EQ(s.GetPointCount(), c.nlp - c.nfp + 1);
    const Values x = c.x.empty() ? Tabulate(c.y.size(), [&](double i) { return c.del * (c.nfp + i); }) : c.x;
    ExpectNear(s.GetX(), x, c.tolerance);
    ExpectNear(s.GetY(), c.y, c.tolerance);
    EXPECT_TRUE(s.GetZ().empty());  // all zero
    EXPECT_NEAR(s.GetStartTime(), c.del * c.nfp, c.tolerance);
    EXPECT_NEAR(s.GetEndTime(), c.del * c.nlp, c.tolerance);
    EXPECT_NEAR(s.GetYMax(), *std::max_element(c.y.begin(), c.y.end()), c.tolerance);
    EXPECT_EQ(s.GetStatus(), c.status);
    EXPECT_TRUE(s.IsModified());
}

TEST(Truncate, KeptPointsAndNumbering)
{
    const char* t = "TRUNCATED";
    auto hundred = SampledSignal(0.001, -10, Ramp(100));
    hundred->ZValues().assign(100, 1.0);
    const RangeCase rows[] = {
        // clang-format off
        {"[2, 5)", Ten(), Truncate(2, 5), 1, 2, 4, {}, {20, 30, 40}, 0, t},
        {"never the last sample", Ten(), Truncate(2, 100), 1, 2, 8, {}, {20, 30, 40, 50, 60, 70, 80}, 0, t},
        // Numbering from trunc(1.5) would claim the data start at x = 1.
        {"off-grid start", Ten(), Truncate(1.5, 5), 1, 2, 4, {}, {20, 30, 40}, 0, t},
        // 0.003 / 0.001 rounds below 3; the first kept point is still index 3.
        {"start rounding below the grid", SampledSignal(0.001, -10, Values(40, 1.0)), Truncate(0.003, 0.01),
         0.001, 3, 9, {}, Values(7, 1.0), 1e-15, t},
        {"negative start", SampledSignal(1.0, -10, Ramp(100)), Truncate(-3, 2), 1, -3, 1, {}, Ramp(5, 1, 7),
         0, t},
        {"explicit x", XYSignal({0.1, 0.4, 0.45, 0.9, 1.3}, {1, 2, 3, 4, 5}), Truncate(0.4, 1.0), 0, 0, 2,
         {0.4, 0.45, 0.9}, {2, 3, 4}, 0, t},
        {"index, both ends kept", hundred, TruncateIndex(0, 89), 0.001, 0, 89, {}, Ramp(90, 1, 10), 1e-15, t},
        // clang-format on
    };
    for (const auto& row : rows) Check(row);
}

TEST(Resample, InterpolatedAndExtrapolatedValues)
{
    const auto square = Tabulate(1000, [](double i) { return i * i; });
    const auto everyOther = Tabulate(500, [](double k) { return 4 * k * k; });
    const RangeCase rows[] = {
        // clang-format off
        {"coarser", SampledSignal(0.001, 0, Ramp(10, 0.001)), Resample(0.0025), 0.0025, 0, 3, {},
         Ramp(4, 0.0025), 1e-15, ""},
        {"first index toward zero", XYSignal({-0.00049, 0.00051, 0.00151, 0.00251}, {1, 2, 3, 4}),
         Resample(0.001), 0.001, 0, 2, {}, {1.49, 2.49, 3.49}, 1e-12, ""},
        // y = 3x: a time before the first sample follows the first two samples.
        {"before the first", XYSignal({0.3, 0.5, 0.7}, {0.9, 1.5, 2.1}), Resample(0.25), 0.25, 1, 2, {},
         {0.75, 1.5}, 1e-12, ""},
        // After the last sample: along the last two.
        {"after the last", XYSignal({0, 1, 2, 2.995}, {0, 1, 4, 5}), Resample(1.0), 1, 0, 3, {},
         {0, 1, 4, 4 + 1.0 / 0.995}, 1e-12, ""},
        {"equal neighbours inside", XYSignal({0, 1, 1, 2}, {0, 0, 1, 1}), Resample(0.5), 0.5, 0, 4, {},
         {0, 0, 0, 1, 1}, 0, ""},
        {"every other sample", SampledSignal(0.0001, -100, square), Resample(0.0002), 0.0002, -50, 449, {},
         everyOther, 1e-6, ""},
        // clang-format on
    };
    for (const auto& row : rows) Check(row);
}

TEST(Resample, SameStepIsTheIdentityAlsoBeforeTimeZero)
{
    const auto y = Tabulate(1000, [](double i) { return std::sin(0.01 * i) * 40 + i; });
    for (int nfp : {-100, 0, 5}) {
        // clang-format off
        Check({"same step", SampledSignal(0.0001, nfp, y), Resample(0.0001), 0.0001, nfp, nfp + 999, {}, y,
               1e-9, ""});
        // clang-format on
    }
}

}  // namespace
}  // namespace ko::test
