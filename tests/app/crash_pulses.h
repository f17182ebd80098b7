// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <vector>

#include "app/chart_series.h"

// Plot arrays as the document lays them out: subset by subset, padded with
// the null-data value.
struct CPulseArrays {
    unsigned subsets = 0;
    unsigned points = 0;
    double nullValue = 2.220446049250313e-16;
    std::vector<double> x;
    std::vector<double> y;
    QString labels;  // tab-separated, one per subset

    kores::CChartInput Input(const QString& yTitle = "G'S", const QString& xTitle = "SECONDS") const;
};

// Synthetic crash pulses sampled at 10 kHz from t = 0: a deceleration
// half-sine with ringing per subset, each subset a little longer than the one
// before (basePoints + 10 % per subset), so that all but the last are padded.
CPulseArrays CrashPulses(unsigned subsets, unsigned basePoints);
