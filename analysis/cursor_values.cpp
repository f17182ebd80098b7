// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/cursor_values.h"

#include <algorithm>
#include <cmath>

#include "core/signal.h"

namespace ko {

namespace {

std::optional<double> Finite(double value)
{
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

}  // namespace

std::optional<double> ValueAt(const CData& signal, double x)
{
    const auto& xs = signal.GetX();
    const auto& ys = signal.GetY();
    const std::size_t n = std::min(xs.size(), ys.size());
    if (n == 0 || !(x >= xs.front()) || !(x <= xs[n - 1])) return std::nullopt;
    const auto after = std::upper_bound(xs.begin(), xs.begin() + static_cast<std::ptrdiff_t>(n), x);
    const auto i = static_cast<std::size_t>(after - xs.begin());
    if (i == n) return Finite(ys[n - 1]);
    const double x0 = xs[i - 1], x1 = xs[i];
    const double f = x1 > x0 ? (x - x0) / (x1 - x0) : 0.0;
    return Finite(ys[i - 1] + f * (ys[i] - ys[i - 1]));
}

CCursorValues CursorValues(const CData& signal, double a, double b)
{
    CCursorValues values;
    values.atA = ValueAt(signal, a);
    values.atB = ValueAt(signal, b);
    if (values.atA && values.atB) values.difference = *values.atB - *values.atA;
    const auto& xs = signal.GetX();
    const auto& ys = signal.GetY();
    const double low = std::min(a, b), high = std::max(a, b);
    for (std::size_t i = 0; i < std::min(xs.size(), ys.size()); ++i) {
        if (!(xs[i] >= low && xs[i] <= high)) continue;
        if (!std::isfinite(ys[i])) return {values.atA, values.atB, values.difference, {}, {}};
        if (!values.peak || std::abs(ys[i]) > std::abs(*values.peak)) {
            values.peak = ys[i];
            values.peakTime = xs[i];
        }
    }
    return values;
}

}  // namespace ko
