// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/plot_data.h"

#include <algorithm>

#include "core/number_text.h"
#include "core/signal.h"

namespace ko {

namespace {

constexpr std::size_t kMainTitleLimit = 240;

// "TYPE - UNITS" with stand-ins for an empty type or empty units.
std::string AxisTitle(const std::string& type, const std::string& units, const char* axis)
{
    const std::string typeText = type.empty() ? "Unknown " + std::string(axis) + " Type" : type;
    const std::string unitsText = units.empty() ? "Unknown " + std::string(axis) + " Units" : units;
    return typeText + " - " + unitsText;
}

std::string MainTitle(const CNSignal& signal)
{
    std::string title;
    if (signal.GetTSTNO() > 0) title = "Test: " + std::to_string(signal.GetTSTNO());
    if (signal.GetCURNO() > 0) {
        if (!title.empty()) title += " - ";
        title += "Curve Number: " + std::to_string(signal.GetCURNO()) + " - " + signal.GetSENATT();
    }
    if (title.empty()) return "Current Plot";
    if (title.size() > kMainTitleLimit) title.resize(kMainTitleLimit);
    return title;
}

// The first signal's units, or the mixed text when any signal differs.
template <class Get>
std::string SharedUnits(const CSignalList& signals, Get get, const char* mixed)
{
    const std::string& first = get(*signals.front());
    for (const auto& signal : signals) {
        if (get(*signal) != first) return mixed;
    }
    return first;
}

}  // namespace

std::size_t PlotPoints(const CNSignal& signal)
{
    return signal.GetY().size();
}

CPlotArrays BuildPlotArrays(const CSignalList& signals)
{
    CPlotArrays arrays;
    BuildPlotArrays(signals, arrays);
    return arrays;
}

void BuildPlotArrays(const CSignalList& signals, CPlotArrays& arrays)
{
    std::size_t points = 0;
    for (const auto& signal : signals) points = std::max(points, PlotPoints(*signal));
    arrays.subsetCount = static_cast<std::uint32_t>(signals.size());
    arrays.pointCount = static_cast<std::uint32_t>(points);
    arrays.x.clear();
    arrays.y.clear();
    arrays.x.reserve(signals.size() * points);
    arrays.y.reserve(signals.size() * points);
    for (const auto& signal : signals) {
        const auto& y = signal->GetY();
        const auto& x = signal->GetX();
        arrays.y.insert(arrays.y.end(), y.begin(), y.end());
        arrays.x.insert(arrays.x.end(), x.begin(),
                        x.begin() + static_cast<std::ptrdiff_t>(std::min(x.size(), y.size())));
        arrays.y.resize(arrays.y.size() + points - y.size(), kNullData);
        arrays.x.resize(arrays.y.size(), kNullData);
    }
}

std::string SubsetLabel(const CNSignal& signal)
{
    if (!signal.GetFileName().empty()) return signal.GetFileName();
    if (!signal.GetFallbackName().empty()) return signal.GetFallbackName();
    return "Curve Number: " + std::to_string(signal.GetCURNO());
}

std::string PeakSubtitle(const CNSignal& signal)
{
    double minX = 0.0, minY = 0.0, maxX = 0.0, maxY = 0.0;
    if (!signal.MinPeak(minX, minY) || !signal.MaxPeak(maxX, maxY)) minX = minY = maxX = maxY = 0.0;
    return "Ymin " + FixedText(minY, 3) + " @ " + FixedText(minX, 2) + ", Ymax " + FixedText(maxY, 3) +
           " @ " + FixedText(maxX, 2);
}

CPlotTitles BuildPlotTitles(const CSignalList& signals)
{
    CPlotTitles titles;
    if (signals.empty()) return titles;
    if (signals.size() > 1) {
        titles.yAxis = SharedUnits(
            signals, [](const CNSignal& s) -> const std::string& { return s.GetYUNITS(); },
            "Mixed Y Axis Units");
        titles.xAxis = SharedUnits(
            signals, [](const CNSignal& s) -> const std::string& { return s.GetXUNITS(); },
            "Mixed X Axis Units");
        for (const auto& signal : signals) titles.subtitle += SubsetLabel(*signal) + "\t";
        return titles;
    }
    const CNSignal& signal = *signals.front();
    titles.main = MainTitle(signal);
    titles.subtitle = PeakSubtitle(signal);
    titles.yAxis = AxisTitle(signal.GetYTYPE(), signal.GetYUNITS(), "Y");
    titles.xAxis = AxisTitle(signal.GetXTYPE(), signal.GetXUNITS(), "X");
    return titles;
}

}  // namespace ko
