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
        const auto begin = data()->findBegin(keyAxis()->range().lower, true);
        const auto end = data()->findEnd(keyAxis()->range().upper, true);
        getOptimizedLineData(&line, begin, end);
        return line;
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
        QVector<QCPGraphData> points;
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

TEST_F(ReducedGraphTest, SparseViewDrawsEveryPoint)
{
    plot.xAxis->setRange(54300e-4, 54340e-4);
    plot.replot();
    EXPECT_EQ(graph->VisiblePoints(), 41);
    const QVector<QCPGraphData> line = graph->Line();
    ASSERT_GE(line.size(), 41);
    EXPECT_TRUE(
        std::any_of(line.begin(), line.end(), [](const QCPGraphData& p) { return p.value == 100.0; }));
    EXPECT_EQ(graph->data()->findBegin(54300e-4, true)->key, line.first().key);
}

TEST_F(ReducedGraphTest, ManyVisiblePointsTogetherSwitchToFastDrawing)
{
    EXPECT_FALSE(graph->DrawsFast());
    for (int i = 0; i < 2; ++i) {
        auto* other = new CReducedGraph(plot.xAxis, plot.yAxis);
        other->SetPoints(QVector<QCPGraphData>(graph->data()->constBegin(), graph->data()->constEnd()));
    }
    EXPECT_TRUE(graph->DrawsFast());
    plot.xAxis->setRange(0, 1.0);  // a tenth of each
    EXPECT_FALSE(graph->DrawsFast());
}

TEST_F(ReducedGraphTest, DataChangedBehindItsBackIsStillDrawnWhole)
{
    graph->data()->add(QCPGraphData(20.0, 500.0));
    plot.xAxis->setRange(0, 20.0);
    plot.replot();
    const QVector<QCPGraphData> line = graph->Line();
    EXPECT_TRUE(
        std::any_of(line.begin(), line.end(), [](const QCPGraphData& p) { return p.value == 100.0; }));
    EXPECT_TRUE(
        std::any_of(line.begin(), line.end(), [](const QCPGraphData& p) { return p.value == 500.0; }));
}

}  // namespace
