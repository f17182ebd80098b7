// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <stdexcept>

#include "core/signal.h"
#include "tests/core/ops_test_signal.h"

namespace {

using ko::test::FailureOf;
using ko::test::SampledSignal;
using ko::test::Tabulate;
using Signals = std::vector<std::shared_ptr<ko::CNSignal>>;

TEST(Average, OfThreeSignals)
{
    Signals in{SampledSignal(0.001, 0, {1, 2, 3}), SampledSignal(0.001, 0, {3, 4, 5}),
               SampledSignal(0.001, 0, {5, 6, 7})};
    in[0]->SetYUNITS("G'S");
    in[0]->SetTSTNO(4711);
    ko::CNSignal avg;
    avg.Average(in);
    EXPECT_EQ(avg.GetY(), (std::vector<double>{3, 4, 5}));
    EXPECT_EQ(avg.GetStatus(), "AVERAGE");
    EXPECT_TRUE(avg.IsModified());
    EXPECT_EQ(avg.GetYMax(), 5);
    EXPECT_EQ(avg.GetYUNITS(), "G'S");
    EXPECT_EQ(avg.GetTSTNO(), 4711);
    EXPECT_EQ(in[0]->GetY(), (std::vector<double>{1, 2, 3}));
}

TEST(Average, OfIdenticalSignalsIsTheSignal)
{
    const auto y = Tabulate(500, [](double i) { return 0.1 * i - 7.3; });
    auto s = SampledSignal(0.0001, -100, y);
    ko::CNSignal avg;
    avg.Average({s, s, s, s, s, s, s});
    for (std::size_t i = 0; i < y.size(); ++i) ASSERT_NEAR(avg.GetY()[i], y[i], 1e-13);
    EXPECT_EQ(avg.GetX(), s->GetX());
    EXPECT_EQ(avg.GetNFP(), -100);
}

TEST(Average, FileNameRule)
{
    auto named = [](const std::string& name) {
        auto s = SampledSignal(0.001, 0, {1, 2});
        s->SetFileName(name);
        s->SetFallbackName("keep");
        ko::CNSignal avg;
        avg.Average({s});
        EXPECT_EQ(avg.GetFallbackName(), "keep");
        return avg.GetFileName();
    };
    EXPECT_EQ(named("c12345_007fa0.uds"), "c123AVG.uds");
    EXPECT_EQ(named("nodot"), "nodot");
    EXPECT_EQ(named(""), "");
    EXPECT_EQ(named("a.b"), "a.AVG.uds");  // p = 1: only the last character goes
}

TEST(Average, FailuresLeaveTheResultAsItWas)
{
    ko::CNSignal avg;
    avg.SetFileName("old.uds");
    EXPECT_EQ(FailureOf([&] { avg.Average({}); }), "Empty Container of Signals.");
    const Signals uneven{SampledSignal(0.001, 0, std::vector<double>(1000, 1.0)),
                         SampledSignal(0.001, 0, std::vector<double>(999, 1.0))};
    EXPECT_EQ(FailureOf([&] { avg.Average(uneven); }), "Signal lengths not the same.  Resample/Tuncate.");
    EXPECT_EQ(FailureOf([&] { avg.Sum(uneven); }), "Signal lengths not the same.  Resample/Tuncate.");
    EXPECT_EQ(FailureOf([&] { avg.Sum({nullptr}); }), "Empty Container of Signals.");
    EXPECT_EQ(avg.GetFileName(), "old.uds");
    EXPECT_TRUE(avg.GetY().empty());
    EXPECT_FALSE(avg.IsModified());
}

TEST(Sum, IndexByIndexWhateverTheAbscissae)
{
    auto a = SampledSignal(0.001, 0, {1, 2, 3});
    auto b = SampledSignal(0.5, -7, {10, 20, 30});
    a->SetFallbackName("first");
    ko::CNSignal sum;
    sum.Sum({a, b});
    EXPECT_EQ(sum.GetY(), (std::vector<double>{11, 22, 33}));
    EXPECT_EQ(sum.GetX(), a->GetX());
    EXPECT_EQ(sum.GetStatus(), "SUM");
    EXPECT_EQ(sum.GetFallbackName(), "first");

    ko::CNSignal single;
    single.Sum({b});
    EXPECT_EQ(single.GetY(), b->GetY());
    EXPECT_EQ(single.GetStatus(), "SUM");
    EXPECT_TRUE(single.IsModified());
}

TEST(Sum, IntoOneOfItsOwnSignals)
{
    auto a = SampledSignal(0.001, 0, {1, 2, 3});
    auto b = SampledSignal(0.001, 0, {1, 1, 1});
    b->Sum({a, b});
    EXPECT_EQ(b->GetY(), (std::vector<double>{2, 3, 4}));
}

TEST(Align, TruncatesBothToTheCommonRange)
{
    auto s = SampledSignal(0.0001, -100, std::vector<double>(1100, 1.0));
    auto other = SampledSignal(0.0001, 0, std::vector<double>(2000, 2.0));
    EXPECT_TRUE(s->Align(other));
    for (const auto& t : {s, other}) {
        EXPECT_EQ(t->GetNFP(), 0);
        EXPECT_EQ(t->GetNLP(), 999);
        EXPECT_EQ(t->GetY().size(), 1000u);
        EXPECT_EQ(t->GetStatus(), "TRUNCATED");
        EXPECT_TRUE(t->IsModified());
    }
}

TEST(Align, ResamplesOnlyThisSignalToTheOthersStep)
{
    auto s = SampledSignal(0.0001, -100, Tabulate(1100, [](double i) { return i; }));
    auto other = SampledSignal(0.00005, 0, std::vector<double>(2000, 2.0));
    EXPECT_TRUE(s->Align(other));
    EXPECT_EQ(s->GetDEL(), 0.00005);
    EXPECT_EQ(other->GetDEL(), 0.00005);
    EXPECT_EQ(s->GetNFP(), 0);
    EXPECT_EQ(s->GetNLP(), 1998);
    EXPECT_EQ(other->GetNLP(), 1998);
    EXPECT_NEAR(s->GetY()[1], 100.5, 1e-9);  // halfway between samples 100 and 101
}

TEST(Align, CloseStepsAreNotResampled)
{
    auto s = SampledSignal(0.0001, 0, std::vector<double>(10, 1.0));
    auto other = SampledSignal(0.000100005, 0, std::vector<double>(10, 1.0));
    EXPECT_TRUE(s->Align(other));
    EXPECT_EQ(s->GetDEL(), 0.0001);
    EXPECT_FALSE(s->IsModified());
    EXPECT_FALSE(other->IsModified());
}

TEST(Align, OtherWithoutTimeStepChangesNothing)
{
    auto s = SampledSignal(0.0001, 0, std::vector<double>(10, 1.0));
    auto other = ko::test::XYSignal({0, 1, 2}, {1, 2, 3});
    EXPECT_FALSE(s->Align(other));
    EXPECT_FALSE(s->Align(nullptr));
    EXPECT_EQ(s->GetY().size(), 10u);
    EXPECT_FALSE(s->IsModified());
}

TEST(Align, DisjointRangesFailWithTheIndexMessage)
{
    auto s = SampledSignal(0.0001, 0, std::vector<double>(10, 1.0));
    auto other = SampledSignal(0.0001, 20, std::vector<double>(10, 1.0));
    EXPECT_EQ(FailureOf([&] { s->Align(other); }), "Start Index (20)is >= Stop Index (9)");
}

}  // namespace
