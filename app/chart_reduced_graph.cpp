// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/chart_reduced_graph.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace kores {

namespace {

constexpr int kBlockFactor = 4;
constexpr int kLevelCount = 6;

// Collects the smallest and largest value of each pixel column and hands two
// points per column (one where the column holds a single point) to the sink,
// as the column's pixel position (column + 0.25 and + 0.75, or the key's own)
// with the value. The key axis is linear, so pixels follow from keys by one
// multiplication.
template <class Sink>
class CColumnReducer {
public:
    CColumnReducer(const QCPAxis& keyAxis, Sink& sink) : m_sink(sink), m_origin(keyAxis.range().lower)
    {
        const QCPRange range = keyAxis.range();
        m_originPixel = keyAxis.coordToPixel(range.lower);
        m_scale = (keyAxis.coordToPixel(range.upper) - m_originPixel) / range.size();
    }

    double Pixel(double key) const { return m_originPixel + (key - m_origin) * m_scale; }

    void Add(double key, double min, double max, int count)
    {
        const double column = std::floor(Pixel(key));
        if (m_count == 0 || column != m_column) {
            Flush();
            m_column = column;
            m_firstKey = key;
            m_min = min;
            m_max = max;
        } else {
            m_min = std::min(m_min, min);
            m_max = std::max(m_max, max);
        }
        m_count += count;
    }

    // Starts a column at the extreme nearer the previous column's end, so that
    // the line joining them stays short.
    void Flush()
    {
        if (m_count == 1) {
            Emit(Pixel(m_firstKey), m_firstKey, m_min);
        } else if (m_count > 1) {
            const bool maxFirst = m_any && std::abs(m_last - m_max) < std::abs(m_last - m_min);
            Emit(m_column + 0.25, std::nullopt, maxFirst ? m_max : m_min);
            Emit(m_column + 0.75, std::nullopt, maxFirst ? m_min : m_max);
        }
        m_count = 0;
    }

private:
    void Emit(double pixel, std::optional<double> key, double value)
    {
        m_sink(pixel, key, value);
        m_last = value;
        m_any = true;
    }

    Sink& m_sink;
    double m_origin;
    double m_originPixel = 0;
    double m_scale = 0;
    double m_column = 0;
    double m_firstKey = 0;
    double m_min = 0;
    double m_max = 0;
    double m_last = 0;
    bool m_any = false;
    int m_count = 0;
};

// The reducer's points in plot coordinates.
struct CDataSink {
    const QCPAxis& axis;
    QVector<QCPGraphData>& out;
    void operator()(double pixel, std::optional<double> key, double value)
    {
        out.append(QCPGraphData(key ? *key : axis.pixelToCoord(pixel), value));
    }
};

// The reducer's points in pixels, for a horizontal key axis; values map
// through the value axis's linear scale.
struct CPixelSink {
    QPolygonF& out;
    double valueOrigin;
    double valueOriginPixel;
    double valueScale;
    void operator()(double pixel, std::optional<double>, double value)
    {
        out.append(QPointF(pixel, valueOriginPixel + (value - valueOrigin) * valueScale));
    }
};

// Feeds points from..to-1 to the reducer, as whole blocks of the level where
// a block lies within about one column.
template <class Reducer>
void ReduceRange(const CGraphPoints& points, std::size_t from, std::size_t to, const CBlockLevel* level,
                 Reducer& reducer)
{
    const double* keys = points.keys.data();
    const double* values = points.values.data();
    const auto addPoints = [&](std::size_t a, std::size_t b) {
        for (std::size_t j = a; j < b; ++j) {
            reducer.Add(keys[j], values[j], values[j], 1);
        }
    };
    if (!level) {
        addPoints(from, to);
        return;
    }
    const auto block = static_cast<std::size_t>(level->blockSize);
    std::size_t i = std::min(to, (from + block - 1) / block * block);
    addPoints(from, i);
    // Blocks lie far apart in the data: fetch the keys a few blocks ahead.
    constexpr std::size_t kAhead = 8;
    for (; i + block <= to; i += block) {
        if (i + (kAhead + 1) * block <= to) {
            __builtin_prefetch(keys + i + kAhead * block);
            __builtin_prefetch(keys + i + (kAhead + 1) * block - 1);
        }
        const double spread = reducer.Pixel(keys[i + block - 1]) - reducer.Pixel(keys[i]);
        if (std::abs(spread) > 1.0) {
            addPoints(i, i + block);
            continue;
        }
        const std::size_t b = i / block;
        reducer.Add(keys[i], level->min[b], level->max[b], level->blockSize);
    }
    addPoints(i, to);
}

// Above this many points per pixel column a view is reduced to the columns' extremes.
constexpr double kDensePerPixel = 2.0;

// Points per pixel column of keys first..last-1; pixels: the width they span.
double PointsPerPixel(const QCPAxis& keyAxis, std::span<const double> keys, std::size_t first,
                      std::size_t last, double& pixels)
{
    const int count = static_cast<int>(last - first);
    pixels =
        count > 0 ? std::abs(keyAxis.coordToPixel(keys[last - 1]) - keyAxis.coordToPixel(keys[first])) : 0;
    return count / std::max(pixels, 1.0);
}

// Whether v lies in the sign domain.
bool InDomain(double v, QCP::SignDomain domain)
{
    return domain == QCP::sdBoth || (domain == QCP::sdNegative && v < 0) ||
           (domain == QCP::sdPositive && v > 0);
}

// The range of values first..last-1 in the sign domain.
QCPRange DomainRange(std::span<const double> values, std::size_t first, std::size_t last,
                     QCP::SignDomain domain, bool& found)
{
    found = false;
    QCPRange range;
    for (std::size_t i = first; i < last; ++i) {
        if (!InDomain(values[i], domain)) continue;
        if (!found) range = QCPRange(values[i], values[i]);
        range.expand(values[i]);
        found = true;
    }
    return range;
}

}  // namespace

