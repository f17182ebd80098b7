// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/chart_widget.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <limits>
#include <memory>

#include "app/chart_reduced_graph.h"
#include "crash_pulses.h"
#include "qt_test_app.h"

using namespace kores;

namespace {

constexpr double kNull = 2.220446049250313e-16;

class ChartWidgetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        chart.resize(800, 500);
        chart.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&chart));
    }

    // Presses, drags and releases in the data area, as a user does.
    void Drag(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint from, QPoint to)
    {
        QTest::mousePress(&chart, button, modifiers, from);
        QMouseEvent move(QEvent::MouseMove, QPointF(to), chart.mapToGlobal(QPointF(to)), Qt::NoButton, button,
                         modifiers);
        QApplication::sendEvent(&chart, &move);
        QTest::mouseRelease(&chart, button, modifiers, to);
    }

    void Hover(QPointF at)
    {
        QMouseEvent move(QEvent::MouseMove, at, chart.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(&chart, &move);
    }

    // Shows subset-major arrays as the document hands them over.
    void Show(unsigned subsets, unsigned points, const std::vector<double>& x, const std::vector<double>& y,
              const QString& labels = {})
    {
        CChartInput input;
        input.subsets = PaddedSubsets(x, y, subsets, points);
        input.subtitle = labels;
        chart.ShowGraph(input);
    }

    QPoint Pixel(double x, double y) const
    {
        return QPoint(int(chart.xAxis->coordToPixel(x)), int(chart.yAxis->coordToPixel(y)));
    }

    QApplication& app = TestApp();  // before any widget
    CChartWidget chart;
};

TEST_F(ChartWidgetTest, OneCurvePerSubsetWithoutNullPoints)
{
    // Two subsets of 3 and 5 points: the first padded with the null-data value,
    // and a null-data Y inside the second.
    const std::vector<double> x = {0, 1, 2, kNull, kNull, 0, 1, 2, 3, 4};
    const std::vector<double> y = {5, 6, 7, kNull, kNull, 1, kNull, 3, 4, 5};
    Show(2, 5, x, y, "first.uds\tsecond.uds\t");
    ASSERT_EQ(chart.SubsetCount(), 2);
    const auto* first = qobject_cast<CReducedGraph*>(chart.Subset(0));
    const auto* second = qobject_cast<CReducedGraph*>(chart.Subset(1));
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->Keys().size(), 3u);
    ASSERT_EQ(second->Keys().size(), 4u);
    EXPECT_EQ(second->Keys()[1], 2.0);
    EXPECT_EQ(second->Values()[1], 3.0);
    EXPECT_DOUBLE_EQ(chart.FullKeyRange().lower, 0.0);
    EXPECT_DOUBLE_EQ(chart.FullKeyRange().upper, 4.0);
}

TEST_F(ChartWidgetTest, SeveralSubsetsShowLegendLabelsAndNoTitles)
{
    const CPulseArrays pulses = CrashPulses(3, 400);
    CChartInput input = pulses.Input("G'S", "SECONDS");
    input.mainTitle = "ignored";
    input.subtitle = "a.uds\tPlus 1 Sigma\tCurve Number: 3\t";
    chart.ShowGraph(input);
    ASSERT_EQ(chart.legend->itemCount(), 3);
    EXPECT_TRUE(chart.legend->visible());
    EXPECT_EQ(chart.Subset(0)->name(), "a.uds");
    EXPECT_EQ(chart.Subset(1)->name(), "Plus 1 Sigma");
    EXPECT_EQ(chart.Subset(2)->name(), "Curve Number: 3");
    EXPECT_EQ(chart.MainTitle(), "");
    EXPECT_EQ(chart.Subtitle(), "");
    EXPECT_EQ(chart.yAxis->label(), "G'S");
    EXPECT_EQ(chart.xAxis->label(), "SECONDS");
}

TEST_F(ChartWidgetTest, OneSubsetShowsTitlesWithoutLegend)
{
    const CPulseArrays pulses = CrashPulses(1, 400);
    CChartInput input = pulses.Input("ACCELERATION - G'S", "TIME - SECONDS");
    input.mainTitle = "Test: 11200 - Curve Number: 101 - HEAD";
    input.subtitle = "Ymin -30.000 @ 40.00, Ymax 2.345 @ 1.20";
    chart.ShowGraph(input);
    EXPECT_EQ(chart.MainTitle(), input.mainTitle);
    EXPECT_EQ(chart.Subtitle(), input.subtitle);
    EXPECT_FALSE(chart.legend->visible());
}

TEST_F(ChartWidgetTest, ShortArraysAreReadOnlyAsFarAsTheyGo)
{
    const std::vector<double> x = {0, 1, 2, 3};
    const std::vector<double> y = {1, 2};
    Show(3, 2, x, y);
    ASSERT_EQ(chart.SubsetCount(), 3);
    EXPECT_EQ(qobject_cast<CReducedGraph*>(chart.Subset(0))->Keys().size(), 2u);
    EXPECT_EQ(qobject_cast<CReducedGraph*>(chart.Subset(1))->Keys().size(), 0u);
    EXPECT_EQ(qobject_cast<CReducedGraph*>(chart.Subset(2))->Keys().size(), 0u);
}

