// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <stdexcept>

#include "core/signal.h"
#include "tests/core/ops_test_signal.h"

namespace {

using ko::test::FailureOf;
using ko::test::SampledSignal;
using ko::test::Tabulate;
using ko::test::XYSignal;

// x = 0, 1, ..., 9 with DEL 1 and NFP 0; y = 10 x.
std::shared_ptr<ko::CNSignal> Ten()
{
    return SampledSignal(1.0, 0, Tabulate(10, [](double i) { return 10 * i; }));
}

TEST(Truncate, KeepsTheIntervalAndNumbersFromTheFirstKeptPoint)
{
    auto s = Ten();
    s->ZValues().assign(10, 7.0);
    EXPECT_TRUE(s->Truncate(2, 5));
    EXPECT_EQ(s->GetX(), (std::vector<double>{2, 3, 4}));
    EXPECT_EQ(s->GetY(), (std::vector<double>{20, 30, 40}));
    EXPECT_EQ(s->GetZ(), (std::vector<double>{0, 0, 0}));
    EXPECT_EQ(s->GetNFP(), 2);
    EXPECT_EQ(s->GetNLP(), 4);
    EXPECT_EQ(s->GetPointCount(), 3);
    EXPECT_EQ(s->GetStartTime(), 2);
    EXPECT_EQ(s->GetEndTime(), 4);
    EXPECT_EQ(s->GetYMax(), 40);
    EXPECT_EQ(s->GetStatus(), "TRUNCATED");
    EXPECT_TRUE(s->IsModified());
}

TEST(Truncate, NeverKeepsTheLastSample)
{
    auto s = Ten();
    s->Truncate(2, 100);
    EXPECT_EQ(s->GetX(), (std::vector<double>{2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(s->GetNLP(), 8);
}

TEST(Truncate, OffGridStartKeepsHeaderAndXInStep)
{
    // Numbering from trunc(1.5) would claim the data start at x = 1.
    auto s = Ten();
    s->Truncate(1.5, 5);
    EXPECT_EQ(s->GetX(), (std::vector<double>{2, 3, 4}));
    EXPECT_EQ(s->GetNFP(), 2);
    EXPECT_EQ(s->GetNLP(), 4);

    // 0.003 / 0.001 rounds below 3; the first kept point is still index 3.
    auto t = SampledSignal(0.001, -10, std::vector<double>(40, 1.0));
    t->Truncate(0.003, 0.01);
    EXPECT_EQ(t->GetNFP(), 3);
    EXPECT_EQ(t->GetNLP(), 9);
    const auto kept = t->GetX();
    t->GenerateX();
    for (std::size_t i = 0; i < kept.size(); ++i) EXPECT_NEAR(t->GetX()[i], kept[i], 1e-15);
}

TEST(Truncate, NegativeStartAndExplicitX)
{
    auto s = SampledSignal(1.0, -10, Tabulate(100, [](double i) { return i; }));
    s->Truncate(-3, 2);
    EXPECT_EQ(s->GetNFP(), -3);
    EXPECT_EQ(s->GetNLP(), 1);
    EXPECT_EQ(s->GetY(), (std::vector<double>{7, 8, 9, 10, 11}));

    auto xy = XYSignal({0.1, 0.4, 0.45, 0.9, 1.3}, {1, 2, 3, 4, 5});
    xy->Truncate(0.4, 1.0);
    EXPECT_EQ(xy->GetX(), (std::vector<double>{0.4, 0.45, 0.9}));
    EXPECT_EQ(xy->GetNFP(), 0);
    EXPECT_EQ(xy->GetNLP(), 2);
}

TEST(Truncate, Messages)
{
    auto s = Ten();
    EXPECT_EQ(FailureOf([&] { s->Truncate(2, 2); }), "Stop time (2) is before or equals Start Time (2)");
    EXPECT_EQ(FailureOf([&] { s->Truncate(0.0015, 0.0001); }),
              "Stop time (0.0001) is before or equals Start Time (0.0015)");
    EXPECT_EQ(FailureOf([&] { s->Truncate(1234567.0, -2.5); }),
              "Stop time (-2.5) is before or equals Start Time (1.23457e+06)");
}

TEST(Truncate, KeepingNothingFailsAndLeavesTheSignal)
{
    auto s = Ten();
    EXPECT_EQ(FailureOf([&] { s->Truncate(20, 30); }), "No X or Y Signal Data");
    EXPECT_EQ(FailureOf([&] { s->Truncate(9, 30); }), "No X or Y Signal Data");
    EXPECT_EQ(s->GetNFP(), 0);
    EXPECT_EQ(s->GetNLP(), 9);
    EXPECT_EQ(s->GetY().size(), 10u);
    EXPECT_FALSE(s->IsModified());
}

TEST(TruncateIndex, KeepsBothEnds)
{
    auto s = SampledSignal(0.001, -10, Tabulate(100, [](double i) { return i; }));
    s->ZValues().assign(100, 1.0);
    EXPECT_TRUE(s->TruncateIndex(0, 89));
    EXPECT_EQ(s->GetY().size(), 90u);
    EXPECT_EQ(s->GetY().front(), 10);
    EXPECT_EQ(s->GetY().back(), 99);
    EXPECT_DOUBLE_EQ(s->GetX().front(), 0.0);
    EXPECT_EQ(s->GetZ(), std::vector<double>(90, 0.0));
    EXPECT_EQ(s->GetNFP(), 0);
    EXPECT_EQ(s->GetNLP(), 89);
    EXPECT_EQ(s->GetPointCount(), 90);
    EXPECT_EQ(s->GetStatus(), "TRUNCATED");
    EXPECT_TRUE(s->IsModified());
}

TEST(TruncateIndex, RefusesRangesOutsideTheData)
{
    auto s = SampledSignal(0.001, -10, Tabulate(100, [](double i) { return i; }));
    EXPECT_EQ(FailureOf([&] { s->TruncateIndex(3, 3); }), "Start Index (3)is >= Stop Index (3)");
    EXPECT_EQ(FailureOf([&] { s->TruncateIndex(5, -2); }), "Start Index (5)is >= Stop Index (-2)");
    const std::string outside = "Unable to provide requested stop/start indices";
    EXPECT_EQ(FailureOf([&] { s->TruncateIndex(-20, 0); }), outside);
    EXPECT_EQ(FailureOf([&] { s->TruncateIndex(0, 90); }), outside);
    EXPECT_EQ(FailureOf([&] { s->TruncateIndex(-2147483647 - 1, 2147483647); }), outside);
    // A header claiming more points than the data hold.
    s->SetNLP(200);
    EXPECT_EQ(FailureOf([&] { s->TruncateIndex(0, 150); }), outside);
    EXPECT_EQ(s->GetY().size(), 100u);
    EXPECT_FALSE(s->IsModified());
}

}  // namespace
