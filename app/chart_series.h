// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPen>
#include <QString>
#include <QStringList>
#include <QVector>
#include <cstddef>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "app/qcustomplot_include.h"

namespace kores {

// One curve of a graph: point i is (x[i], y[i]) for i below the shorter
// length; a point whose X or Y equals the input's null value or is not finite
// is missing. The owner, when set, keeps x and y alive and unchanged.
struct CChartSubset {
    std::span<const double> x;
    std::span<const double> y;
    std::shared_ptr<const void> owner;
};

// What a graph is made of, as plain data. Without owners the subsets' values
// are only read during the call that receives this.
struct CChartInput {
    std::vector<CChartSubset> subsets;
    double nullValue = 2.220446049250313e-16;
    QString mainTitle;
    QString subtitle;  // with several subsets: the tab-separated subset labels
    QString yAxisTitle;
    QString xAxisTitle;
};

// The subsets of arrays laid out subset by subset, pointCount values each and
// padded with the null value (the document's plot arrays); arrays shorter
// than subsetCount x pointCount give shorter or empty subsets.
std::vector<CChartSubset> PaddedSubsets(std::span<const double> x, std::span<const double> y,
                                        unsigned subsetCount, unsigned pointCount);

// The present points of one subset, in array order.
struct CSubsetPoints {
    QVector<QCPGraphData> points;
    bool sortedKeys = true;  // X never decreases
};

// The points of a subset without missing points.
CSubsetPoints ExtractSubset(const CChartSubset& subset, double nullValue);

// Points read in place: keys ascending, keys and values of equal length and
// finite; the owner keeps both alive and unchanged.
struct CGraphPoints {
    std::span<const double> keys;
    std::span<const double> values;
    std::shared_ptr<const void> owner;
};

// The subset's own values as points, when it has an owner, no point is
// missing and X never decreases; nothing otherwise.
std::optional<CGraphPoints> InPlacePoints(const CChartSubset& subset, double nullValue);

// One label per subset from a tab-separated list (a trailing tab ends the last
// label); subsets beyond the list get empty labels.
QStringList SplitSubsetLabels(const QString& tabList, int subsetCount);

// The pen of subset i: ten colours, then the same colours dashed, dotted, ...
QPen SubsetPen(int subset, double width);

// Smallest and largest key and value over points; found is false for none.
struct CDataBounds {
    QCPRange keys;
    QCPRange values;
    bool found = false;

    void Add(const QVector<QCPGraphData>& points);
    void Add(const CGraphPoints& points);
    // The ranges a reset view shows: keys as they are, values with a 5 % margin;
    // degenerate ranges are widened.
    QCPRange ViewKeys() const;
    QCPRange ViewValues() const;
};

}  // namespace kores
