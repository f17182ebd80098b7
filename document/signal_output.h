// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

#include "document/plot_data.h"

namespace ko {

// The plotted data as clipboard text: a header line naming each signal's test
// and curve, then one line per point index up to the longest signal, two
// tab-separated columns (X, Y) per signal, empty where a signal has ended.
// Numbers in the stream's default form (6 significant digits); lines end "\r\n".
std::string CopyDataText(const CSignalList& signals);

// The name proposed when a signal is saved as X-Y text: its file name with the
// first ".uds" removed, the first remaining "." made "_" and ".txt" appended;
// else its fallback name as it is; else empty.
std::string ProposedTextName(const CNSignal& signal);
// The name proposed when a signal is saved as UDS-1992: its file name, else
// its fallback name, else empty.
std::string ProposedUDSName(const CNSignal& signal);

// One line per point: X, a tab, Y, both fixed with 6 decimals, ending "\r\n".
std::string XYFileText(const CNSignal& signal);

// Write the signal to path, atomically: as X-Y text, or as a UDS-1992 file.
// Both throw std::exception with the writer's text.
void SaveXYText(const CNSignal& signal, const std::string& path);
void SaveUDS(const CNSignal& signal, const std::string& path);

}  // namespace ko
