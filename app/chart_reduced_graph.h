// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <span>
#include <utility>
#include <vector>

#include "app/chart_series.h"
#include "app/qcustomplot_include.h"

namespace kores {

// Minimum and maximum value of each block of blockSize consecutive points.
struct CBlockLevel {
    int blockSize = 0;
    std::vector<double> min;
    std::vector<double> max;
};

// A graph over X in ascending order, read in place, that keeps the minimum and
// maximum value of blocks of 4, 16, ... 4096 points. Where the view holds many points per pixel
// column it draws, per column, the smallest and largest value, read from the
// largest blocks that hold no more points than a column (a block counts in the
// column of its first point), straight as a polyline in pixels: the cost
// follows the width in pixels, not the number of points. While the plot's reduced graphs show more than
// kFastDrawPoints points together, all of them are drawn solid (dashes cannot
// show on dense curves) and without antialiasing. QCPGraph draws the other
// views from its data container, which holds their visible points only while
// it does.
class CReducedGraph : public QCPGraph {
    Q_OBJECT

public:
    CReducedGraph(QCPAxis* keyAxis, QCPAxis* valueAxis);

    void SetPoints(CGraphPoints points);
    // The same from a copy of points, which must be in ascending X and finite.
    void SetPoints(const QVector<QCPGraphData>& points);
    std::span<const double> Keys() const { return m_points.keys; }
    std::span<const double> Values() const { return m_points.values; }
    static constexpr int kFastDrawPoints = 200000;

    // Whether dense replots on screen draw their graphs on two threads (on by
    // default; the picture is the same either way).
    static void SetParallelDrawing(bool parallel);

    // Points in the visible X range.
    int VisiblePoints() const;
    // The visible points of all reduced graphs of the plot exceed kFastDrawPoints.
    bool DrawsFast() const;

    // Distance in pixels from pos to the line as drawn; -1 when not selectable
    // and only selectable graphs count, or outside the axis rect.
    double selectTest(const QPointF& pos, bool onlySelectable, QVariant* details = nullptr) const override;
    QCPRange getKeyRange(bool& foundRange, QCP::SignDomain inSignDomain = QCP::sdBoth) const override;
    QCPRange getValueRange(bool& foundRange, QCP::SignDomain inSignDomain = QCP::sdBoth,
                           const QCPRange& inKeyRange = QCPRange()) const override;

protected:
    void draw(QCPPainter* painter) override;
    // The reduced line of the visible points in pixels, when the view is dense
    // and the graph a plain line over linear axes with a horizontal key axis;
    // false otherwise (then QCPGraph draws it from getOptimizedLineData).
    bool PixelLine(QPolygonF& line) const;
    void getOptimizedLineData(QVector<QCPGraphData>* lineData,
                              const QCPGraphDataContainer::const_iterator& begin,
                              const QCPGraphDataContainer::const_iterator& end) const override;
    // Puts the visible points, with one more on each side, into the data
    // container for QCPGraph to draw; EmptyWindow empties it again.
    void FillWindow() const;
    void EmptyWindow() const;

private:
    // The indices first..last-1 of the visible points with one more on each
    // side, as QCPGraph::getVisibleDataBounds finds them.
    std::pair<std::size_t, std::size_t> VisibleBounds() const;
    void BuildLevels();
    // The largest level whose blocks fit the given number of points, or null.
    const CBlockLevel* LevelFor(double pointsPerBlock) const;
    bool FastForThisReplot();
    QPen LinePen(bool fast) const;
    void DrawLine(QPainter& painter, const QPolygonF& line, bool fast) const;
    // In a fast replot on a raster device: draws this graph and the reduced
    // graphs that follow it on its layer, the later half on a second thread
    // into an image laid over the first half; false when they cannot be.
    bool DrawBatch(QCPPainter& painter);

    CGraphPoints m_points;
    std::vector<CBlockLevel> m_levels;
    mutable std::size_t m_windowFirst = 0;  // index of the data container's first point
    bool m_fast = false;                    // DrawsFast, decided once per replot
    bool m_fastKnown = false;
    bool m_drawnInBatch = false;  // drawn by an earlier graph's batch in this replot
};

}  // namespace kores
