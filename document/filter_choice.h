// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <optional>
#include <string>

#include "document/plot_data.h"

namespace ko {

inline constexpr int kClassUnknown = 1001;
// The classes of the filter class choice, in the order of its buttons.
inline constexpr std::array<int, 5> kChoiceClasses{60, 180, 600, 1000, kClassUnknown};

// What the filter class choice shows for the signals: the class they are
// filtered at now and, for one signal, the class it was submitted at.
struct CFilterState {
    int present = kClassUnknown;
    std::optional<int> submitted;
};

// One signal: its class, and the class its prefilter frequency falls in.
// Several: the least filtered of their classes (so every class below it
// still filters some of them); no submitted class.
CFilterState FilterStateOf(const CSignalList& signals);

// Signals can only be filtered further down: a class can be chosen when it is
// not above the present one.
inline bool ClassChoosable(int cfc, int present)
{
    return cfc <= present;
}
// The present class carries the "Filtered At" label unless it is 1000 or unknown.
inline bool ShowsFilteredAt(int present)
{
    return present == 60 || present == 180 || present == 600;
}

// The typed cut-off frequency in hertz; text that does not parse reads as 0,
// and nothing above 0 is refused (nullopt).
std::optional<double> CutoffFrequency(const std::string& text);

// The caption above the classes: "FileName: " and the name for one signal.
std::string FilterCaption(const CSignalList& signals);

}  // namespace ko
