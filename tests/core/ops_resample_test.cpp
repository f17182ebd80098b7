// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "core/signal.h"
#include "tests/core/ops_test_signal.h"

namespace {

using ko::test::SampledSignal;
using ko::test::Tabulate;
using ko::test::XYSignal;

void ExpectFailure(ko::CNSignal& s, double dt, const std::string& text)
{
    const auto x = s.GetX();
    const auto y = s.GetY();
    const int nfp = s.GetNFP(), nlp = s.GetNLP();
    const double del = s.GetDEL();
    try {
        s.Resample(dt);
        ADD_FAILURE() << "no failure, expected " << text;
    } catch (const std::logic_error& e) {
        EXPECT_EQ(e.what(), text);
    }
    EXPECT_EQ(s.GetX(), x);
    EXPECT_EQ(s.GetY(), y);
    EXPECT_EQ(s.GetNFP(), nfp);
    EXPECT_EQ(s.GetNLP(), nlp);
    EXPECT_EQ(s.GetDEL(), del);
}

TEST(Resample, CoarserStepInterpolates)
{
    auto s = SampledSignal(0.001, 0, Tabulate(10, [](double i) { return 0.001 * i; }));
    EXPECT_TRUE(s->Resample(0.0025));
    EXPECT_EQ(s->GetNFP(), 0);
    EXPECT_EQ(s->GetNLP(), 3);
    EXPECT_EQ(s->GetDEL(), 0.0025);
    ASSERT_EQ(s->GetY().size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_NEAR(s->GetX()[i], 0.0025 * i, 1e-15);
        EXPECT_NEAR(s->GetY()[i], 0.0025 * i, 1e-15);
    }
    EXPECT_TRUE(s->IsModified());
    EXPECT_EQ(s->GetPointCount(), 4);
}

TEST(Resample, FirstIndexIsTruncatedTowardZero)
{
    auto s = XYSignal({-0.00049, 0.00051, 0.00151, 0.00251}, {1, 2, 3, 4});
    s->Resample(0.001);
    EXPECT_EQ(s->GetNFP(), 0);
    EXPECT_EQ(s->GetNLP(), 2);
    EXPECT_NEAR(s->GetY()[0], 1.49, 1e-12);
}

TEST(Resample, SameStepIsTheIdentityAlsoBeforeTimeZero)
{
    for (int nfp : {-100, 0, 5}) {
        const auto y = Tabulate(1000, [](double i) { return std::sin(0.01 * i) * 40 + i; });
        auto s = SampledSignal(0.0001, nfp, y);
        s->Resample(0.0001);
        EXPECT_EQ(s->GetNFP(), nfp);
        EXPECT_EQ(s->GetNLP(), nfp + 999);
        ASSERT_EQ(s->GetY().size(), y.size());
        for (std::size_t i = 0; i < y.size(); ++i) ASSERT_NEAR(s->GetY()[i], y[i], 1e-9) << nfp << " " << i;
    }
}

TEST(Resample, HalvingTheRateKeepsEveryOtherSample)
{
    const auto y = Tabulate(1000, [](double i) { return i * i; });
    auto s = SampledSignal(0.0001, -100, y);
    s->Resample(0.0002);
    EXPECT_EQ(s->GetNFP(), -50);
    EXPECT_EQ(s->GetNLP(), 449);
    for (std::size_t k = 0; k < s->GetY().size(); ++k) ASSERT_NEAR(s->GetY()[k], y[2 * k], 1e-6) << k;
}

TEST(Resample, ExtrapolatesFromTheEndPairs)
{
    // y = 3x: a time before the first sample follows the first two samples.
    auto s = XYSignal({0.3, 0.5, 0.7}, {0.9, 1.5, 2.1});
    s->Resample(0.25);
    EXPECT_EQ(s->GetNFP(), 1);
    EXPECT_NEAR(s->GetY()[0], 0.75, 1e-12);
    // After the last sample: along the last two.
    auto t = XYSignal({0, 1, 2, 2.995}, {0, 1, 4, 5});
    t->Resample(1.0);
    EXPECT_EQ(t->GetNLP(), 3);
    EXPECT_NEAR(t->GetY()[3], 4 + 1.0 / 0.995, 1e-12);
}

TEST(Resample, EqualNeighboursInsideArePassed)
{
    auto s = XYSignal({0, 1, 1, 2}, {0, 0, 1, 1});
    s->Resample(0.5);
    EXPECT_EQ(s->GetY(), (std::vector<double>{0, 0, 0, 1, 1}));
}

TEST(Resample, Failures)
{
    auto s = SampledSignal(0.001, 0, {1, 2, 3, 4});
    ExpectFailure(*s, 0.0, "Requested Time step <= 0");
    ExpectFailure(*s, -1.0, "Requested Time step <= 0");
    ExpectFailure(*s, std::nan(""), "Requested Time step <= 0");
    ko::CNSignal empty;
    ExpectFailure(empty, 0.001, "Not enough data points");
    auto back = XYSignal({0, 2, 1, 3}, {1, 2, 3, 4});
    ExpectFailure(*back, 0.5, "X axis data is not monotonically increasing");
}

TEST(Resample, UnusableDataReportInterpolationFailure)
{
    const std::string text = "Error Interpolating Data";
    // A vertical pair at the start leaves no line for a time before it.
    auto doubled = XYSignal({0.3, 0.3, 1}, {1, 2, 3});
    ExpectFailure(*doubled, 0.25, text);
    auto single = SampledSignal(0.001, 1, {5});
    ExpectFailure(*single, 0.001, text);
    // The header claims more points than the data hold.
    auto claims = SampledSignal(0.001, 0, {1, 2, 3, 4});
    claims->SetNLP(50);
    ExpectFailure(*claims, 0.002, text);
    // A new index range beyond 32 bits.
    auto huge = XYSignal({0, 1e6}, {0, 1});
    ExpectFailure(*huge, 1e-6, text);
}

TEST(Resample, EmptyNewRangeFailsBeforeChangingTheSignal)
{
    auto s = XYSignal({0, 0.1, 0.2}, {1, 2, 3});
    s->SetNFP(-1);
    s->SetNLP(1);
    ExpectFailure(*s, 1.0, "No Y Signal Data");
}

}  // namespace
