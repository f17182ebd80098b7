// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/plot_data.h"

#include <gtest/gtest.h>

#include <numeric>

#include "tests/document/document_fixtures.h"

namespace {

using doc_test::MakeSignal;

std::shared_ptr<ko::CNSignal> Ramp(std::size_t points, double offset)
{
    std::vector<double> x(points), y(points);
    std::iota(x.begin(), x.end(), 0.0);
    std::iota(y.begin(), y.end(), offset);
    return MakeSignal(std::move(x), std::move(y));
}

TEST(PlotArrays, ShorterSignalsArePaddedWithTheNullValue)
{
    const auto arrays = ko::BuildPlotArrays({Ramp(1000, 0.0), Ramp(1500, 5000.0)});
    EXPECT_EQ(arrays.subsetCount, 2u);
    EXPECT_EQ(arrays.pointCount, 1500u);
    ASSERT_EQ(arrays.x.size(), 3000u);
    ASSERT_EQ(arrays.y.size(), 3000u);
    EXPECT_EQ(arrays.y[999], 999.0);
    for (std::size_t i = 1000; i < 1500; ++i) {
        ASSERT_EQ(arrays.x[i], ko::kNullData);
        ASSERT_EQ(arrays.y[i], ko::kNullData);
    }
    EXPECT_EQ(arrays.x[1500], 0.0);
    EXPECT_EQ(arrays.y[1500], 5000.0);
    EXPECT_EQ(arrays.y[2999], 6499.0);
    EXPECT_EQ(ko::kNullData, std::numeric_limits<double>::epsilon());
}

TEST(PlotArrays, NoSignalsGiveNothing)
{
    const auto arrays = ko::BuildPlotArrays({});
    EXPECT_EQ(arrays.subsetCount, 0u);
    EXPECT_EQ(arrays.pointCount, 0u);
    EXPECT_TRUE(arrays.x.empty());
}

TEST(PlotTitles, OneSignalNamesTestCurveAndPeaks)
{
    auto signal = MakeSignal({0.0, 0.001, 0.002, 0.003}, {1.0, -2.5, 7.25, 7.25}, 0, 12);
    signal->SetSENATT("HEAD CG");
    signal->SetYTYPE("ACCELERATION");
    signal->SetYUNITS("G'S");
    signal->SetXTYPE("TIME");
    signal->SetXUNITS("SECONDS");
    auto titles = ko::BuildPlotTitles({signal});
    EXPECT_EQ(titles.main, "Curve Number: 12 - HEAD CG");
    // The first largest value, X in milliseconds.
    EXPECT_EQ(titles.subtitle, "Ymin -2.500 @ 1.00, Ymax 7.250 @ 2.00");
    EXPECT_EQ(titles.yAxis, "ACCELERATION - G'S");
    EXPECT_EQ(titles.xAxis, "TIME - SECONDS");

    signal->SetTSTNO(4021);
    signal->SetXUNITS("MS");
    titles = ko::BuildPlotTitles({signal});
    EXPECT_EQ(titles.main, "Test: 4021 - Curve Number: 12 - HEAD CG");
    EXPECT_EQ(titles.subtitle, "Ymin -2.500 @ 0.00, Ymax 7.250 @ 0.00");  // X kept as it is (rounded)
}

TEST(PlotTitles, OneSignalStandIns)
{
    auto signal = MakeSignal({0.0}, {1.0}, 0, 0);
    signal->SetXTYPE("TIME");
    signal->SetXUNITS("");
    signal->SetYTYPE("");
    signal->SetYUNITS("");
    auto titles = ko::BuildPlotTitles({signal});
    EXPECT_EQ(titles.main, "Current Plot");
    EXPECT_EQ(titles.xAxis, "TIME - Unknown X Units");
    EXPECT_EQ(titles.yAxis, "Unknown Y Type - Unknown Y Units");
    signal->SetYUNITS("NEWTONS");
    signal->SetXTYPE("");
    EXPECT_EQ(ko::BuildPlotTitles({signal}).yAxis, "Unknown Y Type - NEWTONS");
    EXPECT_EQ(ko::BuildPlotTitles({signal}).xAxis, "Unknown X Type - Unknown X Units");

    signal->SetTSTNO(9);
    EXPECT_EQ(ko::BuildPlotTitles({signal}).main, "Test: 9");
    signal->SetCURNO(3);
    signal->SetSENATT(std::string(300, 'S'));
    EXPECT_EQ(ko::BuildPlotTitles({signal}).main.size(), 240u);

    EXPECT_EQ(ko::PeakSubtitle(ko::CNSignal()), "Ymin 0.000 @ 0.00, Ymax 0.000 @ 0.00");
}

TEST(PlotTitles, SeveralSignalsShareOrMixUnitsAndListLabels)
{
    auto a = MakeSignal({0.0}, {1.0}, 1, 1);
    auto b = MakeSignal({0.0}, {1.0}, 1, 2);
    auto c = MakeSignal({0.0}, {1.0}, 1, 3);
    for (const auto& s : {a, b, c}) s->SetYUNITS("NEWTONS");
    auto titles = ko::BuildPlotTitles({a, b, c});
    EXPECT_EQ(titles.main, "");
    EXPECT_EQ(titles.yAxis, "NEWTONS");
    EXPECT_EQ(titles.xAxis, "SECONDS");
    EXPECT_EQ(titles.subtitle, "Curve Number: 1\tCurve Number: 2\tCurve Number: 3\t");

    b->SetYUNITS("NEWTON-METERS");
    c->SetXUNITS("MS");
    a->SetFileName("v01234.uds");
    b->SetFallbackName("Plus 1 Sigma");
    titles = ko::BuildPlotTitles({a, b, c});
    EXPECT_EQ(titles.yAxis, "Mixed Y Axis Units");
    EXPECT_EQ(titles.xAxis, "Mixed X Axis Units");
    EXPECT_EQ(titles.subtitle, "v01234.uds\tPlus 1 Sigma\tCurve Number: 3\t");

    EXPECT_EQ(ko::BuildPlotTitles({}).yAxis, "");
}

}  // namespace
