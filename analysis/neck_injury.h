// SPDX-License-Identifier: GPL-3.0-or-later
// The neck injury criterion Nij from the upper neck axial force and moment.
#pragma once

namespace ko {

class CData;

// Critical intercepts. Defaults: the mid-size (50th percentile) adult male
// dummy, from FMVSS No. 208 (49 CFR 571.208, S6.6): Fzc 6806 N in tension and
// 6160 N in compression, Myc 310 N·m in flexion and 135 N·m in extension.
struct CNijIntercepts {
    double tension = 6806.0;      // N
    double compression = 6160.0;  // N
    double flexion = 310.0;       // N·m
    double extension = 135.0;     // N·m
};

enum class CNeckLoadCase { TensionExtension, TensionFlexion, CompressionExtension, CompressionFlexion };

// "NTE", "NTF", "NCE", "NCF".
const char* LoadCaseName(CNeckLoadCase loadCase);

struct CNijResult {
    double value = 0.0;
    double time = 0.0;  // s
    CNeckLoadCase loadCase = CNeckLoadCase::TensionExtension;
};

// The largest |Fz| / Fzc + |My| / Myc over time, the intercepts chosen at each
// sample by the signs: Fz >= 0 tension, My >= 0 flexion (the moment taken as
// given, at the occipital condyle). Throws std::logic_error "Nij: ..." for a
// force not in "NEWTONS" or "KILONEWTONS", a moment not in "NEWTON-METERS",
// samples UniformSamples refuses, channels not sampled alike, or an intercept <= 0.
CNijResult Nij(const CData& axialForce, const CData& moment, const CNijIntercepts& intercepts = {});

}  // namespace ko
