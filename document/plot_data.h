// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace ko {

class CNSignal;
using CSignalList = std::vector<std::shared_ptr<CNSignal>>;

// The value that marks a missing point in the plot arrays (a double's epsilon).
inline constexpr double kNullData = 2.220446049250313e-16;

// The graph's data: subset count x point count values per axis, laid out signal
// by signal; a signal shorter than the point count is padded with kNullData.
struct CPlotArrays {
    std::uint32_t subsetCount = 0;
    std::uint32_t pointCount = 0;  // the most points of any signal
    std::vector<double> x;
    std::vector<double> y;
};

struct CPlotTitles {
    std::string main;
    std::string subtitle;  // several signals: one label per signal, each followed by a tab
    std::string yAxis;
    std::string xAxis;
};

// A signal's number of points: the length of its Y values.
std::size_t PlotPoints(const CNSignal& signal);

CPlotArrays BuildPlotArrays(const CSignalList& signals);
// The same into arrays, reusing their storage.
void BuildPlotArrays(const CSignalList& signals, CPlotArrays& arrays);

// Empty texts without signals; the shared units (or "Mixed Y Axis Units",
// "Mixed X Axis Units") and the subset labels for several; test, curve, peaks
// and typed axis titles for one.
CPlotTitles BuildPlotTitles(const CSignalList& signals);

// "Ymin -1.000 @ 2.00, Ymax 3.000 @ 4.00": the first smallest and largest Y
// with their X (in milliseconds when X is in seconds); zeros without data.
std::string PeakSubtitle(const CNSignal& signal);

// The signal's file name, else its fallback name, else "Curve Number: n".
std::string SubsetLabel(const CNSignal& signal);

}  // namespace ko
