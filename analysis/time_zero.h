// SPDX-License-Identifier: GPL-3.0-or-later
// Bringing the time zeros of several tests' signals together.
#pragma once
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace ko {

class CNSignal;

enum class CTimeZeroMethod {
    Threshold,         // the first crossing of a threshold
    CrossCorrelation,  // the lag of the best normalised cross-correlation with the reference
};

struct CTimeZeroRule {
    CTimeZeroMethod method = CTimeZeroMethod::Threshold;
    double threshold = 0.0;     // in the signals' units; a negative one is crossed downwards
    std::size_t reference = 0;  // the signal that keeps its time
    double maxLag = 0.02;       // s, the largest shift cross-correlation tries
};

struct CTimeShift {
    int steps = 0;         // time steps added to the signal's time
    double seconds = 0.0;  // the same in seconds
    std::string failure;   // not empty: no shift for this signal, and why
};

// The shift of each signal that brings it to the reference, in whole time
// steps of the signal; signals are not changed. A signal whose shift cannot be
// found gets a failure text and the others are still computed. Throws
// std::logic_error "Time zero: ..." when the reference is missing or itself fails.
std::vector<CTimeShift> TimeZeroShifts(const std::vector<std::shared_ptr<CNSignal>>& signals,
                                       const CTimeZeroRule& rule);

// Moves the signal by steps time steps: NFP and NLP change, each of the
// signal's own x values moves by steps * DEL, status "ALIGEND", modified. Throws std::logic_error for DEL 0.
void ShiftTime(CNSignal& signal, int steps);

// TimeZeroShifts, then ShiftTime on every signal with a shift other than 0.
std::vector<CTimeShift> AlignTimeZero(const std::vector<std::shared_ptr<CNSignal>>& signals,
                                      const CTimeZeroRule& rule);

}  // namespace ko
