// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>

namespace ko {

struct CValueRange {
    double max = 0.0;
    double min = 0.0;
};

// Largest and smallest of n values (zeros when n is 0), found as a signal finds
// its extremes: where both zeros occur, which one is kept depends on the order.
CValueRange RangeOf(const double* values, std::size_t n);

}  // namespace ko
