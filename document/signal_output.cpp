// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/signal_output.h"

#include <cstdio>
#include <sstream>

#include "core/atomic_file.h"
#include "core/signal.h"

namespace ko {

namespace {

void CopyHeader(std::ostringstream& text, const CSignalList& signals)
{
    for (std::size_t i = 0; i < signals.size(); ++i) {
        if (i > 0) text << '\t';
        text << "Test/Curve Number: " << signals[i]->GetTSTNO() << '/' << signals[i]->GetCURNO() << '\t';
    }
    text << "\r\n";
}

void CopyLine(std::ostringstream& text, const CSignalList& signals, std::size_t point)
{
    for (std::size_t i = 0; i < signals.size(); ++i) {
        const auto& x = signals[i]->GetX();
        const auto& y = signals[i]->GetY();
        if (i > 0) text << '\t';
        if (point < y.size() && point < x.size())
            text << x[point] << '\t' << y[point];
        else
            text << '\t';
    }
    text << "\r\n";
}

}  // namespace

std::string CopyDataText(const CSignalList& signals)
{
    std::ostringstream text;
    CopyHeader(text, signals);
    std::size_t points = 0;
    for (const auto& signal : signals) points = std::max(points, PlotPoints(*signal));
    for (std::size_t point = 0; point < points; ++point) CopyLine(text, signals, point);
    return text.str();
}

std::string ProposedTextName(const CNSignal& signal)
{
    std::string name = signal.GetFileName();
    if (name.empty()) return signal.GetFallbackName();
    if (const auto uds = name.find(".uds"); uds != std::string::npos) name.erase(uds, 4);
    if (const auto dot = name.find('.'); dot != std::string::npos) name[dot] = '_';
    return name + ".txt";
}

std::string ProposedUDSName(const CNSignal& signal)
{
    return signal.GetFileName().empty() ? signal.GetFallbackName() : signal.GetFileName();
}

std::string XYFileText(const CNSignal& signal)
{
    const auto& x = signal.GetX();
    const auto& y = signal.GetY();
    std::string text;
    char line[128];
    for (std::size_t i = 0; i < x.size() && i < y.size(); ++i) {
        const int n = std::snprintf(line, sizeof line, "%f\t%f\r\n", x[i], y[i]);
        if (n >= static_cast<int>(sizeof line)) {
            text += std::to_string(x[i]) + "\t" + std::to_string(y[i]) + "\r\n";
        } else {
            text.append(line, static_cast<std::size_t>(n));
        }
    }
    return text;
}

void SaveXYText(const CNSignal& signal, const std::string& path)
{
    WriteFileAtomically(path, XYFileText(signal));
}

void SaveUDS(const CNSignal& signal, const std::string& path)
{
    signal.WriteUDS(path);
}

}  // namespace ko
