// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <memory>
#include <vector>

namespace ko {

class CNSignal;

// The mean plus and minus one standard deviation of a set of signals.
struct CSigmaBand {
    std::shared_ptr<CNSignal> plus;   // fallback name "Plus 1 Sigma"
    std::shared_ptr<CNSignal> minus;  // fallback name "Minus 1 Sigma"
};

// Aligns the first signal with every other one, in place (a second pass when
// there are more than two, so that all end on the range they share), then
// returns two copies of the first signal holding, at every point, the mean
// plus and minus the population standard deviation (divided by N) of all
// signals. Throws std::logic_error "Empty Container of Signals." for an empty
// list and "Signal lengths not the same.  Resample/Tuncate." when the signals
// still differ in length after aligning; the failures of Align pass through.
CSigmaBand MeanPlusMinusSigma(const std::vector<std::shared_ptr<CNSignal>>& signals);

}  // namespace ko
