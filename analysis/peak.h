// SPDX-License-Identifier: GPL-3.0-or-later
// Peak value and time; time beyond a threshold.
#pragma once

namespace ko {

class CData;

struct CPeakResult {
    double value = 0.0;  // signed, in the signal's units
    double time = 0.0;   // s
};

// The sample of largest magnitude (the first of equals), any y units. Throws
// std::logic_error "Peak: ..." for samples UniformSamples refuses.
CPeakResult Peak(const CData& signal);

// The time, s, the signal spends beyond threshold in all: above a threshold
// >= 0, below a negative one; a time step counts when both its samples are
// at or beyond it. Throws std::logic_error "Exceedance: ..." like Peak.
double ExceedanceTime(const CData& signal, double threshold);

}  // namespace ko
