// SPDX-License-Identifier: GPL-3.0-or-later
// 3 ms clip, peak and exceedance time against values worked out by hand.
#include <gtest/gtest.h>

#include <cmath>

#include "analysis/clip.h"
#include "analysis/peak.h"
#include "tests/analysis/criteria_signals.h"

namespace {

using ko::test::Rectangle;
using ko::test::Sampled;
using ko::test::Tabulate;
using ko::test::Values;

constexpr double kStep = 1e-4;
constexpr double kPi = 3.14159265358979323846;

Values Plus(Values a, const Values& b)
{
    for (std::size_t i = 0; i < a.size(); ++i) a[i] += b[i];
    return a;
}

TEST(Clip3ms, CumulativeAndContinuous)
{
    struct Case {
        const char* name;
        Values values;
        double cumulative, cumulativeTime;  // s: when 3 ms are complete
        double continuous, continuousTime;  // s: start of the first 3 ms
    };
    const Case rows[] = {
        {"5 ms rectangle of 40 g", Rectangle(600, 100, 150, 40.0), 40.0, 0.013, 40.0, 0.010},
        {"3 ms rectangle of 40 g", Rectangle(600, 100, 130, 40.0), 40.0, 0.013, 40.0, 0.010},
        {"negative 5 ms rectangle", Rectangle(600, 100, 150, -40.0), 40.0, 0.013, 40.0, 0.010},
        // Two 2 ms rectangles 10 ms apart on a 5 g floor: 4 ms at 40 g in all, never 3 ms at once.
        {"two 2 ms rectangles",
         Plus(Plus(Rectangle(600, 100, 120, 35.0), Rectangle(600, 220, 240, 35.0)), Values(600, 5.0)), 40.0,
         0.023, 5.0, 0.0},
        // 40 g for 2 ms then 30 g for 2 ms, at once: 30 g for 4 ms, 40 g for only 2 ms.
        {"steps of 40 and 30 g", Plus(Rectangle(600, 100, 120, 10.0), Rectangle(600, 100, 140, 30.0)), 30.0,
         0.013, 30.0, 0.010},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const auto signal = Sampled(kStep, row.values);
        const ko::CClipResult cumulative = ko::Clip3msCumulative(*signal);
        const ko::CClipResult continuous = ko::Clip3msContinuous(*signal);
        EXPECT_DOUBLE_EQ(cumulative.value, row.cumulative);
        EXPECT_NEAR(cumulative.time, row.cumulativeTime, 1e-9);
        EXPECT_DOUBLE_EQ(continuous.value, row.continuous);
        EXPECT_NEAR(continuous.time, row.continuousTime, 1e-9);
    }
}

// A half-sine P sin(pi t / D) stays above P cos(pi d / 2D) for exactly d.
TEST(Clip3ms, HalfSineLevelHeldFor3ms)
{
    const double peak = 55.0, duration = 0.04, step = 1e-5;
    const auto signal = Sampled(step, Tabulate(6000, step, [&](double t) {
                                    return t < duration ? peak * std::sin(kPi * t / duration) : 0.0;
                                }));
    const double expected = peak * std::cos(kPi * 0.003 / (2.0 * duration));
    EXPECT_NEAR(ko::Clip3msCumulative(*signal).value, expected, 1e-3 * peak);
    EXPECT_NEAR(ko::Clip3msContinuous(*signal).value, expected, 1e-3 * peak);
    EXPECT_NEAR(ko::Clip3msContinuous(*signal).time, 0.5 * duration - 0.0015, 2.0 * step);
}

TEST(Peak, LargestMagnitudeWithItsSignAndTime)
{
    Values values(300, 1.0);
    values[50] = 30.0;
    values[120] = -50.0;
    values[200] = -50.0;  // equal magnitude later: the first counts
    const auto peak = ko::Peak(*Sampled(kStep, values, "NEWTONS", -20));
    EXPECT_EQ(peak.value, -50.0);
    EXPECT_NEAR(peak.time, 0.010, 1e-12);
}

TEST(Exceedance, CumulativeTimeBeyondAThreshold)
{
    const Values twoPulses = Plus(Rectangle(600, 100, 150, 40.0), Rectangle(600, 300, 320, 40.0));
    struct Case {
        Values values;
        double threshold, expected;
    };
    const Case rows[] = {
        {twoPulses, 20.0, 0.007},  // 5 ms + 2 ms
        {twoPulses, 40.0, 0.007},  // at the level counts
        {twoPulses, 40.5, 0.0},
        {Rectangle(600, 100, 150, -9000.0), -5000.0, 0.005},  // below a negative threshold
        {Rectangle(600, 100, 150, -9000.0), 5000.0, 0.0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "threshold " << row.threshold);
        EXPECT_NEAR(ko::ExceedanceTime(*Sampled(kStep, row.values), row.threshold), row.expected, 1e-12);
    }
}

}  // namespace
