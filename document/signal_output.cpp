// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/signal_output.h"

#include <algorithm>

#include "core/atomic_file.h"
#include "core/number_text.h"
#include "core/signal.h"
#include "formats/uds_signal.h"

namespace ko {

namespace {

void CopyHeader(std::string& text, const CSignalList& signals)
{
    for (std::size_t i = 0; i < signals.size(); ++i) {
        if (i > 0) text += '\t';
        text += "Test/Curve Number: " + std::to_string(signals[i]->GetTSTNO()) + '/' +
                std::to_string(signals[i]->GetCURNO()) + '\t';
    }
    text += "\r\n";
}

void CopyLine(std::string& text, const CSignalList& signals, std::size_t point)
{
    for (std::size_t i = 0; i < signals.size(); ++i) {
        const auto& x = signals[i]->GetX();
        const auto& y = signals[i]->GetY();
        if (i > 0) text += '\t';
        if (point < y.size() && point < x.size()) {
            AppendGeneral(text, x[point]);
            text += '\t';
            AppendGeneral(text, y[point]);
        } else {
            text += '\t';
        }
    }
    text += "\r\n";
}

}  // namespace

std::string CopyDataText(const CSignalList& signals)
{
    std::string text;
    CopyHeader(text, signals);
    std::size_t points = 0;
    for (const auto& signal : signals) points = std::max(points, PlotPoints(*signal));
    for (std::size_t point = 0; point < points; ++point) CopyLine(text, signals, point);
    return text;
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
    for (std::size_t i = 0; i < x.size() && i < y.size(); ++i) {
        AppendFixed(text, x[i], 6);
        text += '\t';
        AppendFixed(text, y[i], 6);
        text += "\r\n";
    }
    return text;
}

void SaveXYText(const CNSignal& signal, const std::string& path)
{
    WriteFileAtomically(path, XYFileText(signal));
}

void SaveUDS(const CNSignal& signal, const std::string& path)
{
    WriteUDS(signal, path);
}

}  // namespace ko
