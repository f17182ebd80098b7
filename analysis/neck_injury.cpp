// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/neck_injury.h"

#include <cmath>
#include <stdexcept>

#include "analysis/criteria_units.h"
#include "analysis/samples.h"
#include "core/failure.h"
#include "core/signal.h"

namespace ko {

const char* LoadCaseName(CNeckLoadCase loadCase)
{
    switch (loadCase) {
        case CNeckLoadCase::TensionExtension: return "NTE";
        case CNeckLoadCase::TensionFlexion: return "NTF";
        case CNeckLoadCase::CompressionExtension: return "NCE";
        case CNeckLoadCase::CompressionFlexion: return "NCF";
    }
    return "";
}

CNijResult Nij(const CData& axialForce, const CData& moment, const CNijIntercepts& intercepts)
{
    const std::string label = "Nij";
    for (double value :
         {intercepts.tension, intercepts.compression, intercepts.flexion, intercepts.extension})
        if (!(value > 0.0)) throw CFailure(label + ": every intercept must be above 0");
    const CSamples fz = UniformSamples(axialForce, label + " force",
                                       ScaleToBase(CQuantity::Force, axialForce.GetYUNITS(), label));
    const CSamples my =
        UniformSamples(moment, label + " moment", ScaleToBase(CQuantity::Moment, moment.GetYUNITS(), label));
    RequireSameTimeBase(fz, my, label, "the force", "the moment");
    CNijResult best{-1.0, 0.0, CNeckLoadCase::TensionExtension};
    for (std::size_t i = 0; i < fz.size(); ++i) {
        const bool tension = fz.values[i] >= 0.0;
        const bool flexion = my.values[i] >= 0.0;
        const double value =
            std::abs(fz.values[i]) / (tension ? intercepts.tension : intercepts.compression) +
            std::abs(my.values[i]) / (flexion ? intercepts.flexion : intercepts.extension);
        if (value > best.value) {
            const auto loadCase =
                tension ? (flexion ? CNeckLoadCase::TensionFlexion : CNeckLoadCase::TensionExtension)
                        : (flexion ? CNeckLoadCase::CompressionFlexion : CNeckLoadCase::CompressionExtension);
            best = {value, fz.TimeAt(i), loadCase};
        }
    }
    return best;
}

}  // namespace ko
