// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/ops_derivative.h"
#include "core/signal.h"
#include "tests/core/ops_test_signal.h"

namespace ko::test {
namespace {

using P = ko::CSlopePoint;

TEST(Integrate, UnitsAnchorAndExactLine)
{
    // A constant integrates to initial + rate * (x - anchor): time zero, or the first sample after it.
    const struct {
        const char* label;
        int nfp;
        std::size_t n;
        double value;
        const char *yunits, *dimsys;
        double inivel, anchor, initial, rate, last;
        const char *units, *type;
    } rows[] = {
        {"1 g for 0.1 s", 0, 101, 1, "G'S", "MET", 0, 0, 0, 35.30394, 3.530394, "KILOMETERS/HOUR",
         "VELOCITY"},
        {"INIVEL at time zero", -10, 111, 1, "G'S", "MET", 56, 0, 56, 35.30394, 59.530394, "KILOMETERS/HOUR",
         "VELOCITY"},
        {"English", 0, 11, 1, "G'S", "ENGLISH", 0, 0, 0, 21.93675, 0.2193675, "MILES/HOUR", "VELOCITY"},
        // Only accelerations take INIVEL.
        {"volts after time zero", 5, 6, 2, "VOLTS", "MET", 99, 0.005, 0, 2, 0.01, "VOLTS x SECONDS",
         "UNKNOWN x TIME"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        auto s = SampledSignal(0.001, row.nfp, Values(row.n, row.value));
        s->SetYUNITS(row.yunits);
        s->SetDIMSYS(row.dimsys);
        s->SetINIVEL(row.inivel);
        s->SetYTYPE("ACCELERATION");
        EXPECT_TRUE(s->Integrate());
        const auto& x = s->GetX();
        const auto& y = s->GetY();
        for (std::size_t i = 0; i < y.size(); ++i)
            ASSERT_NEAR(y[i], row.initial + row.rate * (x[i] - row.anchor), 1e-12) << i;
        EXPECT_EQ(y[static_cast<std::size_t>(std::max(0, -row.nfp))], row.initial);
        EXPECT_NEAR(y.back(), row.last, 1e-12);
        EXPECT_NEAR(s->GetYMax(), row.last, 1e-12);
        EXPECT_EQ(s->GetYUNITS(), row.units);
        EXPECT_EQ(s->GetQuantityType(), row.type);
        EXPECT_EQ(s->GetYTYPE(), "ACCELERATION");
        EXPECT_TRUE(s->IsModified());
    }
}

TEST(Derivative, SlopeAndUnits)
{
    const Values x{0, 0.3, 0.35, 1.0, 1.7, 1.75, 2.9, 3.0};
    const struct {
        const char* label;
        std::shared_ptr<ko::CNSignal> s;
        const char* yunits;
        double slope, tolerance;
        const char *units, *type;
    } rows[] = {
        {"2 x sampled", SampledSignal(0.5, -3, Ramp(12, 1, -3)), "", 2.0, 1e-14, " / SEC", "UNKNOWN"},
        {"2 x uneven", XYSignal(x, Tabulate(x.size(), [&](double i) { return 2 * x[std::size_t(i)]; })), "",
         2.0, 1e-12, " / SEC", "UNKNOWN"},
        {"millimetres", SampledSignal(0.001, 0, Ramp(20)), "MILLIMETERS", 3.6, 1e-12, "KILOMETERS/HOUR",
         "VELOCITY"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        row.s->SetXUNITS("SEC");
        row.s->SetYUNITS(row.yunits);
        row.s->SetYTYPE("DISPLACEMENT");
        EXPECT_TRUE(row.s->Derivative());
        for (double v : row.s->GetY()) EXPECT_NEAR(v, row.slope, row.tolerance);
        EXPECT_EQ(row.s->GetYUNITS(), row.units);
        EXPECT_EQ(row.s->GetQuantityType(), row.type);
        EXPECT_EQ(row.s->GetYTYPE(), "DISPLACEMENT");
        EXPECT_TRUE(row.s->IsModified());
    }
}

TEST(Derivative, UnevenQuadraticIsExact)
{
    // The parabola slopes and the end extrapolation are exact for y = 3x^2 - x + 2.
    const Values x{-1, -0.2, 0.5, 0.9, 2, 2.4, 4};
    Values y;
    for (double v : x) y.push_back(3 * v * v - v + 2);
    const auto d = ko::XYDerivative(x, y, 1.0);
    ASSERT_TRUE(d);
    for (std::size_t i = 0; i < x.size(); ++i) EXPECT_NEAR((*d)[i], 6 * x[i] - 1, 1e-12) << i;
}

TEST(Derivative, IntegralOfASmoothPulseDifferentiatesBack)
{
    const auto y =
        Tabulate(1000, [](double i) { return std::pow(std::sin(std::numbers::pi * i / 999), 2) * 30; });
    auto s = SampledSignal(0.0001, -100, y);
    s->SetYUNITS("VOLTS");
    s->Integrate();
    s->Derivative();
    EXPECT_EQ(s->GetYUNITS(), "VOLTS x SECONDS / SEC");
    for (std::size_t i = 0; i < y.size(); ++i) ASSERT_NEAR(s->GetY()[i], y[i], 1e-3) << i;
}

TEST(ThreePointSlope, DoubledEqualAndOutOfOrderAbscissae)
{
    const double any = std::nan("");  // not checked
    const struct {
        P p1, p2, p3;
        int position;
        double value, tolerance;
        int status;
    } rows[] = {
        {{1, 2}, {1, 5}, {1, 9}, 1, 1e38, 0, -4},
        {{1, 9}, {1, 5}, {1, 2}, 2, -1e38, 0, -4},
        {{1, 2}, {1, 2}, {1, 9}, 0, 0.0, 0, -3},
        {{1, 2}, {1, 4}, {3, 10}, 1, 3.0, 0, 2},  // first two doubled
        {{0, 0}, {2, 4}, {2, 10}, 1, 2.0, 0, 1},  // last two doubled
        // Nearly doubled: within 1e-5 relative and r below 0.25.
        {{1, 0}, {1.000001, 7}, {2, 9}, 1, 2 / 0.999999, 1e-9, 2},
        // y = x^2 through 0, 1, 3: slopes 0, 2, 6.
        {{0, 0}, {1, 1}, {3, 9}, 0, 0.0, 1e-14, 0},
        {{0, 0}, {1, 1}, {3, 9}, 1, 2.0, 1e-14, 0},
        {{0, 0}, {1, 1}, {3, 9}, 2, 6.0, 1e-14, 0},
        // Middle point outside: a blend of the two chords (r = 2/3).
        {{0, 0}, {2, 4}, {1, 1}, 1, (1.0 / 3) * 2 + (2.0 / 3) * 3, 1e-14, 3},
        {{0, 0}, {2, 4}, {1, 1}, 0, any, 0, 1},
        {{0, 0}, {2, 4}, {1, 1}, 2, any, 0, 2},
    };
    for (const auto& row : rows) {
        const auto slope = ko::ThreePointSlope(row.p1, row.p2, row.p3, row.position);
        SCOPED_TRACE(testing::Message()
                     << row.p1.x << " " << row.p2.x << " " << row.p3.x << " @" << row.position);
        if (!std::isnan(row.value)) {
            EXPECT_NEAR(slope.value, row.value, row.tolerance);
        }
        EXPECT_EQ(slope.status, row.status);
    }
}

TEST(EndSlope, FallsBackToTheParabolaNearDoubledPoints)
{
    // y = x^3 at 0, 1, 2, 4: the parabola 3x^2 - 2x through the first three has
    // slope -2 at 0 and 4 at 1; the one through 1, 2, 4 has slope 14 at 2.
    // Extrapolated to 0: 4 + (4 - 14) * 1 = -6; combined (2 * -6 + -2) / 3.
    EXPECT_NEAR(ko::EndSlope(P{0, 0}, P{1, 1}, P{2, 8}, P{4, 64}), -14.0 / 3, 1e-12);
    // A doubled x among the last three gives the plain parabola slope.
    EXPECT_NEAR(ko::EndSlope(P{0, 0}, P{1, 1}, P{2, 8}, P{2, 64}), -2.0, 1e-12);
}

TEST(XYDerivative, ClampsHugeSlopes)
{
    const auto d = ko::XYDerivative(Values{0, 0, 0, 1, 2}, Values{0, 1, 2, 3, 4}, 2.0);
    ASSERT_TRUE(d);
    EXPECT_EQ((*d)[1], 1e38);
    for (double v : *d) EXPECT_LE(std::fabs(v), 1e38);
    const auto nan = ko::XYDerivative(Values{0, 1, 2, 3}, Values{0, std::nan(""), 2, 3}, 1.0);
    ASSERT_TRUE(nan);
    EXPECT_EQ((*nan)[0], 1e38);
}

}  // namespace
}  // namespace ko::test
