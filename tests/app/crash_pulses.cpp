// SPDX-License-Identifier: GPL-3.0-or-later
#include "crash_pulses.h"

#include <cmath>
#include <numbers>

using namespace kores;

kores::CChartInput CPulseArrays::Input(const QString& yTitle, const QString& xTitle) const
{
    CChartInput input;
    input.subsets = PaddedSubsets(x, y, subsets, points);
    input.nullValue = nullValue;
    input.subtitle = labels;
    input.yAxisTitle = yTitle;
    input.xAxisTitle = xTitle;
    return input;
}

CPulseArrays CrashPulses(unsigned subsets, unsigned basePoints)
{
    CPulseArrays arrays;
    arrays.subsets = subsets;
    arrays.points = basePoints + basePoints * (subsets > 0 ? subsets - 1 : 0) / 10;
    const std::size_t total = std::size_t(subsets) * arrays.points;
    arrays.x.assign(total, arrays.nullValue);
    arrays.y.assign(total, arrays.nullValue);
    const double dt = 1e-4;
    for (unsigned s = 0; s < subsets; ++s) {
        const unsigned length = basePoints + basePoints * s / 10;
        const double duration = 0.08 + 0.01 * (s % 5);
        const double peak = -(30.0 + 6.0 * s);
        for (unsigned i = 0; i < length; ++i) {
            const double t = i * dt;
            const double phase = t / duration;
            double g = phase < 1.0 ? peak * std::sin(std::numbers::pi * phase) : 0.0;
            g += 2.5 * std::sin(2 * std::numbers::pi * (180.0 + 20.0 * s) * t) * std::exp(-t * 15.0);
            arrays.x[std::size_t(s) * arrays.points + i] = t;
            arrays.y[std::size_t(s) * arrays.points + i] = g;
        }
        arrays.labels +=
            QString("v%1_%2aa0.uds\t").arg(11200 + s, 5, 10, QChar('0')).arg(101 + s, 3, 10, QChar('0'));
    }
    return arrays;
}
