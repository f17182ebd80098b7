// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

namespace ko {

// Doubles read with a stride, so that interleaved (key, value) arrays need no copy.
struct CStrided {
    const double* first = nullptr;
    std::size_t count = 0;
    std::size_t stride = 1;

    double operator[](std::size_t i) const { return first[i * stride]; }
};

struct CPlotVertex {
    double key = 0;
    double value = 0;
};

// The smallest and largest value of blocks of 16, 64, 256, ... consecutive
// samples of a curve, built once in O(n). For a key range spread over pixel
// columns it yields the vertices to draw: per column the first sample, the
// column's smallest and largest value and its last sample, so that every
// column shows exactly the extent of its samples at a cost that follows the
// number of columns, not of samples.
class CMinMaxPyramid {
public:
    static constexpr std::size_t kBaseBlock = 16;
    static constexpr std::size_t kFactor = 4;

    void Build(CStrided values);
    // Number of values the pyramid was built for.
    std::size_t Size() const { return m_size; }

    // Smallest and largest of values from..to-1 (from < to); values are those
    // given to Build.
    std::pair<double, double> MinMax(CStrided values, std::size_t from, std::size_t to) const;

    // Appends the vertices of samples from..to-1 (keys ascending) to out.
    // Column of a key: floor((key - lower) * columns / (upper - lower)); keys
    // outside [lower, upper] form columns of their own.
    void Vertices(CStrided keys, CStrided values, std::size_t from, std::size_t to, double lower,
                  double upper, double columns, std::vector<CPlotVertex>& out) const;

private:
    struct CLevel {
        std::vector<double> min;
        std::vector<double> max;
    };
    std::vector<CLevel> m_levels;  // level l: blocks of kBaseBlock * kFactor^l values
    std::size_t m_size = 0;
};

}  // namespace ko