// A subset with an owner and every point present is drawn from its own
// values; one with a missing point, or without an owner, from a copy without
// the missing points, which the crosshair never lands on.
TEST_F(ChartWidgetTest, OwnedSubsetsAreReadInPlaceOthersCopiedWithoutMissingPoints)
{
    auto whole = std::make_shared<std::vector<double>>(std::vector<double>{0, 1, 2, 3});
    auto gappy = std::make_shared<std::vector<double>>(
        std::vector<double>{10, kNull, 30, std::numeric_limits<double>::quiet_NaN()});
    CChartInput input;
    input.subsets = {{*whole, *whole, whole}, {*whole, *gappy, gappy}, {*whole, *whole, nullptr}};
    input.subtitle = "whole\tgappy\tcopied\t";
    chart.ShowGraph(input);
    ASSERT_EQ(chart.SubsetCount(), 3);
    const auto* inPlace = qobject_cast<CReducedGraph*>(chart.Subset(0));
    const auto* gaps = qobject_cast<CReducedGraph*>(chart.Subset(1));
    const auto* copied = qobject_cast<CReducedGraph*>(chart.Subset(2));
    ASSERT_TRUE(inPlace && gaps && copied);
    EXPECT_EQ(inPlace->Keys().data(), whole->data());
    EXPECT_EQ(gaps->Keys().size(), 2u);
    EXPECT_EQ(gaps->Values()[1], 30.0);
    EXPECT_NE(copied->Keys().data(), whole->data());
    EXPECT_EQ(std::vector<double>(copied->Values().begin(), copied->Values().end()), *whole);

    input.subsets = {input.subsets[1]};
    chart.ShowGraph(input);
    chart.yAxis->setRange(0, 40);
    chart.replot();
    QSignalSpy moved(&chart, &CChartWidget::CrosshairMoved);
    Hover(QPointF(Pixel(1.0, 0.0)));  // on the missing point (1, null)
    ASSERT_EQ(moved.count(), 1);
    EXPECT_DOUBLE_EQ(moved.at(0).at(2).toDouble(), 0.0);
    EXPECT_DOUBLE_EQ(moved.at(0).at(3).toDouble(), 10.0);
}

TEST_F(ChartWidgetTest, UnorderedXKeepsThePointOrder)
{
    const std::vector<double> x = {0, 2, 1, 3};
    const std::vector<double> y = {0, 1, 2, 3};
    Show(1, 4, x, y);
    const auto* curve = qobject_cast<QCPCurve*>(chart.Subset(0));
    ASSERT_NE(curve, nullptr);
    ASSERT_EQ(curve->data()->size(), 4);
    EXPECT_EQ(curve->data()->at(1)->key, 2.0);
    EXPECT_EQ(curve->data()->at(2)->key, 1.0);
}

