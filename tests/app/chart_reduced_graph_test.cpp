// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/chart_reduced_graph.h"

#include <gtest/gtest.h>

#include <QTest>
#include <algorithm>
#include <cmath>

#include "qt_test_app.h"

using namespace kores;

namespace {

// Shows what the graph would draw for its whole data.
class CProbeGraph : public CReducedGraph {
public:
    using CReducedGraph::CReducedGraph;

    QVector<QCPGraphData> Line() const
    {
        QVector<QCPGraphData> line;
        FillWindow();
        getOptimizedLineData(&line, data()->constBegin(), data()->constEnd());
        EmptyWindow();
        return line;
    }
    // What a dense view draws, in pixels; empty when it is drawn point by point.
    QPolygonF Pixels() const
    {
        QPolygonF pixels;
        return PixelLine(pixels) ? pixels : QPolygonF();
    }
};

class ReducedGraphTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        plot.resize(800, 400);
        plot.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&plot));
        graph = new CProbeGraph(plot.xAxis, plot.yAxis);
        for (int i = 0; i < kPoints; ++i) {
            points.append(QCPGraphData(i * 1e-4, std::sin(i * 0.37)));
        }
        points[54321].value = 100.0;
        points[77777].value = -50.0;
        graph->SetPoints(points);
        plot.xAxis->setRange(0, (kPoints - 1) * 1e-4);
        plot.yAxis->setRange(-60, 110);
        plot.replot();
    }

    static constexpr int kPoints = 100003;  // not a whole number of blocks
    QApplication& app = TestApp();
    QCustomPlot plot;
    CProbeGraph* graph = nullptr;
    QVector<QCPGraphData> points;
};

TEST_F(ReducedGraphTest, DenseViewKeepsEveryExtremeWithAFewPointsPerColumn)
{
    const QVector<QCPGraphData> line = graph->Line();
    EXPECT_LE(line.size(), 2 * plot.axisRect()->width() + 8);
    const auto [lo, hi] =
        std::minmax_element(line.begin(), line.end(),
                            [](const QCPGraphData& a, const QCPGraphData& b) { return a.value < b.value; });
    EXPECT_EQ(hi->value, 100.0);
    EXPECT_EQ(lo->value, -50.0);
    EXPECT_NEAR(hi->key, 54321e-4, 2 * (kPoints * 1e-4) / plot.axisRect()->width());
    EXPECT_NEAR(lo->key, 77777e-4, 2 * (kPoints * 1e-4) / plot.axisRect()->width());
    EXPECT_TRUE(std::is_sorted(line.begin(), line.end(),
                               [](const QCPGraphData& a, const QCPGraphData& b) { return a.key < b.key; }));
    // The last points, beyond the last whole block, are there too.
    EXPECT_GE(line.last().key,
              plot.axisRect()->axis(QCPAxis::atBottom)->pixelToCoord(plot.axisRect()->right() - 2));
}

TEST_F(ReducedGraphTest, DrawnPixelsAreTheReducedLineAtEveryZoom)
{
    for (const QCPRange range : {QCPRange(0, (kPoints - 1) * 1e-4), QCPRange(5.0, 6.5), QCPRange(5.0, 5.4)}) {
        plot.xAxis->setRange(range);
        plot.replot();
        const QVector<QCPGraphData> line = graph->Line();
        const QPolygonF pixels = graph->Pixels();
        ASSERT_EQ(pixels.size(), line.size()) << range.lower << ".." << range.upper;
        for (qsizetype i = 0; i < line.size(); ++i) {
            EXPECT_NEAR(pixels[i].x(), plot.xAxis->coordToPixel(line[i].key), 1e-6) << i;
            EXPECT_NEAR(pixels[i].y(), plot.yAxis->coordToPixel(line[i].value), 1e-6) << i;
        }
    }
    plot.xAxis->setRange(54300e-4, 54340e-4);
    EXPECT_TRUE(graph->Pixels().isEmpty()) << "a sparse view is drawn point by point";
}

TEST_F(ReducedGraphTest, SparseViewDrawsEveryPoint)
{
    plot.xAxis->setRange(54300e-4, 54340e-4);
    plot.replot();
    EXPECT_EQ(graph->VisiblePoints(), 41);
    const QVector<QCPGraphData> line = graph->Line();
    ASSERT_GE(line.size(), 41);
    EXPECT_TRUE(
        std::any_of(line.begin(), line.end(), [](const QCPGraphData& p) { return p.value == 100.0; }));
    const auto keys = graph->Keys();
    EXPECT_EQ(*(std::lower_bound(keys.begin(), keys.end(), 54300e-4) - 1), line.first().key);
}

TEST_F(ReducedGraphTest, ManyVisiblePointsTogetherSwitchToFastDrawing)
{
    EXPECT_FALSE(graph->DrawsFast());
    for (int i = 0; i < 2; ++i) {
        auto* other = new CReducedGraph(plot.xAxis, plot.yAxis);
        other->SetPoints(points);
    }
    EXPECT_TRUE(graph->DrawsFast());
    plot.xAxis->setRange(0, 1.0);  // a tenth of each
    EXPECT_FALSE(graph->DrawsFast());
}

