// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/viscous.h"

#include <stdexcept>

#include "analysis/criteria_units.h"
#include "analysis/samples.h"
#include "core/failure.h"
#include "core/signal.h"

namespace ko {

CViscousResult ViscousCriterion(const CData& deflection, const CViscousParameters& parameters)
{
    const std::string label = "VC";
    if (!(parameters.deformationConstant > 0.0) || !(parameters.scaleFactor > 0.0))
        throw CFailure(label + ": the scale factor and the deformation constant must be above 0");
    const double toMeters = ScaleToBase(CQuantity::Deflection, deflection.GetYUNITS(), label) * 0.001;
    const CSamples d = UniformSamples(deflection, label, toMeters);
    if (d.size() < 5) throw CFailure(label + ": fewer than five samples");
    const double depth = parameters.deformationConstant * 0.001;
    const auto& v = d.values;
    CViscousResult best{0.0, d.TimeAt(2)};
    bool first = true;
    for (std::size_t i = 2; i + 2 < v.size(); ++i) {
        const double velocity = (8.0 * (v[i + 1] - v[i - 1]) - (v[i + 2] - v[i - 2])) / (12.0 * d.step);
        const double vc = parameters.scaleFactor * velocity * (v[i] / depth);
        if (first || vc > best.value) best = {vc, d.TimeAt(i)};
        first = false;
    }
    return best;
}

}  // namespace ko
