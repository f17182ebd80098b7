// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPointF>
#include <optional>

#include "app/qcustomplot_include.h"

namespace kores {

// A data point of one subset.
struct CNearestPoint {
    int subset = -1;
    double x = 0;
    double y = 0;
};

// Of the plottables (one per subset), the data point nearest in pixels to pos:
// for a graph among the samples nearest in X, for a curve among all samples.
std::optional<CNearestPoint> FindNearestPoint(const QList<QCPAbstractPlottable*>& subsets,
                                              const QPointF& pos);

// The crosshair through the data point nearest the mouse, on the plot's own
// buffered overlay layer so that moving it does not redraw the curves.
class CChartCrosshair {
public:
    explicit CChartCrosshair(QCustomPlot& plot);

    std::optional<CNearestPoint> Track(const QList<QCPAbstractPlottable*>& subsets, const QPointF& pos);
    void Hide();
    bool Visible() const;

private:
    QCustomPlot& m_plot;
    QCPItemTracer* m_lines;
    QCPItemTracer* m_marker;
};

}  // namespace kores