CReducedGraph::CReducedGraph(QCPAxis* keyAxis, QCPAxis* valueAxis) : QCPGraph(keyAxis, valueAxis)
{
    setAdaptiveSampling(true);
    connect(parentPlot(), &QCustomPlot::beforeReplot, this, [this] {
        m_fastKnown = false;
        m_drawnInBatch = false;
    });
}

void CReducedGraph::SetPoints(CGraphPoints points)
{
    m_points = std::move(points);
    EmptyWindow();
    BuildLevels();
}

void CReducedGraph::SetPoints(const QVector<QCPGraphData>& points)
{
    auto copy = std::make_shared<std::pair<std::vector<double>, std::vector<double>>>();
    copy->first.reserve(static_cast<std::size_t>(points.size()));
    copy->second.reserve(static_cast<std::size_t>(points.size()));
    for (const QCPGraphData& p : points) {
        copy->first.push_back(p.key);
        copy->second.push_back(p.value);
    }
    SetPoints({copy->first, copy->second, copy});
}

void CReducedGraph::BuildLevels()
{
    m_levels.clear();
    const double* values = m_points.values.data();
    const std::size_t size = m_points.values.size();
    std::size_t blockSize = 1;
    for (int level = 0; level < kLevelCount; ++level) {
        blockSize *= kBlockFactor;
        const std::size_t blocks = size / blockSize;
        if (blocks == 0) {
            break;
        }
        CBlockLevel next{static_cast<int>(blockSize), std::vector<double>(blocks),
                         std::vector<double>(blocks)};
        for (std::size_t b = 0; b < blocks; ++b) {
            if (level == 0) {
                const double* it = values + b * blockSize;
                double lo = it[0];
                double hi = it[0];
                for (std::size_t i = 1; i < blockSize; ++i) {
                    lo = std::min(lo, it[i]);
                    hi = std::max(hi, it[i]);
                }
                next.min[b] = lo;
                next.max[b] = hi;
                continue;
            }
            const CBlockLevel& finer = m_levels.back();
            const auto first = static_cast<std::ptrdiff_t>(b * kBlockFactor);
            next.min[b] =
                *std::min_element(finer.min.begin() + first, finer.min.begin() + first + kBlockFactor);
            next.max[b] =
                *std::max_element(finer.max.begin() + first, finer.max.begin() + first + kBlockFactor);
        }
        m_levels.push_back(std::move(next));
    }
}

