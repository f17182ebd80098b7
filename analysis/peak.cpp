// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/peak.h"

#include <cmath>

#include "analysis/samples.h"
#include "core/signal.h"

namespace ko {

CPeakResult Peak(const CData& signal)
{
    const CSamples samples = UniformSamples(signal, "Peak");
    std::size_t best = 0;
    for (std::size_t i = 1; i < samples.size(); ++i)
        if (std::abs(samples.values[i]) > std::abs(samples.values[best])) best = i;
    return {samples.values[best], samples.TimeAt(best)};
}

double ExceedanceTime(const CData& signal, double threshold)
{
    const CSamples samples = UniformSamples(signal, "Exceedance");
    const double sign = threshold < 0.0 ? -1.0 : 1.0;
    std::size_t steps = 0;
    bool previous = sign * samples.values[0] >= sign * threshold;
    for (std::size_t i = 1; i < samples.size(); ++i) {
        const bool beyond = sign * samples.values[i] >= sign * threshold;
        if (beyond && previous) ++steps;
        previous = beyond;
    }
    return static_cast<double>(steps) * samples.step;
}

}  // namespace ko
