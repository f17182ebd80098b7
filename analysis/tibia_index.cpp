// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/tibia_index.h"

#include <cmath>
#include <stdexcept>

#include "analysis/criteria_units.h"
#include "analysis/samples.h"
#include "core/failure.h"
#include "core/signal.h"

namespace ko {

CTibiaResult TibiaIndex(const CData& momentX, const CData& momentY, const CData& axialForce,
                        const CTibiaCriticalValues& critical)
{
    const std::string label = "TI";
    if (!(critical.moment > 0.0) || !(critical.force > 0.0))
        throw CFailure(label + ": the critical moment and force must be above 0");
    const CSamples mx = UniformSamples(momentX, label + " moment x",
                                       ScaleToBase(CQuantity::Moment, momentX.GetYUNITS(), label));
    const CSamples my = UniformSamples(momentY, label + " moment y",
                                       ScaleToBase(CQuantity::Moment, momentY.GetYUNITS(), label));
    const CSamples fz = UniformSamples(axialForce, label + " force",
                                       ScaleToBase(CQuantity::Force, axialForce.GetYUNITS(), label));
    RequireSameTimeBase(mx, my, label, "the moment x", "the moment y");
    RequireSameTimeBase(mx, fz, label, "the moments", "the force");
    CTibiaResult best{-1.0, 0.0};
    for (std::size_t i = 0; i < mx.size(); ++i) {
        const double bending = std::hypot(mx.values[i], my.values[i]);
        const double value = bending / critical.moment + std::abs(fz.values[i]) / critical.force;
        if (value > best.value) best = {value, mx.TimeAt(i)};
    }
    return best;
}

}  // namespace ko
