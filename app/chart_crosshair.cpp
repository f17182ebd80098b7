// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/chart_crosshair.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "app/chart_reduced_graph.h"

namespace kores {

namespace {

struct CCandidate {
    double distance = std::numeric_limits<double>::infinity();
    double x = 0;
    double y = 0;
};

void Consider(const QCPAbstractPlottable& plottable, double key, double value, const QPointF& pos,
              CCandidate& best)
{
    const double dx = plottable.keyAxis()->coordToPixel(key) - pos.x();
    const double dy = plottable.valueAxis()->coordToPixel(value) - pos.y();
    const double distance = std::hypot(dx, dy);
    if (distance < best.distance) {
        best = {distance, key, value};
    }
}

CCandidate NearestOfGraph(const CReducedGraph& graph, const QPointF& pos)
{
    CCandidate best;
    const auto keys = graph.Keys();
    const auto values = graph.Values();
    if (keys.empty()) {
        return best;
    }
    const double key = graph.keyAxis()->pixelToCoord(pos.x());
    const auto i = static_cast<std::size_t>(std::lower_bound(keys.begin(), keys.end(), key) - keys.begin());
    if (i < keys.size()) {
        Consider(graph, keys[i], values[i], pos, best);
    }
    if (i > 0) {
        Consider(graph, keys[i - 1], values[i - 1], pos, best);
    }
    return best;
}

CCandidate NearestOfCurve(const QCPCurve& curve, const QPointF& pos)
{
    CCandidate best;
    for (const QCPCurveData& point : *curve.data()) {
        Consider(curve, point.key, point.value, pos, best);
    }
    return best;
}

}  // namespace

std::optional<CNearestPoint> FindNearestPoint(const QList<QCPAbstractPlottable*>& subsets, const QPointF& pos)
{
    std::optional<CNearestPoint> nearest;
    double nearestDistance = std::numeric_limits<double>::infinity();
    for (int i = 0; i < subsets.size(); ++i) {
        CCandidate candidate;
        if (const auto* graph = qobject_cast<const CReducedGraph*>(subsets[i])) {
            candidate = NearestOfGraph(*graph, pos);
        } else if (const auto* curve = qobject_cast<const QCPCurve*>(subsets[i])) {
            candidate = NearestOfCurve(*curve, pos);
        }
        if (candidate.distance < nearestDistance) {
            nearestDistance = candidate.distance;
            nearest = CNearestPoint{i, candidate.x, candidate.y};
        }
    }
    return nearest;
}

CChartCrosshair::CChartCrosshair(QCustomPlot& plot)
    : m_plot(plot), m_lines(new QCPItemTracer(&plot)), m_marker(new QCPItemTracer(&plot))
{
    for (QCPItemTracer* tracer : {m_lines, m_marker}) {
        tracer->setLayer(QStringLiteral("overlay"));
        tracer->setSelectable(false);
        tracer->setVisible(false);
    }
    m_lines->setStyle(QCPItemTracer::tsCrosshair);
    m_lines->setPen(QPen(QColor(90, 90, 90), 0, Qt::DashLine));
    m_marker->setStyle(QCPItemTracer::tsCircle);
    m_marker->setSize(9);
    m_marker->setPen(QPen(Qt::black, 1.5));
}

std::optional<CNearestPoint> CChartCrosshair::Track(const QList<QCPAbstractPlottable*>& subsets,
                                                    const QPointF& pos)
{
    const auto nearest = FindNearestPoint(subsets, pos);
    if (!nearest) {
        Hide();
        return nearest;
    }
    for (QCPItemTracer* tracer : {m_lines, m_marker}) {
        tracer->position->setCoords(nearest->x, nearest->y);
        tracer->setVisible(true);
    }
    m_plot.layer(QStringLiteral("overlay"))->replot();
    return nearest;
}

void CChartCrosshair::Hide()
{
    if (!Visible()) {
        return;
    }
    m_lines->setVisible(false);
    m_marker->setVisible(false);
    m_plot.layer(QStringLiteral("overlay"))->replot();
}

bool CChartCrosshair::Visible() const
{
    return m_lines->visible();
}

}  // namespace kores
