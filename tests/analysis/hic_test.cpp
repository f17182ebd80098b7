// SPDX-License-Identifier: GPL-3.0-or-later
// HIC against closed forms and an all-pairs search written here.
#include "analysis/hic.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/analysis/criteria_signals.h"

namespace {

using ko::test::Rectangle;
using ko::test::Sampled;
using ko::test::Tabulate;

constexpr double kStep = 1e-4;  // 10 kHz
constexpr double kPi = 3.14159265358979323846;

struct RectangleCase {
    const char* name;
    double height;            // g
    std::size_t first, last;  // samples at the height
    double window;            // s
    double expected;          // HIC
    double expectedDuration;  // t2 - t1, s
};

TEST(Hic, RectangularPulses)
{
    const RectangleCase rows[] = {
        // tau <= window: tau * A^2.5
        {"10 ms of 80 g, HIC15", 80.0, 200, 300, ko::kHic15Window, 0.010 * std::pow(80.0, 2.5), 0.010},
        {"15 ms of 50 g, HIC15", 50.0, 100, 250, ko::kHic15Window, 0.015 * std::pow(50.0, 2.5), 0.015},
        {"30 ms of 60 g, HIC36", 60.0, 100, 400, ko::kHic36Window, 0.030 * std::pow(60.0, 2.5), 0.030},
        // tau > window: window * A^2.5
        {"30 ms of 60 g, HIC15", 60.0, 100, 400, ko::kHic15Window, 0.015 * std::pow(60.0, 2.5), 0.015},
        {"60 ms of 40 g, HIC36", 40.0, 50, 650, ko::kHic36Window, 0.036 * std::pow(40.0, 2.5), 0.036},
        {"negative 10 ms of 80 g", -80.0, 200, 300, ko::kHic15Window, 0.010 * std::pow(80.0, 2.5), 0.010},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const auto signal = Sampled(kStep, Rectangle(800, row.first, row.last, row.height));
        const ko::CHicResult hic = ko::Hic(*signal, row.window);
        EXPECT_NEAR(hic.value, row.expected, 1e-9 * row.expected);
        EXPECT_NEAR(hic.t2 - hic.t1, row.expectedDuration, 1e-9);
        EXPECT_GE(hic.t1, row.first * kStep - 1e-12);
        EXPECT_LE(hic.t2, row.last * kStep + 1e-12);
    }
}

TEST(Hic, MetersPerSecondSquaredAreTakenAsG)
{
    const auto g = Sampled(kStep, Rectangle(400, 100, 200, 70.0));
    const auto si = Sampled(kStep, Rectangle(400, 100, 200, 70.0 * 9.80665), "METERS/SEC**2");
    EXPECT_NEAR(ko::Hic(*si, ko::kHic15Window).value, ko::Hic(*g, ko::kHic15Window).value, 1e-9);
}

// A half-sine P sin(pi t / D): a window of length T centred on the peak holds
// I = (2 P D / pi) sin(pi T / 2D), so HIC(T) = T^-1.5 I^2.5, which grows until
// tan(u) = 5u / 3 with u = pi T / 2D and falls after.
double HalfSineHic(double peak, double duration, double window)
{
    double low = 0.5, high = 1.5;  // tan(u) - 5u/3 changes sign once in here
    for (int i = 0; i < 100; ++i) {
        const double u = 0.5 * (low + high);
        (std::tan(u) < 5.0 * u / 3.0 ? low : high) = u;
    }
    const double best = std::min(window, 2.0 * duration * low / kPi);
    const double integral = 2.0 * peak * duration / kPi * std::sin(kPi * best / (2.0 * duration));
    return std::pow(best, -1.5) * std::pow(integral, 2.5);
}

TEST(Hic, HalfSineMatchesItsClosedForm)
{
    struct Case {
        double peak, duration, window;
    };
    // The best window inside the limit (20 ms pulse), and at the limit (30 ms pulse, HIC15).
    for (const Case c : {Case{60.0, 0.020, ko::kHic15Window}, Case{60.0, 0.030, ko::kHic15Window},
                         Case{45.0, 0.030, ko::kHic36Window}}) {
        SCOPED_TRACE(testing::Message() << c.duration << " s pulse, window " << c.window);
        const std::size_t n = static_cast<std::size_t>(c.duration / kStep) + 201;
        const auto signal =
            Sampled(kStep, Tabulate(n, kStep, [&](double t) {
                        const double s = t - 0.01;
                        return s > 0.0 && s < c.duration ? c.peak * std::sin(kPi * s / c.duration) : 0.0;
                    }));
        const double expected = HalfSineHic(c.peak, c.duration, c.window);
        const ko::CHicResult hic = ko::Hic(*signal, c.window);
        EXPECT_NEAR(hic.value, expected, 2e-4 * expected);
        EXPECT_NEAR(0.5 * (hic.t1 + hic.t2), 0.01 + 0.5 * c.duration, 1.5e-4);
    }
}

// Every pair of samples, each window summed on its own.
ko::CHicResult AllPairs(const std::vector<double>& g, double step, std::size_t windowSteps)
{
    ko::CHicResult best;
    for (std::size_t i = 0; i < g.size(); ++i) {
        double integral = 0.0;
        for (std::size_t j = i + 1; j < g.size() && j - i <= windowSteps; ++j) {
            integral += 0.5 * (std::abs(g[j - 1]) + std::abs(g[j])) * step;
            const double duration = static_cast<double>(j - i) * step;
            const double hic = duration * std::pow(integral / duration, 2.5);
            if (hic > best.value) best = {hic, i * step, j * step};
        }
    }
    return best;
}

TEST(Hic, EqualsTheAllPairsSearchOnNoisyPulses)
{
    for (unsigned seed = 1; seed <= 6; ++seed) {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        ko::test::CTestRandom random(seed);
        const double noise = 2.0 + 8.0 * random.Next();
        const double second = 0.5 + random.Next();  // height of a second pulse relative to the first
        const auto values = Tabulate(2500, kStep, [&](double t) {
            const double p1 = t > 0.05 && t < 0.09 ? 70.0 * std::sin(kPi * (t - 0.05) / 0.04) : 0.0;
            const double p2 = t > 0.15 && t < 0.17 ? 70.0 * second * std::sin(kPi * (t - 0.15) / 0.02) : 0.0;
            return p1 + p2 + noise * (random.Next() - 0.5);
        });
        const auto signal = Sampled(kStep, values);
        for (double window : {ko::kHic15Window, ko::kHic36Window}) {
            const auto steps = static_cast<std::size_t>(std::lround(window / kStep));
            const ko::CHicResult expected = AllPairs(values, kStep, steps);
            const ko::CHicResult hic = ko::Hic(*signal, window);
            EXPECT_NEAR(hic.value, expected.value, 1e-9 * expected.value);
            EXPECT_NEAR(hic.t1, expected.t1, 1e-9);
            EXPECT_NEAR(hic.t2, expected.t2, 1e-9);
        }
    }
}

TEST(Hic, WindowsOfThousandsOfStepsEqualTheAllPairsSearch)
{
    constexpr double kFine = 1e-5;  // 100 kHz: HIC15 spans 1500 steps
    for (unsigned seed = 7; seed <= 8; ++seed) {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        ko::test::CTestRandom random(seed);
        const auto values = Tabulate(9000, kFine, [&](double t) {
            const double pulse = t > 0.02 && t < 0.07 ? 60.0 * std::sin(kPi * (t - 0.02) / 0.05) : 0.0;
            return pulse + 4.0 * (random.Next() - 0.5);
        });
        const ko::CHicResult expected = AllPairs(values, kFine, 1500);
        const ko::CHicResult hic = ko::Hic(*Sampled(kFine, values), ko::kHic15Window);
        EXPECT_NEAR(hic.value, expected.value, 1e-9 * expected.value);
        EXPECT_NEAR(hic.t1, expected.t1, 1e-9);
        EXPECT_NEAR(hic.t2, expected.t2, 1e-9);
    }
}

TEST(Hic, ZeroSignalGivesZero)
{
    const auto signal = Sampled(kStep, std::vector<double>(300, 0.0), "G'S", -100);
    const ko::CHicResult hic = ko::Hic(*signal, ko::kHic15Window);
    EXPECT_EQ(hic.value, 0.0);
    EXPECT_EQ(hic.t1, hic.t2);
}

}  // namespace
