// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <string>

namespace ko {

class CNSignal;

// A typed value checked: the value, or the message that refuses it.
template <class Number>
struct CChecked {
    Number value{};
    std::string message;  // empty when the value is accepted
    bool Ok() const { return message.empty(); }
};

// A time step greater than 0, with the resample dialog's messages.
CChecked<double> CheckTimeStep(const std::string& text);
// A number of points greater than 1, with the resample dialog's messages.
CChecked<std::int32_t> CheckPointCount(const std::string& text);

// The time step that spreads points samples over the signal's time range
// (points > 1). Resampled times stay on the grid through time zero, so a
// signal that does not start on it gets one point fewer. Throws
// std::logic_error for a signal without a range.
double TimeStepForPoints(const CNSignal& signal, std::int32_t points);

}  // namespace ko
