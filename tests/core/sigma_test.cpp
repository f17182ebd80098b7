// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/sigma.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "core/signal.h"
#include "tests/core/ops_test_signal.h"

namespace {

using ko::test::SampledSignal;
using Signals = std::vector<std::shared_ptr<ko::CNSignal>>;

TEST(Sigma, PopulationFormOfTwoSignals)
{
    auto a = SampledSignal(0.001, 0, {1, 5, -2});
    auto b = SampledSignal(0.001, 0, {3, 5, 2});
    a->SetFileName("a.uds");
    a->SetYUNITS("G'S");
    const auto band = ko::MeanPlusMinusSigma({a, b});
    EXPECT_EQ(band.plus->GetY(), (std::vector<double>{3, 5, 2}));
    EXPECT_EQ(band.minus->GetY(), (std::vector<double>{1, 5, -2}));
    EXPECT_EQ(band.plus->GetFileName(), "");
    EXPECT_EQ(band.minus->GetFileName(), "");
    EXPECT_EQ(band.plus->GetFallbackName(), "Plus 1 Sigma");
    EXPECT_EQ(band.minus->GetFallbackName(), "Minus 1 Sigma");
    EXPECT_EQ(band.plus->GetYUNITS(), "G'S");
    EXPECT_EQ(band.plus->GetYMax(), 5);
    EXPECT_TRUE(band.plus->IsModified());
    EXPECT_TRUE(band.minus->IsModified());
    EXPECT_EQ(a->GetFileName(), "a.uds");
}

TEST(Sigma, ThreeSignalsDivideByN)
{
    const auto band = ko::MeanPlusMinusSigma(
        {SampledSignal(0.001, 0, {1, 0}), SampledSignal(0.001, 0, {2, 0}), SampledSignal(0.001, 0, {6, 0})});
    const double sigma = std::sqrt(14.0 / 3);  // deviations -2, -1, 3 from the mean 3
    EXPECT_NEAR(band.plus->GetY()[0], 3 + sigma, 1e-14);
    EXPECT_NEAR(band.minus->GetY()[0], 3 - sigma, 1e-14);
    EXPECT_EQ(band.plus->GetY()[1], 0.0);
}

TEST(Sigma, AlignsEverySignalToTheSharedRange)
{
    auto f = SampledSignal(0.001, 0, std::vector<double>(100, 1.0));
    auto a = SampledSignal(0.001, 10, std::vector<double>(90, 2.0));
    auto b = SampledSignal(0.001, 0, std::vector<double>(90, 3.0));
    const Signals all{f, a, b};
    const auto band = ko::MeanPlusMinusSigma(all);
    for (const auto& s : all) {
        EXPECT_EQ(s->GetNFP(), 10);
        EXPECT_EQ(s->GetNLP(), 89);  // a is cut again in the second pass
    }
    EXPECT_EQ(band.plus->GetY().size(), 80u);
    EXPECT_EQ(band.plus->GetNFP(), 10);
    EXPECT_NEAR(band.plus->GetY()[0], 2 + std::sqrt(2.0 / 3), 1e-14);
}

TEST(Sigma, UnalignableLengthsAreRefusedInsteadOfReadPast)
{
    auto f = SampledSignal(0.001, 0, std::vector<double>(10, 1.0));
    auto xy = ko::test::XYSignal({0, 1, 2}, {1, 2, 3});  // DEL 0: Align declines
    try {
        ko::MeanPlusMinusSigma({f, xy});
        FAIL();
    } catch (const std::logic_error& e) {
        EXPECT_STREQ(e.what(), "Signal lengths not the same.  Resample/Tuncate.");
    }
    EXPECT_THROW(ko::MeanPlusMinusSigma({}), std::logic_error);
}

TEST(Sigma, OneSignalHasNoSpread)
{
    auto f = SampledSignal(0.001, 0, {4, 5});
    const auto band = ko::MeanPlusMinusSigma({f});
    EXPECT_EQ(band.plus->GetY(), f->GetY());
    EXPECT_EQ(band.minus->GetY(), f->GetY());
}

}  // namespace
