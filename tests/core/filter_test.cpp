// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/filter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

#include "core/ops_butterworth.h"
#include "core/signal.h"
#include "tests/core/ops_test_signal.h"

namespace ko::test {
namespace {

using Strings = std::vector<std::string>;

const char* const kTailWarning = "BWFILT tail length < 10 ms, does not satisfy SAE J211 reccomendation";
const char* const kSeconds = "Time must be in seconds";
const char* const kOverlapWarning = "WARNING - Filter causes overlap distortion with previous filtering";

Values Filtered(Values y, double t, double f)
{
    ko::ButterworthInPlace(y, t, f);
    return y;
}

double Wave(double k)
{
    return std::sin(0.3 * k) + 0.1 * k;
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

    Values y{y0, y1, y2};
    const auto run = ko::ButterworthInPlace(y, 0.001, 100.0);
    EXPECT_TRUE(run.filtered && run.tailShortened);
    EXPECT_EQ(run.tail, 1u);
    EXPECT_DOUBLE_EQ(y[0], g0);
    EXPECT_DOUBLE_EQ(y[1], g1);
    EXPECT_DOUBLE_EQ(y[2], g2);
}

TEST(ButterworthKernel, MatchesScipyOverFullAndShortenedTails)
{
    // Made with /usr/bin/python3: the reflected sequences built from the tail rule,
    // run through scipy.signal.lfilter with initial state from lfiltic (a
    // transposed-form filter, so agreement is to rounding, not bit for bit).
    Values y{0, 0, 1, 3, 2, -1, 0.5, 4, 4, 2, 0, -2};
    auto run = ko::ButterworthInPlace(y, 0.001, 100.0);
    EXPECT_EQ(run.tail, 10u);
    EXPECT_FALSE(run.tailShortened);
    ExpectNear(y,
               {-0.0043086420842887441, 0.57996963936852919, 1.077469904365022, 1.353626115295457,
                1.4018866817512843, 1.4746297609832313, 1.7924209208405368, 2.1646394449020283,
                2.1714270840589784, 1.7118635986846829, 1.1790914159898009, 1.0565407811250185},
               1e-13);

    // 50 values at 10 kHz and 1000 Hz: tail 100 limited to 48.
    y = Tabulate(50, Wave);
    run = ko::ButterworthInPlace(y, 0.0001, 1000.0);
    EXPECT_EQ(run.tail, 48u);
    EXPECT_TRUE(run.tailShortened);
    ExpectNear(Values(y.begin(), y.begin() + 6),
               {-2.4501928264086814e-12, 0.39031022267326249, 0.75468789777150913, 1.0695169549592771,
                1.3156073543735844, 1.4799092757307466},
               1e-12);
    ExpectNear(
        Values(y.begin() + 45, y.end()),
        {5.2480506275620602, 5.4697588171427753, 5.6439490183377838, 5.8132768404637893, 6.0265713148411661},
        1e-12);
}

TEST(ButterworthKernel, ConstantStaysConstant)
{
    for (double f : {10.0, 100.0, 1000.0, 3000.0}) {
        for (std::size_t n : {3u, 7u, 60u, 5000u}) {
            const auto y = Filtered(Values(n, -3.25), 0.0001, f);
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
    Values y{1, 5, 2, 8};
    EXPECT_FALSE(ko::ButterworthInPlace(y, 0.0001, 3876.0).filtered);
    EXPECT_EQ(y, (Values{1, 5, 2, 8}));
    EXPECT_TRUE(ko::ButterworthInPlace(y, 0.0001, 3875.0).filtered);
}

// 1000 samples at 10 kHz from -10 ms, with injury values that filtering voids.
std::shared_ptr<CNSignal> Wavy(int cfc = 1001, double prefil = 1650)
{
    auto s = SampledSignal(0.0001, -100, Tabulate(1000, [](double k) {
                               return std::sin(0.05 * k) + (static_cast<int>(k) % 7 == 0 ? 1.0 : 0.0);
                           }));
    s->SetChannelClass(cfc);  // 1000 as taken from a file with PREFIL 1650, FCUT 0
    s->SetPREFIL(prefil);
    s->SetHIC(700);
    s->SetT1(0.01);
    s->SetT2(0.02);
    s->SetHICDTUP(36);
    s->SetCLIP3M(50);
    s->SetCSI(3);
    return s;
}

std::shared_ptr<CNSignal> Ones(std::size_t n, const std::string& xunits = "")
{
    auto s = SampledSignal(0.0001, 0, Values(n, 1.0));
    if (!xunits.empty()) s->SetXUNITS(xunits);
    return s;
}

Op Classes(std::vector<int> classes)
{
    return [classes](CNSignal& s) {
        for (int cfc : classes) s.FilterClass(cfc);
        return true;
    };
}

TEST(FilterSignal, HeaderClassStatusAndWarnings)
{
    const double f60 = 100.0000000002, f600 = 600 * ko::kClassToFrequency;
    const std::string filtered = "FILTERED", distorted = "DISTORTED";
    const Op distanceInMs = [](CNSignal& s) {
        s.SetXUNITS("MILLISECONDS");
        s.SetXTYPE("DISTANCE");
        return s.Filter(100);
    };
    const struct {
        const char* label;
        std::shared_ptr<CNSignal> s;
        Op op;
        bool changes;
        double fcut;
        int cfc;
        std::string status;
        Strings warnings;
    } rows[] = {
        // clang-format off
        {"class 60", Wavy(), Classes({60}), true, f60, 60, filtered, {}},
        {"class 60, again and 180", Wavy(), Classes({60, 60, 180}), true, f60, 60, filtered, {}},
        {"class 1000 from PREFIL", Wavy(1000), Classes({1000}), false, 0, 1000, "", {}},
        {"then class 600", Wavy(1000), Classes({1000, 600}), true, f600, 600, filtered, {}},
        {"near Nyquist, no PREFIL", Wavy(1001, 0), Filter(4000), false, 4000, 1001, filtered, {}},
        {"near Nyquist, FSTP > 825", Wavy(), Filter(4000), false, 4000, 1001, distorted, {kOverlapWarning}},
        {"400 Hz, FSTP 1000 > 825", Wavy(), Filter(400), true, 400, 1001, distorted, {kOverlapWarning}},
        {"300 Hz, FSTP 750", Ones(200), Filter(300), true, 300, 180, filtered, {}},
        {"class 600 never warns", Ones(200), Filter(1000), true, 1000, 600, filtered, {}},
        {"50 values", SampledSignal(0.0001, 0, Tabulate(50, Wave)), Filter(1000), true, 1000, 600, filtered,
         {kTailWarning}},
        {"distance in ms", Wavy(), distanceInMs, true, 100, 60, filtered,
         {"Data must have X Type TIME", kSeconds}},
        {"SECOND", Ones(20, "SECOND"), Filter(100), true, 100, 60, filtered, {kSeconds, kTailWarning}},
        {"seconds", Ones(20, "seconds"), Filter(100), true, 100, 60, filtered, {kSeconds, kTailWarning}},
        {"SEC", Ones(500, "SEC"), Filter(100), true, 100, 60, filtered, {}},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        CNSignal& s = *row.s;
        const Values raw = s.GetY();
        EXPECT_TRUE(row.op(s));
        EXPECT_EQ(s.GetY(), row.changes ? Filtered(raw, 0.0001, row.fcut) : raw);
        EXPECT_DOUBLE_EQ(s.GetFCUT(), row.fcut);
        EXPECT_DOUBLE_EQ(s.GetFSTP(), 2.5 * row.fcut);
        EXPECT_EQ(s.GetChannelClass(), row.cfc);
        EXPECT_EQ(s.GetStatus(), row.status);
        EXPECT_EQ(s.GetWarnings(), row.warnings);
        if (row.status.empty()) continue;
        EXPECT_TRUE(s.IsModified());
        for (double v : {s.GetHIC(), s.GetT1(), s.GetT2(), s.GetHICDTUP(), s.GetCLIP3M(), s.GetCSI()})
            EXPECT_EQ(v, 0.0);
        EXPECT_DOUBLE_EQ(s.GetYMax(), *std::max_element(s.GetY().begin(), s.GetY().end()));
    }
}

TEST(FilterSignal, FailureLeavesDataAndHeaderButKeepsUnitWarnings)
{
    auto s = Wavy();
    s->SetDEL(0.0);
    s->SetXUNITS("MS");
    ExpectRefused(*s, Filter(100), "Nonpositive time step");
    EXPECT_EQ(s->GetFCUT(), 0.0);
    EXPECT_EQ(s->GetHIC(), 700);
    EXPECT_EQ(s->GetWarnings(), Strings{kSeconds});
}

}  // namespace
}  // namespace ko::test
