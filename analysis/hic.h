// SPDX-License-Identifier: GPL-3.0-or-later
// Head injury criterion over a maximum window, exact over all sample pairs.
#pragma once
#include <cstddef>
#include <span>
#include <string>

namespace ko {

class CData;

inline constexpr double kHic15Window = 0.015;  // s
inline constexpr double kHic36Window = 0.036;  // s

struct CHicResult {
    double value = 0.0;
    double t1 = 0.0;  // window start, s
    double t2 = 0.0;  // window end, s
};

// The largest (t2 - t1) * (mean of |a| over t1..t2)^2.5 over every pair of
// samples no further apart than window, the mean taken by the trapezoid rule
// on the acceleration in g ("G'S", or "METERS/SEC**2" divided by 9.80665). The
// magnitude makes a single axis count whichever its sign; give the resultant
// for the value the regulations mean. Throws std::logic_error "HIC15: ..." for
// wrong units, samples that UniformSamples refuses and a signal shorter than
// the window. A signal that is zero throughout gives 0 with t1 = t2.
CHicResult Hic(const CData& acceleration, double window);

// "HIC15" for a 15 ms window.
std::string HicLabel(double window);

// The same on samples a time step apart that scale takes to g, the window given
// as the largest number of steps (scale > 0, finite samples). The result's t1
// and t2 are sample indices.
CHicResult HicOfSamples(std::span<const double> a, double scale, double step, std::size_t windowSteps);

}  // namespace ko
