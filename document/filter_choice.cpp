// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/filter_choice.h"

#include <algorithm>

#include "core/filter_class.h"
#include "core/signal.h"
#include "document/typed_number.h"

namespace ko {

CFilterState FilterStateOf(const CSignalList& signals)
{
    CFilterState state;
    if (signals.size() == 1) {
        state.present = signals.front()->GetChannelClass();
        state.submitted = ClassFromFrequency(signals.front()->GetPREFIL(), 0.0);
        return state;
    }
    if (signals.empty()) return state;
    state.present = 0;
    for (const auto& signal : signals) state.present = std::max(state.present, signal->GetChannelClass());
    return state;
}

std::optional<double> CutoffFrequency(const std::string& text)
{
    const double value = ParseTypedDouble(text).value_or(0.0);
    if (!(value > 0.0)) return std::nullopt;
    return value;
}

std::string FilterCaption(const CSignalList& signals)
{
    if (signals.size() == 1) return "FileName: " + signals.front()->GetFileName();
    return "Multiple Signals";
}

}  // namespace ko
