// SPDX-License-Identifier: GPL-3.0-or-later
// Cursor readings, time-zero alignment and corridor outliers across signals.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "analysis/corridor.h"
#include "analysis/cursor_values.h"
#include "analysis/time_zero.h"
#include "tests/analysis/criteria_signals.h"

namespace {

using ko::test::Sampled;
using ko::test::Tabulate;
using ko::test::Values;
using Signals = std::vector<std::shared_ptr<ko::CNSignal>>;

constexpr double kStep = 1e-4;
constexpr double kPi = 3.14159265358979323846;

TEST(CursorValues, InterpolatedReadingsAndPeakBetween)
{
    // y = 1000 t - 10 on -1 .. 39 ms, with a dip to -40 at 20 ms.
    auto values = Tabulate(401, kStep, [](double t) { return 1000.0 * (t - 0.001) - 10.0; });
    values[210] = -40.0;
    const auto signal = Sampled(kStep, values, "G'S", -10);
    const auto read = ko::CursorValues(*signal, 0.01005, 0.03);
    ASSERT_TRUE(read.atA && read.atB && read.difference && read.peak && read.peakTime);
    EXPECT_NEAR(*read.atA, 0.05, 1e-9);
    EXPECT_NEAR(*read.atB, 20.0, 1e-9);
    EXPECT_NEAR(*read.difference, 19.95, 1e-9);
    EXPECT_EQ(*read.peak, -40.0);
    EXPECT_NEAR(*read.peakTime, 0.02, 1e-12);
    // Reversed cursors read the same peak; B beyond the end reads nothing.
    const auto reversed = ko::CursorValues(*signal, 0.05, 0.015);
    EXPECT_FALSE(reversed.atA || reversed.difference);
    EXPECT_EQ(*reversed.peak, -40.0);
    EXPECT_FALSE(ko::CursorValues(*signal, 0.01001, 0.01009).peak);
}

// A half-sine pulse of 30 ms starting at onset.
std::shared_ptr<ko::CNSignal> PulseAt(double onset, double height = 40.0)
{
    return Sampled(kStep, Tabulate(1200, kStep, [=](double t) {
                       const double s = t - onset;
                       return s > 0.0 && s < 0.03 ? height * std::sin(kPi * s / 0.03) : 0.0;
                   }));
}

TEST(TimeZero, ThresholdAndCrossCorrelationShifts)
{
    for (auto method : {ko::CTimeZeroMethod::Threshold, ko::CTimeZeroMethod::CrossCorrelation}) {
        SCOPED_TRACE(method == ko::CTimeZeroMethod::Threshold ? "threshold" : "cross-correlation");
        const Signals signals{PulseAt(0.02), PulseAt(0.0223, 35.0), PulseAt(0.0151, 45.0),
                              PulseAt(0.02, 0.5)};
        ko::CTimeZeroRule rule;
        rule.method = method;
        rule.threshold = 5.0;
        const auto shifts = ko::AlignTimeZero(signals, rule);
        ASSERT_EQ(shifts.size(), 4u);
        EXPECT_EQ(shifts[0].steps, 0);
        // The threshold is crossed at different heights of pulses of different size; one step of slack.
        EXPECT_NEAR(shifts[1].steps, -23, method == ko::CTimeZeroMethod::Threshold ? 2 : 0);
        EXPECT_NEAR(shifts[2].steps, 49, method == ko::CTimeZeroMethod::Threshold ? 2 : 0);
        EXPECT_NEAR(shifts[1].seconds, shifts[1].steps * kStep, 1e-15);
        EXPECT_EQ(signals[1]->GetNFP(), shifts[1].steps);
        EXPECT_NEAR(signals[1]->GetX().front(), shifts[1].steps * kStep, 1e-12);
        EXPECT_EQ(signals[1]->GetStatus(), "ALIGEND");
        EXPECT_TRUE(signals[1]->IsModified());
        EXPECT_FALSE(signals[0]->IsModified());
        if (method == ko::CTimeZeroMethod::Threshold) {
            // The small pulse never reaches 5: left where it was, the others still shifted.
            EXPECT_EQ(shifts[3].failure, "Time zero: the signal never reaches 5");
            EXPECT_EQ(signals[3]->GetNFP(), 0);
        } else {
            EXPECT_EQ(shifts[3].steps, 0);
        }
    }
}

TEST(TimeZero, RefusedReferenceChangesNothing)
{
    const Signals signals{PulseAt(0.02), PulseAt(0.03)};
    ko::CTimeZeroRule rule;
    rule.threshold = 50.0;
    EXPECT_EQ(ko::test::FailureOf([&] { ko::AlignTimeZero(signals, rule); }),
              "Time zero: the signal never reaches 50 (the reference)");
    rule.reference = 2;
    EXPECT_EQ(ko::test::FailureOf([&] { ko::AlignTimeZero(signals, rule); }),
              "Time zero: no reference signal");
    EXPECT_EQ(signals[1]->GetNFP(), 0);
}

TEST(TimeZero, ShiftMovesTheSignalsOwnTimes)
{
    // Times half a step off the NFP grid stay half a step off.
    const auto signal = PulseAt(0.02);
    std::vector<double> x = signal->GetX();
    for (double& t : x) t += 0.5 * kStep;
    signal->SetXY(x, signal->GetY());
    ko::ShiftTime(*signal, -7);
    EXPECT_DOUBLE_EQ(signal->GetX()[10], x[10] - 7 * kStep);
    EXPECT_DOUBLE_EQ(signal->GetX().back(), x.back() - 7 * kStep);
    EXPECT_EQ(signal->GetNLP(), 1199 - 7);
}

TEST(Corridor, FractionOutsideAndLargestExcursion)
{
    // At every sample the values 0, 0 and 3: mean 1, population sigma sqrt(2).
    const Signals signals{Sampled(kStep, Values(50, 0.0)), Sampled(kStep, Values(50, 0.0)),
                          Sampled(kStep, Values(50, 3.0)),
                          Sampled(kStep, {1.0, std::numeric_limits<double>::quiet_NaN(), 2.0})};
    const auto outliers = ko::CorridorOutliers(signals);
    ASSERT_EQ(outliers.size(), 4u);
    EXPECT_EQ(outliers[0].fractionOutside, 0.0);
    EXPECT_EQ(outliers[1].largestExcursion, 0.0);
    EXPECT_EQ(outliers[2].fractionOutside, 1.0);
    EXPECT_NEAR(outliers[2].largestExcursion, 3.0 - (1.0 + std::sqrt(2.0)), 1e-12);
    EXPECT_EQ(outliers[3].failure, "Corridor: the sample at 0.100 ms is not a number");
    // k = 2: the corridor 1 +- 2.83 holds them all.
    EXPECT_EQ(ko::CorridorOutliers(signals, 2.0)[2].fractionOutside, 0.0);
    // The signals themselves are not aligned or changed.
    EXPECT_EQ(signals[3]->GetY().size(), 3u);
    EXPECT_FALSE(signals[0]->IsModified());
}

TEST(Corridor, TwoSignalsSitOnItsBordersAndUnitsMustAgree)
{
    const Signals two{Sampled(kStep, Tabulate(80, kStep, [](double t) { return std::sin(300.0 * t); })),
                      Sampled(kStep, Tabulate(80, kStep, [](double t) { return 0.3 + std::cos(200.0 * t); })),
                      Sampled(kStep, Values(80, 1.0), "NEWTONS")};
    const auto outliers = ko::CorridorOutliers(two);
    EXPECT_EQ(outliers[0].fractionOutside, 0.0);
    EXPECT_EQ(outliers[1].fractionOutside, 0.0);
    EXPECT_EQ(outliers[2].failure, "Corridor: the signal is in 'NEWTONS', the corridor in 'G'S'");
    EXPECT_EQ(ko::test::FailureOf([&] {
                  ko::CorridorOutliers({two[0], two[2]});
              }),
              "Corridor: fewer than two signals to compare");
}

}  // namespace
