// SPDX-License-Identifier: GPL-3.0-or-later
// The 3 ms clip of an acceleration: the highest level it exceeds for 3 ms.
#pragma once

namespace ko {

class CData;

inline constexpr double kClipDuration = 0.003;  // s

struct CClipResult {
    double value = 0.0;  // in the signal's own units
    double time = 0.0;   // s; see the functions
};

// Time at or above a level is counted per time step whose two samples both
// reach it, so a run of samples spanning 3 ms counts 3 ms. Both work on the
// magnitude |a| of an acceleration ("G'S" or "METERS/SEC**2") and throw
// std::logic_error "3 ms clip: ..." for other units, samples UniformSamples
// refuses and a signal shorter than 3 ms.

// The highest level that |a| reaches for 3 ms in all, in one stretch or
// several; time is when the 3 ms are complete.
CClipResult Clip3msCumulative(const CData& acceleration);
// The highest level that |a| reaches for 3 ms without a break; time is the
// start of the first such 3 ms.
CClipResult Clip3msContinuous(const CData& acceleration);

}  // namespace ko
