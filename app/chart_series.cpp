// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/chart_series.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace kores {

std::vector<CChartSubset> PaddedSubsets(std::span<const double> x, std::span<const double> y,
                                        unsigned subsetCount, unsigned pointCount)
{
    const auto part = [pointCount](std::span<const double> values, std::size_t first) {
        return values.subspan(
            std::min(first, values.size()),
            std::min<std::size_t>(pointCount, values.size() - std::min(first, values.size())));
    };
    std::vector<CChartSubset> subsets(subsetCount);
    for (unsigned i = 0; i < subsetCount; ++i) {
        const std::size_t first = std::size_t(i) * pointCount;
        subsets[i].x = part(x, first);
        subsets[i].y = part(y, first);
    }
    return subsets;
}

namespace {

bool Present(double key, double value, double nullValue)
{
    return key != nullValue && value != nullValue && std::isfinite(key) && std::isfinite(value);
}

}  // namespace

std::optional<CGraphPoints> InPlacePoints(const CChartSubset& subset, double nullValue)
{
    if (!subset.owner) return std::nullopt;
    const std::size_t n = std::min(subset.x.size(), subset.y.size());
    for (std::size_t i = 0; i < n; ++i) {
        if (!Present(subset.x[i], subset.y[i], nullValue) || (i > 0 && subset.x[i] < subset.x[i - 1]))
            return std::nullopt;
    }
    return CGraphPoints{subset.x.first(n), subset.y.first(n), subset.owner};
}

CSubsetPoints ExtractSubset(const CChartSubset& input, double nullValue)
{
    CSubsetPoints subset;
    const std::size_t end = std::min(input.x.size(), input.y.size());
    subset.points.reserve(static_cast<qsizetype>(end));
    double lastKey = -std::numeric_limits<double>::infinity();
    for (std::size_t i = 0; i < end; ++i) {
        const double key = input.x[i];
        const double value = input.y[i];
        if (!Present(key, value, nullValue)) {
            continue;
        }
        if (key < lastKey) {
            subset.sortedKeys = false;
        }
        lastKey = key;
        subset.points.append(QCPGraphData(key, value));
    }
    return subset;
}

QStringList SplitSubsetLabels(const QString& tabList, int subsetCount)
{
    QStringList labels = tabList.split(QLatin1Char('\t'));
    if (tabList.endsWith(QLatin1Char('\t'))) {
        labels.removeLast();
    }
    while (labels.size() < subsetCount) {
        labels << QString();
    }
    return labels.mid(0, std::max(subsetCount, 0));
}

QPen SubsetPen(int subset, double width)
{
    static const std::array<QColor, 10> kColours = {
        QColor(31, 119, 180),  QColor(214, 39, 40),  QColor(44, 160, 44), QColor(255, 127, 14),
        QColor(148, 103, 189), QColor(23, 190, 207), QColor(140, 86, 75), QColor(227, 119, 194),
        QColor(127, 127, 127), QColor(188, 189, 34)};
    static const std::array<Qt::PenStyle, 4> kStyles = {Qt::SolidLine, Qt::DashLine, Qt::DotLine,
                                                        Qt::DashDotLine};
    const auto index = static_cast<std::size_t>(std::max(subset, 0));
    QPen pen(kColours[index % kColours.size()]);
    pen.setWidthF(width);
    pen.setStyle(kStyles[(index / kColours.size()) % kStyles.size()]);
    return pen;
}

namespace {

void AddPoint(CDataBounds& bounds, double key, double value)
{
    if (!bounds.found) {
        bounds.keys = QCPRange(key, key);
        bounds.values = QCPRange(value, value);
        bounds.found = true;
        return;
    }
    bounds.keys.expand(key);
    bounds.values.expand(value);
}

}  // namespace

void CDataBounds::Add(const QVector<QCPGraphData>& points)
{
    for (const QCPGraphData& p : points) AddPoint(*this, p.key, p.value);
}

void CDataBounds::Add(const CGraphPoints& points)
{
    for (std::size_t i = 0; i < points.keys.size(); ++i) AddPoint(*this, points.keys[i], points.values[i]);
}

namespace {

QCPRange Widened(const QCPRange& range, double fraction)
{
    const double size = range.size();
    if (size > 0) {
        return {range.lower - size * fraction, range.upper + size * fraction};
    }
    const double pad = range.lower != 0 ? std::abs(range.lower) * 0.05 : 1.0;
    return {range.lower - pad, range.upper + pad};
}

}  // namespace

QCPRange CDataBounds::ViewKeys() const
{
    return found ? Widened(keys, 0.0) : QCPRange(0, 1);
}

QCPRange CDataBounds::ViewValues() const
{
    return found ? Widened(values, 0.05) : QCPRange(0, 1);
}

}  // namespace kores
