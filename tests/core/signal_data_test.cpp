// SPDX-License-Identifier: GPL-3.0-or-later
// Replacing a signal's data, the point list and the derived values.
#include <gtest/gtest.h>

#include <stdexcept>

#include "core/signal.h"

namespace {

using ko::CNSignal;

std::string MessageOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const std::logic_error& e) {
        return e.what();
    }
    return "(no exception)";
}

std::vector<double> Ramp(std::size_t n, double start = 0.0)
{
    std::vector<double> v(n);
    for (std::size_t i = 0; i < n; ++i) v[i] = start + static_cast<double>(i);
    return v;
}

TEST(SignalSetData, SetYGeneratesXFromDelAndNfp)
{
    CNSignal s;
    s.SetDEL(0.0001);
    s.SetNFP(-100);
    s.SetNLP(899);
    s.SetY(Ramp(1000));
    ASSERT_EQ(s.GetX().size(), 1000u);
    EXPECT_DOUBLE_EQ(s.GetX().front(), -0.01);
    EXPECT_DOUBLE_EQ(s.GetX()[100], 0.0);
    EXPECT_DOUBLE_EQ(s.GetX().back(), 0.0899);
    EXPECT_EQ(s.GetZ(), std::vector<double>(1000, 0.0));
    EXPECT_EQ(s.GetPointCount(), 1000);
    EXPECT_DOUBLE_EQ(s.GetStartTime(), -0.01);
    EXPECT_DOUBLE_EQ(s.GetEndTime(), 0.0899);
    EXPECT_DOUBLE_EQ(s.GetYMax(), 999.0);
    EXPECT_DOUBLE_EQ(s.GetXMin(), -0.01);
}

TEST(SignalSetData, GeneratedXMustMatchY)
{
    CNSignal s;
    s.SetDEL(0.0001);
    s.SetNFP(-100);
    s.SetNLP(900);
    EXPECT_EQ(MessageOf([&] { s.SetY(Ramp(1000)); }), "X and Y Counts are different");
    EXPECT_EQ(s.GetX().size(), 1001u);  // the generated x stays
}

TEST(SignalSetData, MissingXMessages)
{
    CNSignal s;
    EXPECT_EQ(MessageOf([&] { s.SetY(Ramp(3)); }), "No x signal data and delt is zero.");
    s.SetDEL(0.001);
    EXPECT_EQ(MessageOf([&] { s.SetY(Ramp(3)); }),
              "No x signal data, NFP and NLP are zero.\nSet x signal data or set NFP and NLP");
    EXPECT_EQ(MessageOf([&] { s.SetData({}, {}, {}); }), "No X, Y or Z Siganl Data.");
    EXPECT_EQ(MessageOf([&] { s.SetXY({}, {}); }), "No X or Y Signal Data");
    EXPECT_EQ(MessageOf([&] { s.SetY({}); }), "No Y Signal Data");
    EXPECT_EQ(MessageOf([&] { s.SetData({1, 2}, {}, {}); }), "No Y Signal Data");
}

TEST(SignalSetData, ExistingXIsKeptWhenNoneGiven)
{
    CNSignal s;
    s.SetXY({0.5, 1.5, 2.5}, {1, 2, 3});
    s.SetY({4, 5, 6});
    EXPECT_EQ(s.GetX(), (std::vector<double>{0.5, 1.5, 2.5}));
    EXPECT_EQ(s.GetY(), (std::vector<double>{4, 5, 6}));
    EXPECT_EQ(MessageOf([&] { s.SetY({1, 2}); }), "x != y signal data");
}

TEST(SignalSetData, EmptyYOverExistingYFailsAfterReplacing)
{
    CNSignal s;
    s.SetXY({0, 1, 2}, {1, 2, 3});
    EXPECT_EQ(MessageOf([&] { s.SetXY({0, 1, 2}, {}); }), "x != y signal data");
    EXPECT_TRUE(s.GetY().empty());
}

TEST(SignalSetData, ZRules)
{
    CNSignal s;
    s.SetData({0, 1}, {2, 3}, {7, 8});
    s.SetXY({0, 1}, {4, 5});
    EXPECT_EQ(s.GetZ(), (std::vector<double>{7, 8}));  // same length: kept
    s.SetXY({0, 1, 2}, {4, 5, 6});
    EXPECT_EQ(s.GetZ(), (std::vector<double>{0, 0, 0}));
    EXPECT_EQ(MessageOf([&] { s.SetData({0, 1}, {1, 2}, {1}); }), "x != y != z signal data");
    EXPECT_DOUBLE_EQ(s.GetZMin(), 0.0);
}

