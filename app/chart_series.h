// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPen>
#include <QString>
#include <QStringList>
#include <QVector>
#include <cstddef>
#include <span>

#include "app/qcustomplot_include.h"

namespace kores {

// What a graph is made of, as plain data. X and Y hold subsetCount × pointCount
// values, subset by subset; a point whose X or Y equals nullValue is missing
// (shorter subsets are padded with it). The arrays are only read during the
// call that receives this.
struct CChartInput {
    unsigned subsetCount = 0;
    unsigned pointCount = 0;
    std::span<const double> x;
    std::span<const double> y;
    double nullValue = 2.220446049250313e-16;
    QString mainTitle;
    QString subtitle;  // with several subsets: the tab-separated subset labels
    QString yAxisTitle;
    QString xAxisTitle;
};

// The present points of one subset, in array order.
struct CSubsetPoints {
    QVector<QCPGraphData> points;
    bool sortedKeys = true;  // X never decreases
};

// Points first..first+count-1 of the arrays, without missing points and
// without points whose X or Y is not finite.
CSubsetPoints ExtractSubset(std::span<const double> x, std::span<const double> y, std::size_t first,
                            std::size_t count, double nullValue);

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
    // The ranges a reset view shows: keys as they are, values with a 5 % margin;
    // degenerate ranges are widened.
    QCPRange ViewKeys() const;
    QCPRange ViewValues() const;
};

}  // namespace kores
