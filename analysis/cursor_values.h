// SPDX-License-Identifier: GPL-3.0-or-later
// What two time cursors A and B read on a signal.
#pragma once
#include <optional>

namespace ko {

class CData;

struct CCursorValues {
    std::optional<double> atA;         // y at A, linear between samples
    std::optional<double> atB;         // y at B
    std::optional<double> difference;  // y at B minus y at A
    std::optional<double> peak;        // the sample of largest magnitude between A and B (signed)
    std::optional<double> peakTime;    // its x
};

// Cursors are x values (seconds for time signals). A reading is empty where it
// does not exist: a cursor outside the signal's x range, no sample between the
// cursors. The x values are taken as ascending; a NaN sample reads as empty.
CCursorValues CursorValues(const CData& signal, double a, double b);

// y at x, linear between the neighbouring samples; empty outside the x range.
std::optional<double> ValueAt(const CData& signal, double x);

}  // namespace ko
