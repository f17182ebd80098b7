// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ops_integrate.h"

namespace ko {

std::vector<double> TrapezoidIntegral(std::span<const double> x, std::span<const double> y, double factor,
                                      double initial, std::size_t anchor)
{
    const double half = factor * 0.5;
    std::vector<double> r(y.size());
    r[anchor] = initial;
    for (std::size_t i = anchor + 1; i < y.size(); ++i)
        r[i] = r[i - 1] + (x[i] - x[i - 1]) * half * (y[i] + y[i - 1]);
    for (std::size_t i = anchor; i >= 1; --i) r[i - 1] = r[i] - (x[i] - x[i - 1]) * half * (y[i] + y[i - 1]);
    return r;
}

}  // namespace ko
