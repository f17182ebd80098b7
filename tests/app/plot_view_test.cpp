// SPDX-License-Identifier: GPL-3.0-or-later
// The plot view draws the current signals from their own values: the picture,
// the ranges and the crosshair are those of a graph of the document's padded
// plot arrays.
#include "app/plot_view.h"

#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <limits>
#include <tuple>

#include "app/chart_crosshair.h"
#include "app/chart_widget.h"
#include "app/velder_doc.h"
#include "core/signal.h"
#include "document/document.h"
#include "qt_test_app.h"
#include "tests/core/ops_test_signal.h"

using namespace kores;
using ko::test::Tabulate;

namespace {

// Signals of several lengths: dense and sparse, with missing and non-finite
// values, one whose X is shorter than its Y and one with unordered X.
ko::CSignalList MixedSignals()
{
    auto wave = ko::test::SampledSignal(
        1e-4, 0, Tabulate(40000, [](double i) { return 30.0 * std::sin(i * 0.003) + std::sin(i * 0.9); }));
    auto gaps = ko::test::SampledSignal(1e-4, 100, Tabulate(25000, [](double i) { return i * 1e-3 - 5.0; }));
    gaps->YValues()[10] = ko::kNullData;
    gaps->YValues()[2000] = std::numeric_limits<double>::quiet_NaN();
    gaps->XValues()[3000] = std::numeric_limits<double>::infinity();
    auto shortX = ko::test::SampledSignal(2e-4, 0, Tabulate(300, [](double i) { return -20.0 + i * 0.1; }));
    shortX->XValues().resize(200);
    auto unordered = ko::test::XYSignal({0.0, 2.0, 1.0, 3.0}, {4.0, -4.0, 8.0, 0.0});
    return {wave, gaps, shortX, unordered};
}

QList<QCPAbstractPlottable*> Subsets(const CChartWidget& chart)
{
    QList<QCPAbstractPlottable*> subsets;
    for (int i = 0; i < chart.SubsetCount(); ++i) subsets.append(chart.Subset(i));
    return subsets;
}

CChartInput PlotArraysInput(const ko::CDocument& document)
{
    const ko::CPlotArrays& arrays = document.GetPlotArrays();
    const ko::CPlotTitles& titles = document.GetPlotTitles();
    CChartInput input;
    if (!arrays.x.empty() && !arrays.y.empty())
        input.subsets = PaddedSubsets(arrays.x, arrays.y, arrays.subsetCount, arrays.pointCount);
    input.nullValue = ko::kNullData;
    input.mainTitle = QString::fromStdString(titles.main);
    input.subtitle = QString::fromStdString(titles.subtitle);
    input.yAxisTitle = QString::fromStdString(titles.yAxis);
    input.xAxisTitle = QString::fromStdString(titles.xAxis);
    return input;
}

class PlotViewTest : public ::testing::Test {
protected:
    void Show(const ko::CSignalList& signals)
    {
        view.resize(900, 700);
        view.show();
        QApplication::processEvents();
        doc.Model().SetCurrentSignals(signals);
        doc.UpdateAllViews(CVelderDoc::kHintSignals);
        QApplication::processEvents();
        reference.resize(view.Chart().size());
        reference.show();
        reference.ShowGraph(PlotArraysInput(doc.Model()));
        QApplication::processEvents();
        ASSERT_FALSE(view.Chart().size().isEmpty());
    }

    // Both graphs drawn with the view's key range.
    void ExpectSamePicture(const QCPRange& keys, const char* what)
    {
        for (CChartWidget* chart : {&view.Chart(), &reference}) {
            chart->xAxis->setRange(keys);
            chart->replot();
        }
        const QSize size = view.Chart().size();
        const QImage image = view.Chart().toPixmap(size.width(), size.height()).toImage();
        ASSERT_FALSE(image.isNull()) << what;
        EXPECT_EQ(image, reference.toPixmap(size.width(), size.height()).toImage()) << what;
    }

    QApplication& app = TestApp();
    CVelderDoc doc;
    CPlotView view{doc};
    CChartWidget reference;
};

TEST_F(PlotViewTest, DrawsTheSignalsAsTheirPaddedPlotArrays)
{
    Show(MixedSignals());
    ASSERT_EQ(view.Chart().SubsetCount(), 4);
    ASSERT_EQ(reference.SubsetCount(), 4);
    EXPECT_EQ(view.Chart().FullKeyRange(), reference.FullKeyRange());
    EXPECT_EQ(view.Chart().FullValueRange(), reference.FullValueRange());
    EXPECT_NE(qobject_cast<QCPCurve*>(view.Chart().Subset(3)), nullptr);
    ExpectSamePicture(view.Chart().FullKeyRange(), "full view");
    ExpectSamePicture(QCPRange(0.1, 0.9), "dense zoom");
    ExpectSamePicture(QCPRange(0.0395, 0.0405), "sparse zoom");
    ExpectSamePicture(QCPRange(0.2099, 0.2112), "around the missing points");
    for (const QPointF at : {QPointF(300, 200), QPointF(120, 450), QPointF(700, 330)}) {
        const auto nearest = FindNearestPoint(Subsets(view.Chart()), at);
        const auto expected = FindNearestPoint(Subsets(reference), at);
        ASSERT_TRUE(nearest && expected);
        EXPECT_EQ(std::tuple(nearest->subset, nearest->x, nearest->y),
                  std::tuple(expected->subset, expected->x, expected->y))
            << at.x() << ", " << at.y();
    }
}

TEST_F(PlotViewTest, SignalsWithoutPointsShowAnEmptyGraph)
{
    auto empty = std::make_shared<ko::CNSignal>();
    Show({empty, empty});
    EXPECT_TRUE(view.Chart().HasGraph());
    EXPECT_EQ(view.Chart().SubsetCount(), 0);
    EXPECT_EQ(reference.SubsetCount(), 0);
}

}  // namespace
