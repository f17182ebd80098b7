// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <stdexcept>

#include "core/ops_derivative.h"
#include "core/signal.h"
#include "tests/core/ops_test_signal.h"

namespace {

using ko::test::FailureOf;
using ko::test::SampledSignal;
using ko::test::Tabulate;
using ko::test::XYSignal;

TEST(Integrate, OneGForATenthOfASecond)
{
    auto s = SampledSignal(0.001, 0, std::vector<double>(101, 1.0));
    s->SetYUNITS("G'S");
    s->SetYTYPE("ACCELERATION");
    EXPECT_TRUE(s->Integrate());
    EXPECT_NEAR(s->GetY().back(), 3.530394, 1e-12);
    EXPECT_EQ(s->GetY().front(), 0.0);
    EXPECT_EQ(s->GetYUNITS(), "KILOMETERS/HOUR");
    EXPECT_EQ(s->GetQuantityType(), "VELOCITY");
    EXPECT_EQ(s->GetYTYPE(), "ACCELERATION");
    EXPECT_TRUE(s->IsModified());
    EXPECT_NEAR(s->GetYMax(), 3.530394, 1e-12);
}

TEST(Integrate, AnchorsInitialVelocityAtTimeZero)
{
    auto s = SampledSignal(0.001, -10, std::vector<double>(111, 1.0));
    s->SetYUNITS("G'S");
    s->SetINIVEL(56);
    s->Integrate();
    // Exact integral of 1 g: INIVEL + 35.30394 t, before time zero too.
    for (std::size_t i = 0; i < 111; ++i)
        ASSERT_NEAR(s->GetY()[i], 56 + 35.30394 * s->GetX()[i], 1e-12) << i;
    EXPECT_EQ(s->GetY()[10], 56.0);

    auto e = SampledSignal(0.001, 0, std::vector<double>(11, 1.0));
    e->SetYUNITS("G'S");
    e->SetDIMSYS("ENGLISH");
    e->Integrate();
    EXPECT_EQ(e->GetYUNITS(), "MILES/HOUR");
    EXPECT_NEAR(e->GetY().back(), 0.2193675, 1e-12);
}

TEST(Integrate, StartAfterTimeZeroAnchorsTheFirstSample)
{
    auto s = SampledSignal(0.001, 5, std::vector<double>(6, 2.0));
    s->SetYUNITS("VOLTS");
    s->SetINIVEL(99);  // only accelerations take INIVEL
    s->Integrate();
    EXPECT_EQ(s->GetY().front(), 0.0);
    EXPECT_NEAR(s->GetY().back(), 0.01, 1e-15);
    EXPECT_EQ(s->GetYUNITS(), "VOLTS x SECONDS");
    EXPECT_EQ(s->GetQuantityType(), "UNKNOWN x TIME");
}

TEST(Integrate, Failures)
{
    auto three = SampledSignal(0.001, 0, {1, 2, 3});
    EXPECT_EQ(FailureOf([&] { three->Integrate(); }), "Too few data points to compute an Integral");
    ko::CNSignal noData;
    noData.SetNLP(10);
    EXPECT_EQ(FailureOf([&] { noData.Integrate(); }), "X or Y data is empty.");
    auto uneven = SampledSignal(0.001, 0, {1, 2, 3, 4, 5});
    uneven->XValues().pop_back();
    EXPECT_EQ(FailureOf([&] { uneven->Integrate(); }), "The number of data (X and Y) points are not same.");
}

TEST(Integrate, TimeZeroAfterTheLastSampleIsRefused)
{
    auto s = SampledSignal(0.001, -20, std::vector<double>(11, 1.0));  // NLP -10
    s->SetYUNITS("G'S");
    EXPECT_EQ(FailureOf([&] { s->Integrate(); }),
              "Time zero is after the last data point: no anchor for the Integral");
    EXPECT_EQ(s->GetY(), std::vector<double>(11, 1.0));
    EXPECT_EQ(s->GetYUNITS(), "G'S");
    EXPECT_FALSE(s->IsModified());
}

TEST(Derivative, OfTwoXIsTwoEverywhere)
{
    auto s = SampledSignal(0.5, -3, Tabulate(12, [](double i) { return 2 * 0.5 * (i - 3); }));
    EXPECT_TRUE(s->Derivative());
    for (double v : s->GetY()) EXPECT_NEAR(v, 2.0, 1e-14);
    EXPECT_EQ(s->GetYUNITS(), " / SEC");
    EXPECT_TRUE(s->IsModified());

    const std::vector<double> x{0, 0.3, 0.35, 1.0, 1.7, 1.75, 2.9, 3.0};
    auto xy = XYSignal(x, Tabulate(x.size(), [&](double i) { return 2 * x[static_cast<std::size_t>(i)]; }));
    xy->Derivative();
    for (double v : xy->GetY()) EXPECT_NEAR(v, 2.0, 1e-12);
}

TEST(Derivative, UnevenQuadraticIsExact)
{
    // The parabola slopes and the end extrapolation are exact for y = 3x^2 - x + 2.
    const std::vector<double> x{-1, -0.2, 0.5, 0.9, 2, 2.4, 4};
    std::vector<double> y;
    for (double v : x) y.push_back(3 * v * v - v + 2);
    const auto d = ko::XYDerivative(x, y, 1.0);
    ASSERT_TRUE(d);
    for (std::size_t i = 0; i < x.size(); ++i) EXPECT_NEAR((*d)[i], 6 * x[i] - 1, 1e-12) << i;
}

TEST(Derivative, AppliesTheUnitFactor)
{
    auto s = SampledSignal(0.001, 0, Tabulate(20, [](double i) { return 1000 * 0.001 * i; }));
    s->SetYUNITS("MILLIMETERS");
    s->SetXUNITS("SEC");
    s->SetYTYPE("DISPLACEMENT");
    s->Derivative();
    for (double v : s->GetY()) EXPECT_NEAR(v, 3.6, 1e-12);
    EXPECT_EQ(s->GetYUNITS(), "KILOMETERS/HOUR");
    EXPECT_EQ(s->GetQuantityType(), "VELOCITY");
    EXPECT_EQ(s->GetYTYPE(), "DISPLACEMENT");
}

TEST(Derivative, IntegralOfASmoothPulseDifferentiatesBack)
{
    const double del = 0.0001;
    auto pulse = [&](double i) { return std::pow(std::sin(std::numbers::pi * i / 999), 2) * 30; };
    const auto y = Tabulate(1000, pulse);
    auto s = SampledSignal(del, -100, y);
    s->SetYUNITS("VOLTS");
    s->Integrate();
    s->Derivative();
    EXPECT_EQ(s->GetYUNITS(), "VOLTS x SECONDS / SEC");
    for (std::size_t i = 0; i < y.size(); ++i) ASSERT_NEAR(s->GetY()[i], y[i], 1e-3) << i;
}

TEST(Derivative, TooFewPoints)
{
    const std::string sampled = "Too few data points to compute a derivative";
    for (std::vector<double> y : {std::vector<double>{1}, {1, 2}, {1, 2, 4}}) {
        auto s = SampledSignal(0.001, 1, y);
        EXPECT_EQ(FailureOf([&] { s->Derivative(); }), sampled) << y.size();
        EXPECT_EQ(s->GetY(), y);
    }
    const std::string xy = "Error Computing an XY derivative";
    auto two = XYSignal({0, 1}, {1, 2});
    EXPECT_EQ(FailureOf([&] { two->Derivative(); }), xy);
    auto three = XYSignal({0, 1, 3}, {1, 2, 5});
    EXPECT_EQ(FailureOf([&] { three->Derivative(); }), xy);
    EXPECT_EQ(three->GetY(), (std::vector<double>{1, 2, 5}));
}

TEST(ThreePointSlope, DoubledAndEqualAbscissae)
{
    using P = ko::CSlopePoint;
    auto same = ko::ThreePointSlope(P{1, 2}, P{1, 5}, P{1, 9}, 1);
    EXPECT_EQ(same.value, 1e38);
    EXPECT_EQ(same.status, -4);
    EXPECT_EQ(ko::ThreePointSlope(P{1, 9}, P{1, 5}, P{1, 2}, 2).value, -1e38);
    auto flat = ko::ThreePointSlope(P{1, 2}, P{1, 2}, P{1, 9}, 0);
    EXPECT_EQ(flat.value, 0.0);
    EXPECT_EQ(flat.status, -3);

    auto firstDoubled = ko::ThreePointSlope(P{1, 2}, P{1, 4}, P{3, 10}, 1);
    EXPECT_EQ(firstDoubled.value, 3.0);
    EXPECT_EQ(firstDoubled.status, 2);
    auto lastDoubled = ko::ThreePointSlope(P{0, 0}, P{2, 4}, P{2, 10}, 1);
    EXPECT_EQ(lastDoubled.value, 2.0);
    EXPECT_EQ(lastDoubled.status, 1);
    // Nearly doubled: within 1e-5 relative and r below 0.25.
    auto near = ko::ThreePointSlope(P{1, 0}, P{1.000001, 7}, P{2, 9}, 1);
    EXPECT_EQ(near.status, 2);
    EXPECT_NEAR(near.value, 2 / 0.999999, 1e-9);
}

TEST(ThreePointSlope, ParabolaAndOutOfOrderPoints)
{
    using P = ko::CSlopePoint;
    // y = x^2 through 0, 1, 3: slopes 0, 2, 6.
    const double slopes[] = {0, 2, 6};
    for (int pos : {0, 1, 2}) {
        auto s = ko::ThreePointSlope(P{0, 0}, P{1, 1}, P{3, 9}, pos);
        EXPECT_NEAR(s.value, slopes[pos], 1e-14);
        EXPECT_EQ(s.status, 0);
    }
    // Middle point outside: a blend of the two chords (r = 2/3).
    auto mid = ko::ThreePointSlope(P{0, 0}, P{2, 4}, P{1, 1}, 1);
    EXPECT_NEAR(mid.value, (1.0 / 3) * 2 + (2.0 / 3) * 3, 1e-14);
    EXPECT_EQ(mid.status, 3);
    EXPECT_EQ(ko::ThreePointSlope(P{0, 0}, P{2, 4}, P{1, 1}, 0).status, 1);
    EXPECT_EQ(ko::ThreePointSlope(P{0, 0}, P{2, 4}, P{1, 1}, 2).status, 2);
}

TEST(EndSlope, FallsBackToTheParabolaNearDoubledPoints)
{
    using P = ko::CSlopePoint;
    // y = x^3 at 0, 1, 2, 4: the parabola 3x^2 - 2x through the first three has
    // slope -2 at 0 and 4 at 1; the one through 1, 2, 4 has slope 14 at 2.
    // Extrapolated to 0: 4 + (4 - 14) * 1 = -6; combined (2 * -6 + -2) / 3.
    EXPECT_NEAR(ko::EndSlope(P{0, 0}, P{1, 1}, P{2, 8}, P{4, 64}), -14.0 / 3, 1e-12);
    // A doubled x among the last three gives the plain parabola slope.
    EXPECT_NEAR(ko::EndSlope(P{0, 0}, P{1, 1}, P{2, 8}, P{2, 64}), -2.0, 1e-12);
}

TEST(XYDerivative, ClampsHugeSlopes)
{
    const auto d = ko::XYDerivative(std::vector<double>{0, 0, 0, 1, 2}, std::vector<double>{0, 1, 2, 3, 4}, 2.0);
    ASSERT_TRUE(d);
    EXPECT_EQ((*d)[1], 1e38);
    for (double v : *d) EXPECT_LE(std::fabs(v), 1e38);
    const auto nan = ko::XYDerivative(std::vector<double>{0, 1, 2, 3}, std::vector<double>{0, std::nan(""), 2, 3}, 1.0);
    ASSERT_TRUE(nan);
    EXPECT_EQ((*nan)[0], 1e38);
}

}  // namespace
