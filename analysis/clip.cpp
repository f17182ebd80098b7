// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/clip.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <functional>
#include <stdexcept>
#include <vector>

#include "analysis/criteria_units.h"
#include "analysis/samples.h"
#include "core/failure.h"
#include "core/signal.h"

namespace ko {

namespace {

const char* const kLabel = "3 ms clip";

struct CClipInput {
    CSamples samples;       // |a|
    std::size_t steps = 0;  // time steps that make 3 ms
};

CClipInput Prepare(const CData& acceleration)
{
    ScaleToBase(CQuantity::Acceleration, acceleration.GetYUNITS(), kLabel);
    CClipInput input{UniformSamples(acceleration, kLabel), 0};
    input.steps = static_cast<std::size_t>(std::ceil(kClipDuration / input.samples.step - 1e-6));
    if (input.samples.size() - 1 < input.steps)
        throw CFailure(std::string(kLabel) + ": the signal lasts " +
                       MillisecondsText(input.samples.Duration()) + ", less than 3 ms");
    for (double& value : input.samples.values) value = std::abs(value);
    return input;
}

}  // namespace

CClipResult Clip3msCumulative(const CData& acceleration)
{
    const CClipInput input = Prepare(acceleration);
    const auto& v = input.samples.values;
    // The level a time step reaches is the lower of its two samples.
    std::vector<double> steps(v.size() - 1);
    for (std::size_t i = 0; i + 1 < v.size(); ++i) steps[i] = std::min(v[i], v[i + 1]);
    std::vector<double> sorted = steps;
    const auto nth = sorted.begin() + static_cast<std::ptrdiff_t>(input.steps - 1);
    std::nth_element(sorted.begin(), nth, sorted.end(), std::greater<>());
    CClipResult result{*nth, 0.0};
    std::size_t count = 0;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        if (steps[i] >= result.value && ++count == input.steps) {
            result.time = input.samples.TimeAt(i + 1);
            break;
        }
    }
    return result;
}

CClipResult Clip3msContinuous(const CData& acceleration)
{
    const CClipInput input = Prepare(acceleration);
    const auto& v = input.samples.values;
    // The lowest sample of each run i .. i + steps, the best of those lows.
    std::deque<std::size_t> lows;
    CClipResult result{-1.0, 0.0};
    for (std::size_t j = 0; j < v.size(); ++j) {
        while (!lows.empty() && v[lows.back()] >= v[j]) lows.pop_back();
        lows.push_back(j);
        if (j < input.steps) continue;
        const std::size_t first = j - input.steps;
        while (lows.front() < first) lows.pop_front();
        if (v[lows.front()] > result.value) result = {v[lows.front()], input.samples.TimeAt(first)};
    }
    return result;
}

}  // namespace ko
