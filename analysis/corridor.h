// SPDX-License-Identifier: GPL-3.0-or-later
// Which tests leave the mean +- k sigma corridor of the loaded signals.
#pragma once
#include <memory>
#include <string>
#include <vector>

namespace ko {

class CNSignal;

struct COutlier {
    double fractionOutside = 0.0;   // of the samples the signals share, 0 .. 1
    double largestExcursion = 0.0;  // how far beyond the corridor at most, in the signals' units
    double time = 0.0;              // x of the largest excursion
    std::string failure;            // not empty: the signal is left out of the corridor, and why
};

// The corridor is mean +- k sigma (population sigma, MeanPlusMinusSigma) over
// the signals that pass the checks (uniform finite samples in seconds, the
// first good signal's units), computed on copies aligned to the first good
// one's time step and to the range they all share; the signals themselves are
// not changed. A sample counts as outside when it is beyond a border by more
// than rounding. Throws std::logic_error "Corridor: ..." for k < 0 or fewer
// than two good signals, and passes MeanPlusMinusSigma's failures on.
std::vector<COutlier> CorridorOutliers(const std::vector<std::shared_ptr<CNSignal>>& signals, double k = 1.0);

}  // namespace ko
