// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/resultant.h"

#include <cmath>
#include <stdexcept>
#include <vector>

#include "analysis/samples.h"
#include "core/failure.h"
#include "core/signal.h"

namespace ko {

std::shared_ptr<CNSignal> Resultant(const CNSignal& x, const CNSignal& y, const CNSignal& z)
{
    const std::string label = "Resultant";
    const CSamples sx = UniformSamples(x, label + " x axis");
    const CSamples sy = UniformSamples(y, label + " y axis");
    const CSamples sz = UniformSamples(z, label + " z axis");
    for (const CNSignal* axis : {&y, &z})
        if (axis->GetYUNITS() != x.GetYUNITS())
            throw CFailure(label + ": the axes differ in units ('" + x.GetYUNITS() + "' and '" +
                           axis->GetYUNITS() + "')");
    RequireSameTimeBase(sx, sy, label, "the x axis", "the y axis");
    RequireSameTimeBase(sx, sz, label, "the x axis", "the z axis");
    std::vector<double> values(sx.size());
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = std::sqrt(sx.values[i] * sx.values[i] + sy.values[i] * sy.values[i] +
                              sz.values[i] * sz.values[i]);
    auto result = std::make_shared<CNSignal>();
    result->Assign(x);
    result->SetY(std::move(values));
    result->SetAXIS("RS");
    result->SetStatus("COMPUTED");
    result->SetFileName("");
    result->SetFallbackName("Resultant");
    result->SetModified(true);
    return result;
}

}  // namespace ko
