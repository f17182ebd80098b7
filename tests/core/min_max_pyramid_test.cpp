// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/min_max_pyramid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

namespace {

struct CColumn {
    double lo = 0;
    double hi = 0;
    double first = 0;
    double last = 0;

    bool operator==(const CColumn&) const = default;
};

// Extent and first and last value of each pixel column of interleaved (key, value) pairs.
std::map<double, CColumn> Columns(const double* pairs, std::size_t n, double lower, double upper,
                                  double columns)
{
    std::map<double, CColumn> result;
    for (std::size_t i = 0; i < n; ++i) {
        const double key = pairs[2 * i];
        const double value = pairs[2 * i + 1];
        const double c = std::floor((key - lower) * columns / (upper - lower));
        auto [it, added] = result.try_emplace(c, CColumn{value, value, value, value});
        it->second.lo = std::min(it->second.lo, value);
        it->second.hi = std::max(it->second.hi, value);
        it->second.last = value;
    }
    return result;
}

TEST(MinMaxPyramidTest, EveryColumnShowsExactlyTheExtentOfItsSamplesAtEveryZoom)
{
    for (const std::size_t n : {1u, 5u, 17u, 1000u, 65537u, 100003u}) {
        std::vector<double> pairs(2 * n);
        for (std::size_t i = 0; i < n; ++i) {
            pairs[2 * i] = double(i) + 0.3 * std::sin(double(i));  // uneven, ascending
            pairs[2 * i + 1] = std::sin(double(i) * 0.37);
        }
        pairs[2 * (n * 2 / 3) + 1] = 100.0;  // single-sample spikes
        pairs[2 * (n / 3) + 1] = -50.0;
        ko::CMinMaxPyramid pyramid;
        const ko::CStrided keys{pairs.data(), n, 2};
        const ko::CStrided values{pairs.data() + 1, n, 2};
        pyramid.Build(values);
        ASSERT_EQ(pyramid.Size(), n);
        const double last = pairs[2 * (n - 1)];
        struct CZoom {
            double lower, upper, columns;
        };
        for (const CZoom zoom : {CZoom{0, last + 1, 800}, CZoom{0, last + 1, 7},
                                 CZoom{n * 0.3, n * 0.31 + 2, 997}, CZoom{n * 0.6, n * 0.7, 1280}}) {
            // The visible samples and one beyond each side, as a graph draws them.
            const auto key = [&](std::size_t i) { return pairs[2 * i]; };
            std::size_t from = 0;
            while (from < n && key(from) < zoom.lower) ++from;
            std::size_t to = from;
            while (to < n && key(to) <= zoom.upper) ++to;
            from = from > 0 ? from - 1 : 0;
            to = std::min(n, to + 1);
            std::vector<ko::CPlotVertex> out;
            pyramid.Vertices(keys, values, from, to, zoom.lower, zoom.upper, zoom.columns, out);
            const std::string where = std::to_string(n) + " samples, columns " + std::to_string(zoom.columns);
            EXPECT_LE(out.size(), 4 * (zoom.columns + 3)) << where;
            EXPECT_TRUE(std::is_sorted(out.begin(), out.end(), [](auto& a, auto& b) {
                return a.key < b.key;
            })) << where;
            EXPECT_EQ(Columns(&out.data()->key, out.size(), zoom.lower, zoom.upper, zoom.columns),
                      Columns(pairs.data() + 2 * from, to - from, zoom.lower, zoom.upper, zoom.columns))
                << where;
        }
    }
}

}  // namespace