TEST_F(ChartWidgetTest, ZoomsAndResetRestoresTheFullRange)
{
    const CPulseArrays pulses = CrashPulses(2, 1000);
    chart.ShowGraph(pulses.Input());
    const QCPRange keys = chart.xAxis->range();
    const QCPRange values = chart.yAxis->range();
    EXPECT_EQ(keys, chart.FullKeyRange());
    EXPECT_EQ(values, chart.FullValueRange());

    Drag(Qt::LeftButton, {}, Pixel(0.02, -10), Pixel(0.04, -20));  // rubber band
    EXPECT_NEAR(chart.xAxis->range().lower, 0.02, 0.001);
    EXPECT_NEAR(chart.xAxis->range().upper, 0.04, 0.001);

    const QPointF centre = chart.axisRect()->center();
    QWheelEvent wheel(centre, chart.mapToGlobal(centre), {}, QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(&chart, &wheel);
    EXPECT_LT(chart.xAxis->range().size(), 0.02);

    QTest::mouseDClick(&chart, Qt::LeftButton, {}, chart.axisRect()->center());
    EXPECT_EQ(chart.xAxis->range(), keys);
    EXPECT_EQ(chart.yAxis->range(), values);
}

TEST_F(ChartWidgetTest, MiddleOrShiftDragPans)
{
    const CPulseArrays pulses = CrashPulses(2, 1000);
    chart.ShowGraph(pulses.Input());
    const QCPRange keys = chart.xAxis->range();
    const QPoint centre = chart.axisRect()->center();
    Drag(Qt::MiddleButton, {}, centre, centre - QPoint(100, 0));
    EXPECT_GT(chart.xAxis->range().lower, keys.lower);
    EXPECT_NEAR(chart.xAxis->range().size(), keys.size(), 1e-12);
    const QCPRange values = chart.yAxis->range();
    Drag(Qt::LeftButton, Qt::ShiftModifier, centre, centre + QPoint(0, 50));
    EXPECT_GT(chart.yAxis->range().lower, values.lower);
    EXPECT_NEAR(chart.yAxis->range().size(), values.size(), 1e-9);
}

TEST_F(ChartWidgetTest, CrosshairReportsTheNearestCurvePoint)
{
    const std::vector<double> x = {0, 1, 2, 0, 1, 2};
    const std::vector<double> y = {0, 0, 0, 10, 10, 10};
    Show(2, 3, x, y, "low\thigh\t");
    QSignalSpy moved(&chart, &CChartWidget::CrosshairMoved);
    QSignalSpy left(&chart, &CChartWidget::CrosshairLeft);
    Hover(QPointF(Pixel(1.2, 8)));
    ASSERT_EQ(moved.count(), 1);
    EXPECT_EQ(moved.at(0).at(0).toInt(), 1);
    EXPECT_EQ(moved.at(0).at(1).toString(), "high");
    EXPECT_DOUBLE_EQ(moved.at(0).at(2).toDouble(), 1.0);
    EXPECT_DOUBLE_EQ(moved.at(0).at(3).toDouble(), 10.0);
    Hover(QPointF(Pixel(1.9, 1)));
    ASSERT_EQ(moved.count(), 2);
    EXPECT_EQ(moved.at(1).at(0).toInt(), 0);
    EXPECT_DOUBLE_EQ(moved.at(1).at(2).toDouble(), 2.0);
    Hover(QPointF(2, 2));  // outside the data area
    EXPECT_EQ(left.count(), 1);
}

TEST_F(ChartWidgetTest, StyleChangesEveryCurveGridAndLegend)
{
    const CPulseArrays pulses = CrashPulses(3, 200);
    chart.ShowGraph(pulses.Input());
    chart.ApplyStyle({2.5, false, false});
    for (int i = 0; i < chart.SubsetCount(); ++i) {
        EXPECT_DOUBLE_EQ(chart.Subset(i)->pen().widthF(), 2.5);
    }
    EXPECT_FALSE(chart.xAxis->grid()->visible());
    EXPECT_FALSE(chart.legend->visible());
    EXPECT_NE(chart.Subset(0)->pen().color(), chart.Subset(1)->pen().color());
    chart.ApplyStyle({100.0, true, true});
    EXPECT_DOUBLE_EQ(chart.Style().lineWidth, CCustomizeGraphDialog::kMaxLineWidth);
    // A new graph starts from the default style again.
    chart.ShowGraph(pulses.Input());
    EXPECT_EQ(chart.Style(), CGraphStyle{});
}

TEST_F(ChartWidgetTest, WithoutGraphCommandsReportFailure)
{
    EXPECT_FALSE(chart.HasGraph());
    EXPECT_EQ(chart.RunExportDialog(), CChartWidget::EExportResult::Failed);
    EXPECT_EQ(chart.RunCustomizeDialog(), CChartWidget::ECustomizeResult::Failed);
    EXPECT_FALSE(chart.CopyToClipboard());
    EXPECT_FALSE(chart.Print());
    const CPulseArrays pulses = CrashPulses(2, 100);
    chart.ShowGraph(pulses.Input());
    EXPECT_TRUE(chart.HasGraph());
    chart.Clear();
    EXPECT_FALSE(chart.HasGraph());
    EXPECT_EQ(chart.SubsetCount(), 0);
    EXPECT_EQ(chart.plottableCount(), 0);
}

TEST_F(ChartWidgetTest, EmptyInputStillMakesAGraph)
{
    chart.ShowGraph(CChartInput{});
    EXPECT_TRUE(chart.HasGraph());
    EXPECT_EQ(chart.SubsetCount(), 0);
    EXPECT_EQ(chart.xAxis->range(), QCPRange(0, 1));
}

TEST(CustomizeGraphDialog, ShowsAndReturnsTheStyle)
{
    TestApp();
    CCustomizeGraphDialog dialog({3.0, false, true});
    EXPECT_EQ(dialog.Style(), (CGraphStyle{3.0, false, true}));
    dialog.SetStyle({0.5, true, false});
    EXPECT_EQ(dialog.Style(), (CGraphStyle{0.5, true, false}));
}

TEST(SubsetLabels, SplitFromTheTabList)
{
    EXPECT_EQ(SplitSubsetLabels("a\tb\tc\t", 3), QStringList({"a", "b", "c"}));
    EXPECT_EQ(SplitSubsetLabels("a\tb", 2), QStringList({"a", "b"}));
    EXPECT_EQ(SplitSubsetLabels("a\t", 3), QStringList({"a", "", ""}));
    EXPECT_EQ(SplitSubsetLabels("a\tb\tc\t", 2), QStringList({"a", "b"}));
    EXPECT_EQ(SplitSubsetLabels("\t\t", 2), QStringList({"", ""}));
}

}  // namespace
