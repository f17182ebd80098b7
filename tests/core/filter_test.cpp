// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/filter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <stdexcept>

#include "core/ops_butterworth.h"
#include "core/signal.h"
#include "tests/core/ops_test_signal.h"

namespace {

using ko::test::SampledSignal;
using ko::test::Tabulate;

const char* const kTailWarning = "BWFILT tail length < 10 ms, does not satisfy SAE J211 reccomendation";
const char* const kOverlapWarning = "WARNING - Filter causes overlap distortion with previous filtering";

std::vector<double> Filtered(std::vector<double> y, double t, double f)
{
    ko::ButterworthInPlace(y, t, f);
    return y;
}

TEST(ButterworthKernel, CoefficientsMatchTheSectionFormula)
{
    // T 0.001 s, F 100 Hz, from the closed form in Python; scipy's butter(2, 0.2493)
    // gives the same values to the 8 digits that its own 2*pi allows.
    const auto c = ko::ButterworthCoefficients(0.001, 100.0);
    EXPECT_NEAR(c.a0, 0.09718462509781467, 1e-16);
    EXPECT_DOUBLE_EQ(c.a1, 2 * c.a0);
    EXPECT_DOUBLE_EQ(c.a2, c.a0);
    EXPECT_NEAR(c.b1, 0.94557401018720666, 1e-15);
    EXPECT_NEAR(c.b2, -0.33431251057846534, 1e-15);
}

TEST(ButterworthKernel, TailLengthFollowsPeriodBelow100HzAnd10msAbove)
{
    EXPECT_EQ(ko::ButterworthTailLength(0.0001, 1000 * ko::kClassToFrequency), 100u);
    EXPECT_EQ(ko::ButterworthTailLength(0.0001, 50.0), 200u);
    EXPECT_EQ(ko::ButterworthTailLength(1.0, 1000.0), 1u);  // at least one sample
    // A tiny frequency saturates instead of overflowing the integer.
    EXPECT_GT(ko::ButterworthTailLength(1e-9, 1e-300), 1'000'000'000u);
}

TEST(ButterworthKernel, ThreeValuesMatchTheDifferenceEquationWrittenOut)
{
    // n = 3 limits the tail to nt = 1: no reflected run, start values from y[0], y[1].
    const auto c = ko::ButterworthCoefficients(0.001, 100.0);
    const double y0 = 1, y1 = 4, y2 = 2;
    double s = 2 * y0, start = s - y1;
    const double f0 = c.a0 * y0 + c.a1 * (s - y0) + c.a2 * (s - y1) + c.b1 * start + c.b2 * start;
    const double f1 = c.a0 * y1 + c.a1 * y0 + c.a2 * (s - y0) + c.b1 * f0 + c.b2 * start;
    const double f2 = c.a0 * y2 + c.a1 * y1 + c.a2 * y0 + c.b1 * f1 + c.b2 * f0;
    s = 2 * f2;
    start = s - f1;
    const double g2 = c.a0 * f2 + c.a1 * (s - f0) + c.a2 * (s - f1) + c.b1 * start + c.b2 * start;
    const double g1 = c.a0 * f1 + c.a1 * f2 + c.a2 * (s - f0) + c.b1 * g2 + c.b2 * start;
    const double g0 = c.a0 * f0 + c.a1 * f1 + c.a2 * f2 + c.b1 * g1 + c.b2 * g2;

    std::vector<double> y{y0, y1, y2};
    const auto run = ko::ButterworthInPlace(y, 0.001, 100.0);
    EXPECT_TRUE(run.filtered);
    EXPECT_TRUE(run.tailShortened);
    EXPECT_EQ(run.tail, 1u);
    EXPECT_DOUBLE_EQ(y[0], g0);
    EXPECT_DOUBLE_EQ(y[1], g1);
    EXPECT_DOUBLE_EQ(y[2], g2);
}

TEST(ButterworthKernel, MatchesScipyOverReflectedTails)
{
    // Made with /usr/bin/python3: the reflected sequences built from the tail rule,
    // run through scipy.signal.lfilter with initial state from lfiltic (a
    // transposed-form filter, so agreement is to rounding, not bit for bit).
    const std::vector<double> expected{
        -0.0043086420842887441, 0.57996963936852919, 1.077469904365022, 1.353626115295457,
        1.4018866817512843,     1.4746297609832313,  1.7924209208405368, 2.1646394449020283,
        2.1714270840589784,     1.7118635986846829,  1.1790914159898009, 1.0565407811250185};
    std::vector<double> y{0, 0, 1, 3, 2, -1, 0.5, 4, 4, 2, 0, -2};
    const auto run = ko::ButterworthInPlace(y, 0.001, 100.0);
    EXPECT_EQ(run.tail, 10u);
    EXPECT_FALSE(run.tailShortened);
    for (std::size_t i = 0; i < y.size(); ++i) EXPECT_NEAR(y[i], expected[i], 1e-13) << i;
}

TEST(ButterworthKernel, ShortenedTailMatchesScipy)
{
    // 50 values at 10 kHz and 1000 Hz: tail 100 limited to 48; same method as above.
    const std::vector<double> expected{-2.4501928264086814e-12, 0.39031022267326249, 0.75468789777150913,
                                       1.0695169549592771,      1.3156073543735844,  1.4799092757307466};
    const std::vector<double> expectedEnd{5.2480506275620602, 5.4697588171427753, 5.6439490183377838,
                                          5.8132768404637893, 6.0265713148411661};
    std::vector<double> y = Tabulate(50, [](double k) { return std::sin(0.3 * k) + 0.1 * k; });
    const auto run = ko::ButterworthInPlace(y, 0.0001, 1000.0);
    EXPECT_EQ(run.tail, 48u);
    EXPECT_TRUE(run.tailShortened);
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_NEAR(y[i], expected[i], 1e-12) << i;
    for (std::size_t i = 0; i < expectedEnd.size(); ++i) EXPECT_NEAR(y[45 + i], expectedEnd[i], 1e-12) << i;
}

TEST(ButterworthKernel, ConstantStaysConstant)
{
    for (double f : {10.0, 100.0, 1000.0, 3000.0}) {
        for (std::size_t n : {3u, 7u, 60u, 5000u}) {
            const auto y = Filtered(std::vector<double>(n, -3.25), 0.0001, f);
            // Low cut-offs amplify the rounding of the coefficients' DC gain.
            for (double v : y) ASSERT_NEAR(v, -3.25, 1e-10) << f << " " << n;
        }
    }
}

TEST(ButterworthKernel, SineIsScaledByTheClosedFormGainAndKeepsItsPhase)
{
    // Two passes of the bilinear section: gain 1 / (1 + (tan(pi f T) / wa)^4).
    const double t = 1e-4, fc = 100.0;
    const double wa = std::tan(6.2831853 * 1.2465 * fc * t / 2);
    for (double f : {50.0, 100.0, 200.0}) {
        const double gain = 1 / (1 + std::pow(std::tan(std::numbers::pi * f * t) / wa, 4));
        auto wave = [&](double k) { return std::sin(2 * std::numbers::pi * f * k * t); };
        const auto y = Filtered(Tabulate(20000, wave), t, fc);
        for (std::size_t k = 5000; k < 15000; k += 37) ASSERT_NEAR(y[k], gain * wave(k), 1e-9) << f;
    }
    EXPECT_NEAR(1 / (1 + std::pow(std::tan(std::numbers::pi * fc * t) / wa, 4)), std::sqrt(0.5), 1e-3);
}

TEST(ButterworthKernel, AboveTheNyquistMarginLeavesValues)
{
    std::vector<double> y{1, 5, 2, 8};
    const auto run = ko::ButterworthInPlace(y, 0.0001, 3876.0);
    EXPECT_FALSE(run.filtered);
    EXPECT_EQ(y, (std::vector<double>{1, 5, 2, 8}));
    EXPECT_TRUE(ko::ButterworthInPlace(y, 0.0001, 3875.0).filtered);
}

TEST(ButterworthKernel, RefusesBadInputWithoutTouchingValues)
{
    auto fails = [](std::vector<double> y, double t, double f, const std::string& text) {
        const auto before = y;
        try {
            ko::ButterworthInPlace(y, t, f);
            ADD_FAILURE() << "no failure for " << text;
        } catch (const std::logic_error& e) {
            EXPECT_EQ(e.what(), text);
        }
        EXPECT_EQ(y, before);
    };
    fails({}, 0.001, 100, "Nonpositive number of Data Points");
    fails({1, 2, 3}, 0.0, 100, "Nonpositive time step");
    fails({1, 2, 3}, std::nan(""), 100, "Nonpositive time step");
    fails({1, 2, 3}, 0.001, -1, "Nonpositive Cutoff Frequency");
    fails({1, 2, 3}, 0.001, std::nan(""), "Nonpositive Cutoff Frequency");
    fails({7}, 0.001, 100, "Too few data points to filter (at least 3 are needed)");
    fails({7, 8}, 0.001, 5000, "Too few data points to filter (at least 3 are needed)");
}

class FilterSignal : public ::testing::Test {
protected:
    std::shared_ptr<ko::CNSignal> s = SampledSignal(0.0001, -100, Tabulate(1000, [](double k) {
        return std::sin(0.05 * k) + (static_cast<int>(k) % 7 == 0 ? 1.0 : 0.0);
    }));
    void SetUp() override
    {
        s->SetHIC(700);
        s->SetT1(0.01);
        s->SetT2(0.02);
        s->SetHICDTUP(36);
        s->SetCLIP3M(50);
        s->SetCSI(3);
    }
};

TEST_F(FilterSignal, Class60FiltersAt100HzAndRecordsIt)
{
    const auto raw = s->GetY();
    EXPECT_TRUE(s->FilterClass(60));
    EXPECT_EQ(s->GetY(), Filtered(raw, 0.0001, 60 * 1.66666666667));
    EXPECT_DOUBLE_EQ(s->GetFCUT(), 100.0000000002);
    EXPECT_DOUBLE_EQ(s->GetFSTP(), 2.5 * 100.0000000002);
    EXPECT_EQ(s->GetChannelClass(), 60);
    EXPECT_EQ(s->GetStatus(), "FILTERED");
    EXPECT_TRUE(s->IsModified());
    EXPECT_TRUE(s->GetWarnings().empty());
    for (double v : {s->GetHIC(), s->GetT1(), s->GetT2(), s->GetHICDTUP(), s->GetCLIP3M(), s->GetCSI()})
        EXPECT_EQ(v, 0.0);
    EXPECT_DOUBLE_EQ(s->GetYMax(), *std::max_element(s->GetY().begin(), s->GetY().end()));

    const auto once = s->GetY();
    s->FilterClass(60);
    s->FilterClass(180);
    EXPECT_EQ(s->GetY(), once);
    EXPECT_DOUBLE_EQ(s->GetFCUT(), 100.0000000002);
}

TEST_F(FilterSignal, UnknownClassIsRefused)
{
    const auto raw = s->GetY();
    try {
        s->FilterClass(100);
        FAIL();
    } catch (const std::logic_error& e) {
        EXPECT_STREQ(e.what(), "BWfilt: Frequency Channel Class is not specified in SAE J211");
    }
    EXPECT_EQ(s->GetY(), raw);
}

TEST_F(FilterSignal, Class1000FromPrefilIsNotFilteredAgain)
{
    s->SetChannelClass(1000);  // as taken from a file with PREFIL 1650, FCUT 0
    const auto raw = s->GetY();
    s->FilterClass(1000);
    EXPECT_EQ(s->GetY(), raw);
    EXPECT_EQ(s->GetStatus(), "");
    s->FilterClass(600);
    EXPECT_DOUBLE_EQ(s->GetFCUT(), 600 * 1.66666666667);
    EXPECT_EQ(s->GetChannelClass(), 600);
}

TEST_F(FilterSignal, NearNyquistKeepsValuesButRecordsTheFiltering)
{
    const auto raw = s->GetY();
    s->SetPREFIL(0.0);  // no earlier filtering to overlap
    s->Filter(4000);
    EXPECT_EQ(s->GetY(), raw);
    EXPECT_EQ(s->GetFCUT(), 4000);
    EXPECT_EQ(s->GetFSTP(), 10000);
    EXPECT_EQ(s->GetHIC(), 0.0);
    EXPECT_EQ(s->GetStatus(), "FILTERED");
    EXPECT_TRUE(s->GetWarnings().empty());

    auto t = SampledSignal(0.0001, 0, raw);  // PREFIL 1650: FSTP 10000 > 825
    t->Filter(4000);
    EXPECT_EQ(t->GetY(), raw);
    EXPECT_EQ(t->GetStatus(), "DISTORTED");
}

TEST_F(FilterSignal, OverlapDistortionDependsOnClassAndPrefil)
{
    s->Filter(400);  // FSTP 1000 > 0.5 * 1650, class stays 1001
    EXPECT_EQ(s->GetStatus(), "DISTORTED");
    EXPECT_EQ(s->GetWarnings(), std::vector<std::string>{kOverlapWarning});
    EXPECT_EQ(s->GetChannelClass(), 1001);

    auto t = SampledSignal(0.0001, 0, std::vector<double>(200, 1.0));
    t->Filter(300);  // class 180, FSTP 750
    EXPECT_EQ(t->GetStatus(), "FILTERED");
    EXPECT_EQ(t->GetChannelClass(), 180);
    EXPECT_TRUE(t->GetWarnings().empty());

    auto u = SampledSignal(0.0001, 0, std::vector<double>(200, 1.0));
    u->Filter(1000);  // class 600 never warns
    EXPECT_EQ(u->GetChannelClass(), 600);
    EXPECT_EQ(u->GetStatus(), "FILTERED");
}

TEST_F(FilterSignal, ShortSignalGetsTheTailWarningOnce)
{
    auto t = SampledSignal(0.0001, 0, Tabulate(50, [](double k) { return std::sin(0.3 * k) + 0.1 * k; }));
    t->Filter(1000);
    EXPECT_EQ(t->GetWarnings(), std::vector<std::string>{kTailWarning});
    EXPECT_NEAR(t->GetY()[49], 6.0265713148411661, 1e-12);  // the scipy reference above
}

TEST_F(FilterSignal, UnitWarningsDoNotStopTheFilter)
{
    s->SetXUNITS("MILLISECONDS");
    s->SetXTYPE("DISTANCE");
    const auto raw = s->GetY();
    s->Filter(100);
    EXPECT_EQ(s->GetWarnings(), (std::vector<std::string>{"Data must have X Type TIME", "Time must be in seconds"}));
    EXPECT_NE(s->GetY(), raw);

    for (const char* units : {"SECOND", "seconds"}) {
        auto t = SampledSignal(0.0001, 0, std::vector<double>(20, 1.0));
        t->SetXUNITS(units);
        t->Filter(100);
        EXPECT_EQ(t->GetWarnings().front(), "Time must be in seconds") << units;
    }
    auto sec = SampledSignal(0.0001, 0, std::vector<double>(500, 1.0));
    sec->SetXUNITS("SEC");
    sec->Filter(100);
    EXPECT_TRUE(sec->GetWarnings().empty());
}

TEST_F(FilterSignal, FailureLeavesDataAndHeaderButKeepsUnitWarnings)
{
    s->SetDEL(0.0);
    s->SetXUNITS("MS");
    const auto raw = s->GetY();
    EXPECT_THROW(s->Filter(100), std::logic_error);
    EXPECT_EQ(s->GetY(), raw);
    EXPECT_EQ(s->GetFCUT(), 0.0);
    EXPECT_EQ(s->GetHIC(), 700);
    EXPECT_EQ(s->GetStatus(), "");
    EXPECT_FALSE(s->IsModified());
    EXPECT_EQ(s->GetWarnings(), std::vector<std::string>{"Time must be in seconds"});
}

}  // namespace
