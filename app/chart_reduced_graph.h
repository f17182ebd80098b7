// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "app/qcustomplot_include.h"

namespace kores {

// Minimum and maximum value of each block of blockSize consecutive points.
struct CBlockLevel {
    int blockSize = 0;
    std::vector<double> min;
    std::vector<double> max;
};

// A graph over X in ascending order that keeps the minimum and maximum value of
// blocks of 4, 16, ... 4096 points. Where the view holds many points per pixel
// column it draws, per column, the smallest and largest value, read from the
// largest blocks that hold no more points than a column (a block counts in the
// column of its first point): the cost follows the width in pixels, not the
// number of points. While the plot's reduced graphs show more than
// kFastDrawPoints points together, all of them are drawn solid (dashes cannot
// show on dense curves) and without antialiasing.
class CReducedGraph : public QCPGraph {
    Q_OBJECT

public:
    CReducedGraph(QCPAxis* keyAxis, QCPAxis* valueAxis);

    // The points must be in ascending X and hold no NaN.
    void SetPoints(const QVector<QCPGraphData>& points);
    static constexpr int kFastDrawPoints = 200000;

    // Points in the visible X range.
    int VisiblePoints() const;
    // The visible points of all reduced graphs of the plot exceed kFastDrawPoints.
    bool DrawsFast() const;

protected:
    void draw(QCPPainter* painter) override;
    void getOptimizedLineData(QVector<QCPGraphData>* lineData,
                              const QCPGraphDataContainer::const_iterator& begin,
                              const QCPGraphDataContainer::const_iterator& end) const override;

private:
    void BuildLevels();
    // The largest level whose blocks fit the given number of points, or null.
    const CBlockLevel* LevelFor(double pointsPerBlock) const;

    std::vector<CBlockLevel> m_levels;
    int m_levelPoints = 0;  // data size the levels were built for
};

}  // namespace kores