TEST_F(ReducedGraphTest, DrawingOnTwoThreadsGivesTheSamePicture)
{
    for (int i = 0; i < 11; ++i) {
        auto* other = new CReducedGraph(plot.xAxis, plot.yAxis);
        QVector<QCPGraphData> scaled = points;
        for (QCPGraphData& p : scaled) p.value = p.value * (i + 2) - 5 * i;
        other->SetPoints(scaled);
        other->setPen(QPen(QColor::fromHsv(30 * i, 255, 200), 1.0, i % 2 ? Qt::DashLine : Qt::SolidLine));
    }
    for (const QCPRange range : {QCPRange(0, (kPoints - 1) * 1e-4), QCPRange(2.0, 7.5)}) {
        plot.xAxis->setRange(range);
        plot.replot();
        ASSERT_TRUE(graph->DrawsFast());
        plot.toPixmap();  // the first picture after a replot settles the layout
        CReducedGraph::SetParallelDrawing(false);
        const QImage one = plot.toPixmap().toImage();
        CReducedGraph::SetParallelDrawing(true);
        const QImage two = plot.toPixmap().toImage();
        const QImage again = plot.toPixmap().toImage();
        EXPECT_EQ(one, two) << range.lower;
        EXPECT_EQ(two, again) << "a second picture without a replot draws every graph again";
        // On screen, through the plot's own paint buffers.
        CReducedGraph::SetParallelDrawing(false);
        plot.replot();
        const QImage screenOne = plot.grab().toImage();
        CReducedGraph::SetParallelDrawing(true);
        plot.replot();
        EXPECT_EQ(plot.grab().toImage(), screenOne) << range.lower;
    }
}

TEST_F(ReducedGraphTest, NewPointsReplaceTheOldAndTheirLevels)
{
    points[54321].value = 0.0;
    points.append(QCPGraphData(20.0, 500.0));
    graph->SetPoints(points);
    plot.xAxis->setRange(0, 20.0);
    plot.replot();
    const QVector<QCPGraphData> line = graph->Line();
    EXPECT_FALSE(
        std::any_of(line.begin(), line.end(), [](const QCPGraphData& p) { return p.value == 100.0; }));
    EXPECT_TRUE(
        std::any_of(line.begin(), line.end(), [](const QCPGraphData& p) { return p.value == 500.0; }));
}

// A plain QCPGraph of the same points: what QCustomPlot itself finds.
class PlainGraphTest : public ReducedGraphTest {
protected:
    void SetUp() override
    {
        ReducedGraphTest::SetUp();
        plain = new QCPGraph(plot.xAxis, plot.yAxis);
        plain->data()->set(points, true);
        plain->setVisible(false);
    }

    QCPGraph* plain = nullptr;
};

TEST_F(PlainGraphTest, KeyAndValueRangesAreThoseOfTheData)
{
    for (const QCP::SignDomain domain : {QCP::sdBoth, QCP::sdNegative, QCP::sdPositive}) {
        bool found = false, plainFound = false;
        EXPECT_EQ(graph->getKeyRange(found, domain), plain->getKeyRange(plainFound, domain)) << domain;
        EXPECT_EQ(found, plainFound);
        for (const QCPRange keys :
             {QCPRange(), QCPRange(5.0, 6.0), QCPRange(7.7, 7.70001), QCPRange(30, 40)}) {
            EXPECT_EQ(graph->getValueRange(found, domain, keys),
                      plain->getValueRange(plainFound, domain, keys))
                << domain << " " << keys.lower;
            EXPECT_EQ(found, plainFound) << domain << " " << keys.lower;
        }
    }
    bool found = false;
    EXPECT_EQ(graph->getValueRange(found), QCPRange(-50, 100));
}

// Where a view is sparse, QCPGraph draws the reduced graph's visible points as
// it draws all of them for the plain graph.
TEST_F(PlainGraphTest, SparseViewsAreDrawnAsThePlainGraphDrawsThem)
{
    plain->setPen(graph->pen());
    for (const QCPRange range :
         {QCPRange(54300e-4, 54340e-4), QCPRange(-0.001, 0.02), QCPRange(9.99, 10.1)}) {
        plot.xAxis->setRange(range);
        plot.replot();
        ASSERT_TRUE(graph->Pixels().isEmpty()) << range.lower;
        const QImage reduced = plot.toPixmap().toImage();
        ASSERT_FALSE(reduced.isNull());
        graph->setVisible(false);
        plain->setVisible(true);
        const QImage plainImage = plot.toPixmap().toImage();
        graph->setVisible(true);
        plain->setVisible(false);
        EXPECT_EQ(reduced, plainImage) << range.lower;
        EXPECT_TRUE(graph->data()->isEmpty()) << "the window is emptied after drawing";
    }
}

TEST_F(PlainGraphTest, SelectTestIsTheDistanceToTheDrawnLine)
{
    plot.xAxis->setRange(54300e-4, 54340e-4);  // sparse: every point drawn
    plot.replot();
    for (const QPointF at : {QPointF(100, 100), QPointF(400, 250), QPointF(700, 50)})
        EXPECT_NEAR(graph->selectTest(at, false), plain->selectTest(at, false), 1e-9) << at.x();
    plot.xAxis->setRange(0, (kPoints - 1) * 1e-4);
    plot.replot();
    QPolygonF line;
    ASSERT_FALSE((line = graph->Pixels()).isEmpty());
    EXPECT_NEAR(graph->selectTest(line[line.size() / 2], false), 0.0, 1e-9) << "on the reduced line";
    graph->setSelectable(QCP::stNone);
    EXPECT_EQ(graph->selectTest(line[line.size() / 2], true), -1.0);
}

}  // namespace
