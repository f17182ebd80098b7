// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <span>

#include "core/ops_butterworth.h"

namespace ko {

// One signal's values for the batch filter.
struct CButterworthJob {
    std::span<double> y;
    double t = 0.0;       // time step, s
    double f = 0.0;       // -3 dB frequency, Hz
    CButterworthRun run;  // filled in by the batch
};

// ButterworthInPlace on every job, with results bit for bit the same: the
// recurrences of several signals run side by side (each lane does exactly
// the one-signal operations), and groups of signals go to up to threads
// threads (0: one per hardware thread). The checks run first: the first job
// that fails them throws ButterworthInPlace's failure, and no values change.
void ButterworthInPlaceBatch(std::span<CButterworthJob> jobs, unsigned threads = 0);

}  // namespace ko