const CBlockLevel* CReducedGraph::LevelFor(double pointsPerBlock) const
{
    const CBlockLevel* chosen = nullptr;
    for (const CBlockLevel& level : m_levels) {
        if (level.blockSize <= pointsPerBlock) {
            chosen = &level;
        }
    }
    return chosen;
}

int CReducedGraph::VisiblePoints() const
{
    const QCPRange range = keyAxis()->range();
    const auto keys = m_points.keys;
    return static_cast<int>(std::upper_bound(keys.begin(), keys.end(), range.upper) -
                            std::lower_bound(keys.begin(), keys.end(), range.lower));
}

std::pair<std::size_t, std::size_t> CReducedGraph::VisibleBounds() const
{
    const QCPRange range = keyAxis()->range();
    const auto keys = m_points.keys;
    auto first = std::lower_bound(keys.begin(), keys.end(), range.lower);
    if (first != keys.begin()) --first;
    auto last = std::upper_bound(keys.begin(), keys.end(), range.upper);
    if (last != keys.end()) ++last;
    if (last < first) last = first;
    return {static_cast<std::size_t>(first - keys.begin()), static_cast<std::size_t>(last - keys.begin())};
}

void CReducedGraph::FillWindow() const
{
    const auto [first, last] = VisibleBounds();
    QVector<QCPGraphData> window;
    window.reserve(static_cast<qsizetype>(last - first));
    for (std::size_t i = first; i < last; ++i)
        window.append(QCPGraphData(m_points.keys[i], m_points.values[i]));
    data()->set(window, true);
    m_windowFirst = first;
}

void CReducedGraph::EmptyWindow() const
{
    data()->set(QVector<QCPGraphData>(), true);
    m_windowFirst = 0;
}

bool CReducedGraph::DrawsFast() const
{
    qint64 points = 0;
    for (int i = 0; i < parentPlot()->graphCount(); ++i) {
        if (const auto* graph = qobject_cast<const CReducedGraph*>(parentPlot()->graph(i))) {
            points += graph->visible() ? graph->VisiblePoints() : 0;
        }
    }
    return points > kFastDrawPoints;
}

// Decided once per replot, by the first reduced graph drawn, for all of them.
bool CReducedGraph::FastForThisReplot()
{
    if (m_fastKnown) return m_fast;
    const bool fast = DrawsFast();
    for (int i = 0; i < parentPlot()->graphCount(); ++i) {
        if (auto* graph = qobject_cast<CReducedGraph*>(parentPlot()->graph(i))) {
            graph->m_fast = fast;
            graph->m_fastKnown = true;
        }
    }
    return fast;
}

QPen CReducedGraph::LinePen(bool fast) const
{
    // Dashes cannot show on a dense curve.
    QPen pen = this->pen();
    if (fast) pen.setStyle(Qt::SolidLine);
    return pen;
}

void CReducedGraph::DrawLine(QPainter& painter, const QPolygonF& line, bool fast) const
{
    painter.setPen(LinePen(fast));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(line);
}

void CReducedGraph::draw(QCPPainter* painter)
{
    if (m_drawnInBatch) {
        m_drawnInBatch = false;
        return;
    }
    const bool fast = FastForThisReplot();
    setAntialiased(!fast);
    if (fast && DrawBatch(*painter)) return;
    QPolygonF line;
    if (PixelLine(line)) {
        // Also undoes the half-pixel shift of an antialiased hint set before.
        painter->setAntialiasing(!fast);
        DrawLine(*painter, line, fast);
        return;
    }
    // Stroking dashes costs most of a redraw of long curves, and they cannot show on them.
    const QPen styled = pen();
    setPen(LinePen(fast));
    FillWindow();
    QCPGraph::draw(painter);
    EmptyWindow();
    setPen(styled);
}

