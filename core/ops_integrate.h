// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <span>
#include <vector>

namespace ko {

// Trapezoidal integral of y over x scaled by factor, with the value initial at
// index anchor; values before the anchor are integrated backward from it.
// Requires x.size() == y.size() and anchor < y.size().
std::vector<double> TrapezoidIntegral(std::span<const double> x, std::span<const double> y, double factor,
                                      double initial, std::size_t anchor);

}  // namespace ko
