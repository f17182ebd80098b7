// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ops_interpolate.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace ko {

namespace {

constexpr std::int64_t kIntMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kIntMax = std::numeric_limits<std::int32_t>::max();

// trunc(v) as an index, or nullopt when it is not a finite 32-bit value.
std::optional<std::int64_t> TruncIndex(double v)
{
    const double t = std::trunc(v);
    if (!(t >= static_cast<double>(kIntMin) && t <= static_cast<double>(kIntMax))) return std::nullopt;
    return static_cast<std::int64_t>(t);
}

// A time in steps, moved by e away from zero before it is truncated toward
// zero, so that a time on the grid keeps its index despite rounding. Moving
// negative times toward zero instead would drop the first sample of every
// signal that starts before time zero.
double Nudged(double steps, double e)
{
    return steps < 0.0 ? steps - e : steps + e;
}

// Fills values at (nfp + k) * dt; false when a pair with equal x is needed.
bool FillValues(std::span<const double> x, std::span<const double> y, std::size_t n, double dt,
                std::int64_t nfp, std::vector<double>& values)
{
    std::size_t i = 1;
    for (std::size_t k = 0; k < values.size(); ++k) {
        const double t = static_cast<double>(nfp + static_cast<std::int64_t>(k)) * dt;
        while (i < n - 1 && t > x[i]) ++i;
        std::size_t j = i - 1;
        while (j > 0 && x[j] > t) --j;
        if (x[i] == x[j]) return false;
        values[k] = y[j] + (t - x[j]) / (x[i] - x[j]) * (y[i] - y[j]);
    }
    return true;
}

}  // namespace

std::int64_t PointCountOf(std::int32_t nfp, std::int32_t nlp)
{
    if (nfp == 0 && nlp == 0) return 0;
    if (nfp > nlp) return 0;
    return static_cast<std::int64_t>(nlp) - nfp + 1;
}

std::optional<CInterpolation> Interpolate(std::span<const double> x, std::span<const double> y, double dt,
                                          std::int32_t nfp, std::int32_t nlp, double nlpEstimate)
{
    const std::int64_t count = PointCountOf(nfp, nlp);
    if (!(dt > 0.0) || count == 0 || !(nlpEstimate >= 1.0)) return std::nullopt;
    if (count < 2 || static_cast<std::uint64_t>(count) > x.size() ||
        static_cast<std::uint64_t>(count) > y.size())
        return std::nullopt;
    const auto n = static_cast<std::size_t>(count);

    const double e = x[0] <= x[1] ? 0.01 : -0.01;
    const auto first = TruncIndex(Nudged(x[0] / dt, e));
    const auto last = TruncIndex(Nudged(x[n - 1] / dt, e));
    if (!first || !last) return std::nullopt;
    const std::int64_t newFirst = std::min<std::int64_t>(*first, static_cast<std::int64_t>(nlp) - 1);
    const std::int64_t newLast = std::max<std::int64_t>(*last, static_cast<std::int64_t>(nfp) + 1);
    if (newFirst < kIntMin || newLast > kIntMax) return std::nullopt;

    CInterpolation result;
    result.nfp = static_cast<std::int32_t>(newFirst);
    result.nlp = static_cast<std::int32_t>(newLast);
    const std::int64_t m = PointCountOf(result.nfp, result.nlp);
    if (m > kIntMax) return std::nullopt;
    if (m < 1) return result;
    result.y.resize(static_cast<std::size_t>(m));
    if (!FillValues(x, y, n, dt, newFirst, result.y)) return std::nullopt;
    return result;
}

}  // namespace ko
