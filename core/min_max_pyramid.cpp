// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/min_max_pyramid.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace ko {

namespace {

struct CExtent {
    double lo = std::numeric_limits<double>::infinity();
    double hi = -std::numeric_limits<double>::infinity();

    void Add(double min, double max)
    {
        lo = std::min(lo, min);
        hi = std::max(hi, max);
    }
};

// Columns ahead whose edge samples are fetched early: edges are far apart, so
// the processor cannot foresee them, and waiting for them costs most of a redraw.
constexpr std::size_t kAhead = 4;

// Fetches the samples a column edge at index edge reads (the base block before
// it and the keys around it), keys and values interleaved or not.
void Prefetch(CStrided keys, std::size_t edge, std::size_t to)
{
    if (edge >= to) {
        return;
    }
    const std::size_t first = edge > CMinMaxPyramid::kBaseBlock ? edge - CMinMaxPyramid::kBaseBlock : 0;
    const char* begin = reinterpret_cast<const char*>(keys.first + first * keys.stride);
    const char* end = reinterpret_cast<const char*>(keys.first + std::min(to - 1, edge + 1) * keys.stride);
    for (const char* p = begin; p <= end + sizeof(double); p += 64) {
        __builtin_prefetch(p);
    }
}

}  // namespace

void CMinMaxPyramid::Build(CStrided values)
{
    m_levels.clear();
    m_size = values.count;
    std::size_t blocks = m_size / kBaseBlock;
    if (blocks == 0) {
        return;
    }
    CLevel base{std::vector<double>(blocks), std::vector<double>(blocks)};
    for (std::size_t b = 0; b < blocks; ++b) {
        const double* p = values.first + b * kBaseBlock * values.stride;
        double lo = p[0];
        double hi = p[0];
        for (std::size_t i = 1; i < kBaseBlock; ++i) {
            const double v = p[i * values.stride];
            lo = std::min(lo, v);
            hi = std::max(hi, v);
        }
        base.min[b] = lo;
        base.max[b] = hi;
    }
    m_levels.push_back(std::move(base));
    while ((blocks /= kFactor) > 0) {
        const CLevel& finer = m_levels.back();
        CLevel next{std::vector<double>(blocks), std::vector<double>(blocks)};
        for (std::size_t b = 0; b < blocks; ++b) {
            const std::size_t first = b * kFactor;
            next.min[b] = *std::min_element(finer.min.begin() + first, finer.min.begin() + first + kFactor);
            next.max[b] = *std::max_element(finer.max.begin() + first, finer.max.begin() + first + kFactor);
        }
        m_levels.push_back(std::move(next));
    }
}

std::pair<double, double> CMinMaxPyramid::MinMax(CStrided values, std::size_t from, std::size_t to) const
{
    CExtent extent;
    const auto scan = [&](std::size_t a, std::size_t b) {
        for (std::size_t i = a; i < b; ++i) {
            extent.Add(values[i], values[i]);
        }
    };
    const auto fold = [&](const CLevel& level, std::size_t a, std::size_t b) {
        for (std::size_t i = a; i < b; ++i) {
            extent.Add(level.min[i], level.max[i]);
        }
    };
    std::size_t a = (from + kBaseBlock - 1) / kBaseBlock;
    std::size_t b = std::min(to, m_size) / kBaseBlock;
    if (m_levels.empty() || a >= b) {
        scan(from, to);
        return {extent.lo, extent.hi};
    }
    scan(from, a * kBaseBlock);
    scan(b * kBaseBlock, to);
    // Whole blocks a..b-1 of each level; the ends that do not fill a coarser block stay here.
    for (std::size_t l = 0;; ++l) {
        const CLevel& level = m_levels[l];
        const std::size_t coarseA = (a + kFactor - 1) / kFactor;
        const std::size_t coarseB = b / kFactor;
        if (l + 1 == m_levels.size() || coarseA >= coarseB) {
            fold(level, a, b);
            break;
        }
        fold(level, a, coarseA * kFactor);
        fold(level, coarseB * kFactor, b);
        a = coarseA;
        b = coarseB;
    }
    return {extent.lo, extent.hi};
}

void CMinMaxPyramid::Vertices(CStrided keys, CStrided values, std::size_t from, std::size_t to, double lower,
                              double upper, double columns, std::vector<CPlotVertex>& out) const
{
    const double scale = upper > lower && columns >= 1 ? columns / (upper - lower) : 0.0;
    const auto column = [&](std::size_t i) { return std::floor((keys[i] - lower) * scale); };
    std::size_t i = from;
    while (i < to) {
        // End of the column of sample i: a guess from the mean spacing of the
        // remaining keys (exact for even sampling), then galloping from it
        // towards the end, then halving.
        const double c = column(i);
        std::size_t inside = i;
        std::size_t beyond = to;
        const double span = keys[to - 1] - keys[i];
        const double edge = lower + (c + 1) / scale;
        if (scale > 0 && span > 0 && edge < keys[to - 1]) {
            const double share = std::clamp((edge - keys[i]) / span, 0.0, 1.0);
            const auto guess = std::clamp<std::size_t>(
                i + static_cast<std::size_t>(share * double(to - 1 - i)), i + 1, to - 1);
            (column(guess) <= c ? inside : beyond) = guess;
            Prefetch(keys, guess + kAhead * (guess - i), to);
        }
        const bool up = inside != i || beyond == to;
        for (std::size_t step = 1; beyond - inside > step; step *= 2) {
            const std::size_t probe = up ? inside + step : beyond - step;
            if ((column(probe) <= c) != up) {
                (up ? beyond : inside) = probe;
                break;
            }
            (up ? inside : beyond) = probe;
        }
        while (beyond - inside > 1) {
            const std::size_t mid = inside + (beyond - inside) / 2;
            (column(mid) <= c ? inside : beyond) = mid;
        }
        const std::size_t end = beyond;
        if (end - i <= 4) {
            for (std::size_t j = i; j < end; ++j) {
                out.push_back({keys[j], values[j]});
            }
        } else {
            const auto [lo, hi] = MinMax(values, i, end);
            const double first = values[i];
            const double middle = keys[i] + (keys[end - 1] - keys[i]) / 2;
            const bool lowFirst = first - lo < hi - first;
            out.push_back({keys[i], first});
            out.push_back({middle, lowFirst ? lo : hi});
            out.push_back({middle, lowFirst ? hi : lo});
            out.push_back({keys[end - 1], values[end - 1]});
        }
        i = end;
    }
}

}  // namespace ko
