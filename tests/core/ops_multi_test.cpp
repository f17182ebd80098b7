// SPDX-License-Identifier: GPL-3.0-or-later
// Operations over several signals: Average, Sum, Align and the sigma band.
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "core/alignment.h"
#include "core/failure.h"
#include "core/sigma.h"
#include "core/signal.h"
#include "tests/core/ops_test_signal.h"

namespace ko::test {
namespace {

using Signals = std::vector<std::shared_ptr<CNSignal>>;

TEST(Average, OfThreeSignalsWithTheFirstOnesHeaderAndAbscissae)
{
    Signals in{SampledSignal(0.001, -1, {1, 2, 3}), SampledSignal(0.001, -1, {3, 4, 5}),
               SampledSignal(0.001, -1, {5, 6, 7})};
    in[0]->SetYUNITS("G'S");
    in[0]->SetTSTNO(4711);
    CNSignal avg;
    avg.Average(in);
    EXPECT_EQ(avg.GetY(), (Values{3, 4, 5}));
    EXPECT_EQ(std::tuple(avg.GetX(), avg.GetNFP(), avg.GetYUNITS(), avg.GetTSTNO()),
              std::tuple(in[0]->GetX(), -1, "G'S", 4711));
    EXPECT_EQ(avg.GetStatus(), "AVERAGE");
    EXPECT_TRUE(avg.IsModified());
    EXPECT_EQ(avg.GetYMax(), 5);
    EXPECT_EQ(in[0]->GetY(), (Values{1, 2, 3}));
}

TEST(Average, FileNameRule)
{
    // p = 1 in "a.b": only the last character goes.
    const std::pair<const char*, const char*> rows[] = {
        {"c12345_007fa0.uds", "c123AVG.uds"}, {"nodot", "nodot"}, {"", ""}, {"a.b", "a.AVG.uds"}};
    for (const auto& [name, expected] : rows) {
        auto s = SampledSignal(0.001, 0, {1, 2});
        s->SetFileName(name);
        s->SetFallbackName("keep");
        CNSignal avg;
        avg.Average({s});
        EXPECT_EQ(avg.GetFileName(), expected) << name;
        EXPECT_EQ(avg.GetFallbackName(), "keep");
    }
}

TEST(Sum, IndexByIndexWhateverTheAbscissaeAlsoIntoAnInput)
{
    auto a = SampledSignal(0.001, 0, {1, 2, 3});
    auto b = SampledSignal(0.5, -7, {10, 20, 30});
    a->SetFallbackName("first");
    CNSignal sum;
    sum.Sum({a, b});
    EXPECT_EQ(sum.GetY(), (Values{11, 22, 33}));
    EXPECT_EQ(sum.GetX(), a->GetX());
    EXPECT_EQ(sum.GetStatus(), "SUM");
    EXPECT_EQ(sum.GetFallbackName(), "first");

    CNSignal single;
    single.Sum({b});
    EXPECT_EQ(single.GetY(), b->GetY());
    EXPECT_EQ(single.GetStatus(), "SUM");
    EXPECT_TRUE(single.IsModified());

    auto c = SampledSignal(0.001, 0, {1, 1, 1});
    c->Sum({a, c});
    EXPECT_EQ(c->GetY(), (Values{2, 3, 4}));
}

// NFP, NLP, DEL and the number of values.
std::tuple<int, int, double, std::size_t> Range(const std::shared_ptr<CNSignal>& s)
{
    return {s->GetNFP(), s->GetNLP(), s->GetDEL(), s->GetY().size()};
}

TEST(Align, TruncatesBothToTheCommonRange)
{
    auto s = SampledSignal(0.0001, -100, Values(1100, 1.0));
    auto other = SampledSignal(0.0001, 0, Values(2000, 2.0));
    EXPECT_TRUE(s->Align(other));
    for (const auto& t : {s, other}) {
        EXPECT_EQ(Range(t), std::tuple(0, 999, 0.0001, 1000u));
        EXPECT_EQ(t->GetStatus(), "TRUNCATED");
        EXPECT_TRUE(t->IsModified());
    }
}

TEST(Align, ResamplesOnlyThisSignalToTheOthersStep)
{
    auto s = SampledSignal(0.0001, -100, Ramp(1100));
    auto other = SampledSignal(0.00005, 0, Values(2000, 2.0));
    EXPECT_TRUE(s->Align(other));
    EXPECT_EQ(Range(s), std::tuple(0, 1998, 0.00005, 1999u));
    EXPECT_EQ(Range(other), std::tuple(0, 1998, 0.00005, 1999u));
    EXPECT_NEAR(s->GetY()[1], 100.5, 1e-9);  // halfway between samples 100 and 101
}

TEST(Align, CloseStepsOrNoStepChangeNothing)
{
    auto s = SampledSignal(0.0001, 0, Values(10, 1.0));
    auto close = SampledSignal(0.000100005, 0, Values(10, 1.0));
    EXPECT_TRUE(s->Align(close));
    EXPECT_EQ(s->GetDEL(), 0.0001);
    EXPECT_FALSE(close->IsModified());
    EXPECT_FALSE(s->Align(XYSignal({0, 1, 2}, {1, 2, 3})));
    EXPECT_FALSE(s->Align(nullptr));
    EXPECT_EQ(s->GetY().size(), 10u);
    EXPECT_FALSE(s->IsModified());
}

// AlignsUnchanged, which lets callers skip copying before aligning, holds
// exactly when Align leaves both signals as they are.
TEST(Align, AlignsUnchangedExactlyWhenAlignChangesNothing)
{
    const auto base = [] { return SampledSignal(0.001, -1, {1, 2, 3, 4}); };
    const std::pair<const char*, std::shared_ptr<CNSignal>> others[] = {
        {"same time base", base()},
        {"close step", SampledSignal(0.00100001, -1, {5, 6, 7, 8})},
        {"no step", XYSignal({0, 1, 2}, {1, 2, 3})},
        {"other first index", SampledSignal(0.001, 0, {5, 6, 7, 8})},
        {"shorter", SampledSignal(0.001, -1, {5, 6, 7})},
        {"other step", SampledSignal(0.002, -1, {5, 6, 7, 8})}};
    for (const auto& [label, other] : others) {
        const auto s = base();
        const CNSignal before = *s, otherBefore = *other;
        const bool unchanged = AlignsUnchanged(*s, *other);
        s->Align(other);
        const auto same = [](const CNSignal& a, const CNSignal& b) {
            return std::tuple(a.GetX(), a.GetY(), a.GetNFP(), a.GetNLP(), a.GetDEL()) ==
                   std::tuple(b.GetX(), b.GetY(), b.GetNFP(), b.GetNLP(), b.GetDEL());
        };
        EXPECT_EQ(unchanged, same(*s, before) && same(*other, otherBefore)) << label;
    }
}

TEST(Sigma, PopulationFormOfTwoSignals)
{
    auto a = SampledSignal(0.001, 0, {1, 5, -2});
    auto b = SampledSignal(0.001, 0, {3, 5, 2});
    a->SetFileName("a.uds");
    a->SetYUNITS("G'S");
    const auto band = ko::MeanPlusMinusSigma({a, b});
    EXPECT_EQ(band.plus->GetY(), (Values{3, 5, 2}));
    EXPECT_EQ(band.minus->GetY(), (Values{1, 5, -2}));
    EXPECT_EQ(band.plus->GetFallbackName(), "Plus 1 Sigma");
    EXPECT_EQ(band.minus->GetFallbackName(), "Minus 1 Sigma");
    for (const auto& side : {band.plus, band.minus}) {
        EXPECT_EQ(side->GetFileName(), "");
        EXPECT_TRUE(side->IsModified());
    }
    EXPECT_EQ(band.plus->GetYUNITS(), "G'S");
    EXPECT_EQ(band.plus->GetYMax(), 5);
    EXPECT_EQ(a->GetFileName(), "a.uds");
}

TEST(Sigma, ThreeSignalsDivideByNAndOneHasNoSpread)
{
    const auto band = ko::MeanPlusMinusSigma(
        {SampledSignal(0.001, 0, {1, 0}), SampledSignal(0.001, 0, {2, 0}), SampledSignal(0.001, 0, {6, 0})});
    const double sigma = std::sqrt(14.0 / 3);  // deviations -2, -1, 3 from the mean 3
    EXPECT_NEAR(band.plus->GetY()[0], 3 + sigma, 1e-14);
    EXPECT_NEAR(band.minus->GetY()[0], 3 - sigma, 1e-14);
    EXPECT_EQ(band.plus->GetY()[1], 0.0);

    auto f = SampledSignal(0.001, 0, {4, 5});
    const auto one = ko::MeanPlusMinusSigma({f});
    EXPECT_EQ(one.plus->GetY(), f->GetY());
    EXPECT_EQ(one.minus->GetY(), f->GetY());
}

TEST(Sigma, AlignsEverySignalToTheSharedRange)
{
    const Signals all{SampledSignal(0.001, 0, Values(100, 1.0)), SampledSignal(0.001, 10, Values(90, 2.0)),
                      SampledSignal(0.001, 0, Values(90, 3.0))};
    const auto band = ko::MeanPlusMinusSigma(all);
    for (const auto& s : all) EXPECT_EQ(Range(s), std::tuple(10, 89, 0.001, 80u));  // the second is cut twice
    EXPECT_EQ(Range(band.plus), std::tuple(10, 89, 0.001, 80u));
    EXPECT_NEAR(band.plus->GetY()[0], 2 + std::sqrt(2.0 / 3), 1e-14);
}

TEST(Sigma, UnalignableLengthsAreRefusedInsteadOfReadPast)
{
    auto f = SampledSignal(0.001, 0, Values(10, 1.0));
    auto xy = XYSignal({0, 1, 2}, {1, 2, 3});  // DEL 0: Align declines
    EXPECT_EQ(FailureOf([&] {
                  ko::MeanPlusMinusSigma({f, xy});
              }),
              "Signal lengths not the same.  Resample/Tuncate.");
    EXPECT_THROW(ko::MeanPlusMinusSigma({}), ko::CFailure);
}

}  // namespace
}  // namespace ko::test