bool CReducedGraph::PixelLine(QPolygonF& line) const
{
    const QCPAxis* key = keyAxis();
    const QCPAxis* value = valueAxis();
    if (!key || !value || key->orientation() != Qt::Horizontal || key->scaleType() != QCPAxis::stLinear ||
        value->scaleType() != QCPAxis::stLinear || lineStyle() != lsLine || !scatterStyle().isNone() ||
        brush().style() != Qt::NoBrush || m_points.keys.empty() || key->range().size() <= 0 ||
        value->range().size() <= 0)
        return false;
    const auto [first, last] = VisibleBounds();
    double pixels = 0;
    const double perPixel = PointsPerPixel(*key, m_points.keys, first, last, pixels);
    if (last <= first || perPixel <= kDensePerPixel) return false;
    const QCPRange values = value->range();
    const double lowerPixel = value->coordToPixel(values.lower);
    CPixelSink sink{line, values.lower, lowerPixel,
                    (value->coordToPixel(values.upper) - lowerPixel) / values.size()};
    line.reserve(static_cast<int>(2 * pixels) + 4);
    CColumnReducer reducer(*key, sink);
    ReduceRange(m_points, first, last, LevelFor(perPixel), reducer);
    reducer.Flush();
    return true;
}

void CReducedGraph::getOptimizedLineData(QVector<QCPGraphData>* lineData,
                                         const QCPGraphDataContainer::const_iterator& begin,
                                         const QCPGraphDataContainer::const_iterator& end) const
{
    const QCPAxis& axis = *keyAxis();
    // The container holds points from m_windowFirst on.
    const std::size_t first = m_windowFirst + static_cast<std::size_t>(begin - data()->constBegin());
    const std::size_t last = first + static_cast<std::size_t>(end - begin);
    double pixels = 0;
    const double perPixel = PointsPerPixel(axis, m_points.keys, first, last, pixels);
    if (!lineData || perPixel <= kDensePerPixel || axis.scaleType() != QCPAxis::stLinear) {
        QCPGraph::getOptimizedLineData(lineData, begin, end);
        return;
    }
    lineData->clear();
    lineData->reserve(static_cast<int>(2 * pixels) + 4);
    CDataSink sink{axis, *lineData};
    CColumnReducer reducer(axis, sink);
    ReduceRange(m_points, first, last, LevelFor(perPixel), reducer);
    reducer.Flush();
}

double CReducedGraph::selectTest(const QPointF& pos, bool onlySelectable, QVariant*) const
{
    if ((onlySelectable && selectable() == QCP::stNone) || m_points.keys.empty() || !keyAxis() ||
        !valueAxis() || !keyAxis()->axisRect()->rect().contains(pos.toPoint()))
        return -1;
    QPolygonF line;
    if (!PixelLine(line)) {
        const auto [first, last] = VisibleBounds();
        for (std::size_t i = first; i < last; ++i)
            line.append(coordsToPixels(m_points.keys[i], m_points.values[i]));
    }
    if (line.isEmpty()) return -1;
    const QCPVector2D at(pos);
    double nearest = (at - QCPVector2D(line.first())).lengthSquared();
    for (qsizetype i = 1; i < line.size(); ++i)
        nearest = std::min(nearest, at.distanceSquaredToLine(line[i - 1], line[i]));
    return std::sqrt(nearest);
}

QCPRange CReducedGraph::getKeyRange(bool& foundRange, QCP::SignDomain inSignDomain) const
{
    const auto keys = m_points.keys;
    if (inSignDomain == QCP::sdBoth) {
        foundRange = !keys.empty();
        return foundRange ? QCPRange(keys.front(), keys.back()) : QCPRange();
    }
    return DomainRange(keys, 0, keys.size(), inSignDomain, foundRange);
}

QCPRange CReducedGraph::getValueRange(bool& foundRange, QCP::SignDomain inSignDomain,
                                      const QCPRange& inKeyRange) const
{
    const auto keys = m_points.keys;
    std::size_t first = 0, last = keys.size();
    if (inKeyRange != QCPRange()) {
        first = static_cast<std::size_t>(std::lower_bound(keys.begin(), keys.end(), inKeyRange.lower) -
                                         keys.begin());
        last = static_cast<std::size_t>(std::upper_bound(keys.begin(), keys.end(), inKeyRange.upper) -
                                        keys.begin());
    }
    return DomainRange(m_points.values, first, std::max(first, last), inSignDomain, foundRange);
}

}  // namespace kores
