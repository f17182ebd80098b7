// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/corridor.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "analysis/samples.h"
#include "core/alignment.h"
#include "core/failure.h"
#include "core/sigma.h"
#include "core/signal.h"

namespace ko {

namespace {

const std::string kLabel = "Corridor";

// The signals that may enter the corridor; the others get their failure.
// Aligning them changes them, so they are copies unless it would not.
std::vector<std::shared_ptr<CNSignal>> Members(const std::vector<std::shared_ptr<CNSignal>>& signals,
                                               std::vector<COutlier>& outliers,
                                               std::vector<std::size_t>& index)
{
    std::vector<std::shared_ptr<CNSignal>> members;
    for (std::size_t i = 0; i < signals.size(); ++i) {
        try {
            if (!signals[i]) throw CFailure(kLabel + ": no signal");
            UniformSamples(*signals[i], kLabel);
            if (!members.empty() && signals[i]->GetYUNITS() != members.front()->GetYUNITS())
                throw CFailure(kLabel + ": the signal is in '" + signals[i]->GetYUNITS() +
                               "', the corridor in '" + members.front()->GetYUNITS() + "'");
        } catch (const std::logic_error& e) {
            outliers[i].failure = e.what();
            continue;
        }
        members.push_back(signals[i]);
        index.push_back(i);
    }
    const bool aligned = std::all_of(members.begin(), members.end(), [&](const auto& member) {
        return AlignsUnchanged(*members.front(), *member);
    });
    if (aligned) return members;
    for (auto& member : members) {
        auto copy = std::make_shared<CNSignal>();
        copy->Assign(*member);
        member = std::move(copy);
    }
    return members;
}

bool Beyond(double value, double border)
{
    return value - border > 1e-9 * (std::abs(value) + std::abs(border));
}

}  // namespace

std::vector<COutlier> CorridorOutliers(const std::vector<std::shared_ptr<CNSignal>>& signals, double k)
{
    if (!(k >= 0.0)) throw CFailure(kLabel + ": k must not be negative");
    std::vector<COutlier> outliers(signals.size());
    std::vector<std::size_t> index;
    const auto members = Members(signals, outliers, index);
    if (members.size() < 2) throw CFailure(kLabel + ": fewer than two signals to compare");
    const CSigmaBand band = MeanPlusMinusSigma(members);
    const auto& plus = band.plus->GetY();
    const auto& minus = band.minus->GetY();
    const auto& x = band.plus->GetX();
    for (std::size_t m = 0; m < members.size(); ++m) {
        const auto& y = members[m]->GetY();
        COutlier& outlier = outliers[index[m]];
        std::size_t outside = 0;
        for (std::size_t i = 0; i < y.size(); ++i) {
            const double mean = 0.5 * (plus[i] + minus[i]), sigma = 0.5 * (plus[i] - minus[i]);
            const double upper = mean + k * sigma, lower = mean - k * sigma;
            const double excursion = Beyond(y[i], upper)   ? y[i] - upper
                                     : Beyond(lower, y[i]) ? lower - y[i]
                                                           : 0.0;
            if (excursion <= 0.0) continue;
            ++outside;
            if (excursion > outlier.largestExcursion)
                outlier.largestExcursion = excursion, outlier.time = x[i];
        }
        outlier.fractionOutside =
            y.empty() ? 0.0 : static_cast<double>(outside) / static_cast<double>(y.size());
    }
    return outliers;
}

}  // namespace ko
