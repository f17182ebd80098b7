// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include <utility>

namespace ko {

class CNSignal;

// The truncate choice: each bound with its enable flag.
struct CTruncateBounds {
    bool minEnabled = false;
    double min = 0.0;
    bool maxEnabled = false;
    double max = 0.0;
};

// A bound as typed: empty or unparsable text reads as 0.
double BoundValue(const std::string& text);

// The start and stop a signal is truncated to: a cleared bound stands for the
// signal's own start or end. Nothing when neither bound is enabled.
std::optional<std::pair<double, double>> TruncateWindow(const CTruncateBounds& bounds,
                                                        const CNSignal& signal);

}  // namespace ko
