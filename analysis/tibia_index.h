// SPDX-License-Identifier: GPL-3.0-or-later
// The tibia index from the bending moments and the axial force of a tibia load cell.
#pragma once

namespace ko {

class CData;

// Critical values. Defaults: the mid-size adult male frontal dummy, (MC)R
// 225 N·m and (FC)Z 35.9 kN, from UN ECE Regulation No. 94 (frontal
// collision), its definition of the tibia index.
struct CTibiaCriticalValues {
    double moment = 225.0;   // N·m
    double force = 35900.0;  // N
};

struct CTibiaResult {
    double value = 0.0;
    double time = 0.0;  // s
};

// The largest sqrt(Mx^2 + My^2) / (MC)R + |Fz| / (FC)Z over time. Throws
// std::logic_error "TI: ..." for moments not in "NEWTON-METERS", a force not
// in "NEWTONS" or "KILONEWTONS", samples UniformSamples refuses, channels not
// sampled alike, or a critical value <= 0.
CTibiaResult TibiaIndex(const CData& momentX, const CData& momentY, const CData& axialForce,
                        const CTibiaCriticalValues& critical = {});

}  // namespace ko