TEST(SignalPoints, SetPointsReplacesDataAndRejectsEmptyList)
{
    CNSignal s;
    s.SetXY({9}, {9});
    EXPECT_EQ(MessageOf([&] { s.SetPoints({}); }), "No Information.");
    EXPECT_EQ(s.GetY(), std::vector<double>{9});
    ko::CPointList points{std::make_shared<ko::CPoint<double>>(0.0, 3.0, 1.0),
                          std::make_shared<ko::CPoint<double>>(1.0, -2.0, 5.0)};
    s.SetPoints(points);
    EXPECT_EQ(s.GetX(), (std::vector<double>{0, 1}));
    EXPECT_EQ(s.GetY(), (std::vector<double>{3, -2}));
    EXPECT_EQ(s.GetZ(), (std::vector<double>{1, 5}));
    EXPECT_DOUBLE_EQ(s.GetYMin(), -2.0);
    EXPECT_DOUBLE_EQ(s.GetZMax(), 5.0);
}

TEST(SignalPoints, GetPointsBuildsAndStoresList)
{
    CNSignal s;
    s.SetData({0, 1}, {2, 3}, {4, 5});
    EXPECT_TRUE(s.GetPointList().empty());
    const ko::CPointList points = s.GetPoints();
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(points[1]->x, 1.0);
    EXPECT_EQ(points[1]->y, 3.0);
    EXPECT_EQ(points[1]->z, 5.0);
    EXPECT_TRUE(points[1]->label.empty());
    EXPECT_EQ(s.GetPointList(), points);
}

TEST(SignalDerived, RefreshCount)
{
    CNSignal s;
    s.SetNFP(5);
    s.SetNLP(3);
    s.RefreshCount();
    EXPECT_EQ(s.GetPointCount(), 0);
    s.SetNFP(7);
    s.SetNLP(7);
    s.RefreshCount();
    EXPECT_EQ(s.GetPointCount(), 1);
    s.SetNFP(0);
    s.SetNLP(0);
    s.RefreshCount();
    EXPECT_EQ(s.GetPointCount(), 0);
    s.SetNFP(-2147483647 - 1);
    s.SetNLP(2147483647);
    s.RefreshCount();
    EXPECT_EQ(s.GetPointCount(), 2147483647);
}

TEST(SignalDerived, ExtremesOverBlocksAndTail)
{
    CNSignal s;
    s.SetXY({0, 1, 2, 3, 4, 5, 6}, {3, -1, 4, 1, -5, 9, 2});
    EXPECT_EQ(s.GetYMax(), 9.0);
    EXPECT_EQ(s.GetYMin(), -5.0);
    s.SetXY({0, 1, 2, 3, 4, 5, 6, 7, 8}, {1, 9, 1, -7, 1, 2, 3, 0, 1});
    EXPECT_EQ(s.GetYMax(), 9.0);
    EXPECT_EQ(s.GetYMin(), -7.0);
    EXPECT_EQ(s.GetXMax(), 8.0);
    EXPECT_EQ(s.GetXMin(), 0.0);
}

TEST(SignalDerived, PeaksTakeFirstOccurrenceAndMilliseconds)
{
    CNSignal s;
    double x = 0, y = 0;
    EXPECT_FALSE(s.MaxPeak(x, y));
    EXPECT_FALSE(s.MinPeak(x, y));
    s.SetXY({0.001, 0.002, 0.003, 0.004}, {1, 5, 5, -3});
    ASSERT_TRUE(s.MaxPeak(x, y));
    EXPECT_DOUBLE_EQ(x, 2.0);
    EXPECT_DOUBLE_EQ(y, 5.0);
    ASSERT_TRUE(s.MinPeak(x, y));
    EXPECT_DOUBLE_EQ(x, 4.0);
    EXPECT_DOUBLE_EQ(y, -3.0);
    s.SetXUNITS("MILLISECONDS");
    ASSERT_TRUE(s.MaxPeak(x, y));
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
    const ko::CPointList before = copy.GetPoints();
    copy.Assign(source);
    EXPECT_EQ(copy.GetTITLE(), "SLED");
    EXPECT_EQ(copy.GetDEL(), 0.25);
    EXPECT_EQ(copy.GetCLIP3M(), 12.5);
    EXPECT_EQ(copy.GetStatus(), "AS MEASURED");
    EXPECT_EQ(copy.GetChannelClass(), 60);
    EXPECT_EQ(copy.GetFallbackName(), "Plus 1 Sigma");
    EXPECT_EQ(copy.GetY(), source->GetY());
    EXPECT_EQ(copy.GetWarnings(), source->GetWarnings());
    EXPECT_EQ(copy.GetPointList(), before);
}

}  // namespace
