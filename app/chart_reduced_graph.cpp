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
void ReduceRange(const QCPGraphDataContainer& data, int from, int to, const CBlockLevel* level,
                 Reducer& reducer)
{
    const auto first = data.constBegin();
    const auto addPoints = [&](int a, int b) {
        for (int j = a; j < b; ++j) {
            reducer.Add((first + j)->key, (first + j)->value, (first + j)->value, 1);
        }
    };
    if (!level) {
        addPoints(from, to);
        return;
    }
    const int block = level->blockSize;
    int i = std::min(to, (from + block - 1) / block * block);
    addPoints(from, i);
    // Blocks lie far apart in the data: fetch the keys a few blocks ahead.
    constexpr int kAhead = 8;
    for (; i + block <= to; i += block) {
        if (i + (kAhead + 1) * block <= to) {
            __builtin_prefetch(&(first + i + kAhead * block)->key);
            __builtin_prefetch(&(first + i + (kAhead + 1) * block - 1)->key);
        }
        const double spread = reducer.Pixel((first + i + block - 1)->key) - reducer.Pixel((first + i)->key);
        if (std::abs(spread) > 1.0) {
            addPoints(i, i + block);
            continue;
        }
        const auto b = static_cast<std::size_t>(i / block);
        reducer.Add((first + i)->key, level->min[b], level->max[b], block);
    }
    addPoints(i, to);
}

// Above this many points per pixel column a view is reduced to the columns' extremes.
constexpr double kDensePerPixel = 2.0;

// Points per pixel column of begin..end; pixels: the width they span.
double PointsPerPixel(const QCPAxis& keyAxis, QCPGraphDataContainer::const_iterator begin,
                      QCPGraphDataContainer::const_iterator end, double& pixels)
{
    const int count = static_cast<int>(end - begin);
    pixels =
        count > 0 ? std::abs(keyAxis.coordToPixel((end - 1)->key) - keyAxis.coordToPixel(begin->key)) : 0;
    return count / std::max(pixels, 1.0);
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

void CReducedGraph::SetPoints(const QVector<QCPGraphData>& points)
{
    data()->set(points, true);
    BuildLevels();
}

void CReducedGraph::BuildLevels()
{
    m_levels.clear();
    const auto& points = *data();
    m_levelPoints = points.size();
    int blockSize = 1;
    for (int level = 0; level < kLevelCount; ++level) {
        blockSize *= kBlockFactor;
        const std::size_t blocks = static_cast<std::size_t>(m_levelPoints / blockSize);
        if (blocks == 0) {
            break;
        }
        CBlockLevel next{blockSize, std::vector<double>(blocks), std::vector<double>(blocks)};
        for (std::size_t b = 0; b < blocks; ++b) {
            if (level == 0) {
                auto it = points.constBegin() + static_cast<int>(b) * blockSize;
                double lo = it->value;
                double hi = it->value;
                for (int i = 1; i < blockSize; ++i) {
                    lo = std::min(lo, (it + i)->value);
                    hi = std::max(hi, (it + i)->value);
                }
                next.min[b] = lo;
                next.max[b] = hi;
                continue;
            }
            const CBlockLevel& finer = m_levels.back();
            const auto first = b * kBlockFactor;
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
    return static_cast<int>(data()->findEnd(range.upper, false) - data()->findBegin(range.lower, false));
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
    QCPGraph::draw(painter);
    setPen(styled);
}

bool CReducedGraph::PixelLine(QPolygonF& line) const
{
    const QCPAxis* key = keyAxis();
    const QCPAxis* value = valueAxis();
    if (!key || !value || key->orientation() != Qt::Horizontal || key->scaleType() != QCPAxis::stLinear ||
        value->scaleType() != QCPAxis::stLinear || lineStyle() != lsLine || !scatterStyle().isNone() ||
        brush().style() != Qt::NoBrush || m_levelPoints != data()->size() || data()->isEmpty() ||
        key->range().size() <= 0 || value->range().size() <= 0)
        return false;
    QCPGraphDataContainer::const_iterator begin, end;
    getVisibleDataBounds(begin, end, QCPDataRange(0, dataCount()));
    const int count = static_cast<int>(end - begin);
    double pixels = 0;
    const double perPixel = PointsPerPixel(*key, begin, end, pixels);
    if (count <= 0 || perPixel <= kDensePerPixel) return false;
    const QCPRange values = value->range();
    const double lowerPixel = value->coordToPixel(values.lower);
    CPixelSink sink{line, values.lower, lowerPixel,
                    (value->coordToPixel(values.upper) - lowerPixel) / values.size()};
    line.reserve(static_cast<int>(2 * pixels) + 4);
    CColumnReducer reducer(*key, sink);
    const int from = static_cast<int>(begin - data()->constBegin());
    ReduceRange(*data(), from, from + count, LevelFor(perPixel), reducer);
    reducer.Flush();
    return true;
}

void CReducedGraph::getOptimizedLineData(QVector<QCPGraphData>* lineData,
                                         const QCPGraphDataContainer::const_iterator& begin,
                                         const QCPGraphDataContainer::const_iterator& end) const
{
    const QCPAxis& axis = *keyAxis();
    const int count = static_cast<int>(end - begin);
    double pixels = 0;
    const double perPixel = PointsPerPixel(axis, begin, end, pixels);
    if (!lineData || perPixel <= kDensePerPixel || m_levelPoints != data()->size() ||
        axis.scaleType() != QCPAxis::stLinear) {
        QCPGraph::getOptimizedLineData(lineData, begin, end);
        return;
    }
    lineData->clear();
    lineData->reserve(static_cast<int>(2 * pixels) + 4);
    CDataSink sink{axis, *lineData};
    CColumnReducer reducer(axis, sink);
    const int from = static_cast<int>(begin - data()->constBegin());
    ReduceRange(*data(), from, from + count, LevelFor(perPixel), reducer);
    reducer.Flush();
}

}  // namespace kores
