// SPDX-License-Identifier: GPL-3.0-or-later
// Replacing a signal's data, the point list and the derived values.
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "core/signal.h"
#include "tests/core/ops_test_signal.h"

namespace ko::test {
namespace {

TEST(SignalSetData, SetYGeneratesXFromDelAndNfp)
{
    const auto signal = SampledSignal(0.0001, -100, Ramp(1000));  // NLP 899
    const CNSignal& s = *signal;
    ASSERT_EQ(s.GetX().size(), 1000u);
    EXPECT_DOUBLE_EQ(s.GetX().front(), -0.01);
    EXPECT_DOUBLE_EQ(s.GetX()[100], 0.0);
    EXPECT_DOUBLE_EQ(s.GetX().back(), 0.0899);
    EXPECT_TRUE(s.GetZ().empty());  // all zero
    EXPECT_EQ(s.GetPointCount(), 1000);
    EXPECT_DOUBLE_EQ(s.GetStartTime(), -0.01);
    EXPECT_DOUBLE_EQ(s.GetEndTime(), 0.0899);
    EXPECT_DOUBLE_EQ(s.GetYMax(), 999.0);
    EXPECT_DOUBLE_EQ(s.GetXMin(), -0.01);

    CNSignal t;
    t.SetDEL(0.0001);
    t.SetNFP(-100);
    t.SetNLP(900);
    EXPECT_EQ(FailureOf([&] { t.SetY(Ramp(1000)); }), "X and Y Counts are different");
    EXPECT_EQ(t.GetX().size(), 1001u);  // the generated x stays
}

TEST(SignalSetData, MissingDataMessages)
{
    CNSignal s;
    EXPECT_EQ(FailureOf([&] { s.SetY(Ramp(3)); }), "No x signal data and delt is zero.");
    s.SetDEL(0.001);
    EXPECT_EQ(FailureOf([&] { s.SetY(Ramp(3)); }),
              "No x signal data, NFP and NLP are zero.\nSet x signal data or set NFP and NLP");
    EXPECT_EQ(FailureOf([&] { s.SetData({}, {}, {}); }), "No X, Y or Z Siganl Data.");
    EXPECT_EQ(FailureOf([&] { s.SetXY({}, {}); }), "No X or Y Signal Data");
    EXPECT_EQ(FailureOf([&] { s.SetY({}); }), "No Y Signal Data");
    EXPECT_EQ(FailureOf([&] { s.SetData({1, 2}, {}, {}); }), "No Y Signal Data");
}

TEST(SignalSetData, ExistingXAndZAreKeptOnlyWhenTheyFit)
{
    CNSignal s;
    s.SetXY({0.5, 1.5, 2.5}, {1, 2, 3});
    s.SetY({4, 5, 6});
    EXPECT_EQ(s.GetX(), (Values{0.5, 1.5, 2.5}));
    EXPECT_EQ(s.GetY(), (Values{4, 5, 6}));
    EXPECT_EQ(FailureOf([&] { s.SetY({1, 2}); }), "x != y signal data");
    // An empty y over an existing one fails after replacing it.
    EXPECT_EQ(FailureOf([&] { s.SetXY({0, 1, 2}, {}); }), "x != y signal data");
    EXPECT_TRUE(s.GetY().empty());

    s.SetData({0, 1}, {2, 3}, {7, 8});
    s.SetXY({0, 1}, {4, 5});
    EXPECT_EQ(s.GetZ(), (Values{7, 8}));  // same length: kept
    s.SetXY({0, 1, 2}, {4, 5, 6});
    EXPECT_TRUE(s.GetZ().empty());  // all zero
    EXPECT_EQ(FailureOf([&] { s.SetData({0, 1}, {1, 2}, {1}); }), "x != y != z signal data");
    EXPECT_DOUBLE_EQ(s.GetZMin(), 0.0);
}

TEST(SignalPoints, SetPointsReplacesDataAndGetPointsBuildsTheList)
{
    CNSignal s;
    s.SetXY({9}, {9});
    EXPECT_EQ(FailureOf([&] { s.SetPoints({}); }), "No Information.");
    EXPECT_EQ(s.GetY(), Values{9});
    s.SetPoints(
        {std::make_shared<CPoint<double>>(0.0, 3.0, 1.0), std::make_shared<CPoint<double>>(1.0, -2.0, 5.0)});
    EXPECT_EQ(s.GetX(), (Values{0, 1}));
    EXPECT_EQ(s.GetY(), (Values{3, -2}));
    EXPECT_EQ(s.GetZ(), (Values{1, 5}));
    EXPECT_DOUBLE_EQ(s.GetYMin(), -2.0);
    EXPECT_DOUBLE_EQ(s.GetZMax(), 5.0);

    CNSignal t;
    t.SetData({0, 1}, {2, 3}, {4, 5});
    EXPECT_TRUE(t.GetPointList().empty());
    const CPointList points = t.GetPoints();
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(std::tuple(points[1]->x, points[1]->y, points[1]->z), std::tuple(1.0, 3.0, 5.0));
    EXPECT_TRUE(points[1]->label.empty());
    EXPECT_EQ(t.GetPointList(), points);
}

// A 2-D signal holds no z: an all-zero z given in any way is dropped, any
// other z (a -0 too) is kept, and the point list still reads zeros.
TEST(SignalPoints, AllZeroZIsNotHeld)
{
    const auto zeros = [] {
        return CPointList{std::make_shared<CPoint<double>>(0.0, 3.0, 0.0),
                          std::make_shared<CPoint<double>>(1.0, -2.0, 0.0)};
    };
    CNSignal s;
    s.SetPoints(zeros());
    EXPECT_TRUE(s.GetZ().empty());
    EXPECT_EQ(std::pair(s.GetZMin(), s.GetZMax()), std::pair(0.0, 0.0));
    const CPointList points = s.GetPoints();
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(std::tuple(points[1]->x, points[1]->y, points[1]->z), std::tuple(1.0, -2.0, 0.0));

    s.SetData({0, 1}, {2, 3}, {0, 0});
    EXPECT_TRUE(s.GetZ().empty());
    s.TakeData({0, 1}, {2, 3}, {0, -0.0});
    ASSERT_EQ(s.GetZ().size(), 2u);
    EXPECT_TRUE(std::signbit(s.GetZ()[1]));
    s.TakeData({0, 1}, {2, 3}, {0, 0}, {1, 0}, {3, 2});
    EXPECT_TRUE(s.GetZ().empty());
    s.SetData({0, 1}, {2, 3}, {0, 4});
    EXPECT_EQ(s.GetZ(), (Values{0, 4}));
    EXPECT_DOUBLE_EQ(s.GetZMax(), 4.0);
    s.SetNFP(0);
    s.SetNLP(1);
    ASSERT_TRUE(s.TruncateIndex(0, 1));
    EXPECT_TRUE(s.GetZ().empty());  // a truncated signal has z all zero
    EXPECT_EQ(s.GetZMax(), 0.0);
}

TEST(SignalDerived, RefreshCountOverTheWholeIntRange)
{
    const struct {
        int nfp, nlp, count;
    } rows[] = {{5, 3, 0}, {7, 7, 1}, {0, 0, 0}, {-2147483647 - 1, 2147483647, 2147483647}};
    CNSignal s;
    for (const auto& row : rows) {
        s.SetNFP(row.nfp);
        s.SetNLP(row.nlp);
        s.RefreshCount();
        EXPECT_EQ(s.GetPointCount(), row.count) << row.nfp << " " << row.nlp;
    }
}

TEST(SignalDerived, ExtremesOverBlocksAndTailAndFirstPeaks)
{
    CNSignal s;
    s.SetXY({0, 1, 2, 3, 4, 5, 6}, {3, -1, 4, 1, -5, 9, 2});
    EXPECT_EQ(std::pair(s.GetYMin(), s.GetYMax()), std::pair(-5.0, 9.0));
    s.SetXY(Ramp(9), {1, 9, 1, -7, 1, 2, 3, 0, 1});
    EXPECT_EQ(std::pair(s.GetYMin(), s.GetYMax()), std::pair(-7.0, 9.0));
    EXPECT_EQ(std::pair(s.GetXMin(), s.GetXMax()), std::pair(0.0, 8.0));

    CNSignal p;
    double x = 0, y = 0;
    EXPECT_FALSE(p.MaxPeak(x, y) || p.MinPeak(x, y));
    p.SetXY({0.001, 0.002, 0.003, 0.004}, {1, 5, 5, -3});
    ASSERT_TRUE(p.MaxPeak(x, y));
    EXPECT_DOUBLE_EQ(x, 2.0);  // milliseconds, first occurrence
    EXPECT_DOUBLE_EQ(y, 5.0);
    ASSERT_TRUE(p.MinPeak(x, y));
    EXPECT_DOUBLE_EQ(x, 4.0);
    EXPECT_DOUBLE_EQ(y, -3.0);
    p.SetXUNITS("MILLISECONDS");
    ASSERT_TRUE(p.MaxPeak(x, y));
    EXPECT_DOUBLE_EQ(x, 0.002);
}

TEST(SignalCopy, AssignCopiesHeaderDataAndWarningsButNotPointList)
{
    auto source = std::make_shared<CNSignal>();
    source->SetXY({0, 1}, {2, 3});
    source->SetTITLE("SLED");
    source->SetDEL(0.25);
    source->SetCLIP3M(12.5);
    source->SetStatus("am");
    source->SetChannelClass(60);
    source->SetFallbackName("Plus 1 Sigma");
    source->AddWarning("BWFILT tail length < 10 ms, does not satisfy SAE J211 reccomendation");
    CNSignal copy;
    copy.AddWarning("old");
    copy.SetXY({5}, {5});
    const CPointList before = copy.GetPoints();
    copy.Assign(source);
    EXPECT_EQ(std::tuple(copy.GetTITLE(), copy.GetDEL(), copy.GetCLIP3M(), copy.GetStatus(),
                         copy.GetChannelClass(), copy.GetFallbackName()),
              std::tuple("SLED", 0.25, 12.5, "AS MEASURED", 60, "Plus 1 Sigma"));
    EXPECT_EQ(copy.GetY(), source->GetY());
    EXPECT_EQ(copy.GetWarnings(), source->GetWarnings());
    EXPECT_EQ(copy.GetPointList(), before);
}

}  // namespace
}  // namespace ko::test
