// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/sigma.h"

#include <cmath>
#include <stdexcept>

#include "core/failure.h"
#include "core/signal.h"

namespace ko {

namespace {

std::shared_ptr<CNSignal> BandSignal(const CNSignal& first, std::vector<double> y, const char* name)
{
    auto band = std::make_shared<CNSignal>();
    band->Assign(first);
    band->SetY(std::move(y));
    band->SetFileName("");
    band->SetFallbackName(name);
    // Computed data: no file holds them.
    band->SetModified(true);
    return band;
}

}  // namespace

CSigmaBand MeanPlusMinusSigma(const std::vector<std::shared_ptr<CNSignal>>& signals)
{
    if (signals.empty()) throw CFailure("Empty Container of Signals.");
    for (const auto& s : signals)
        if (!s) throw CFailure("Empty Container of Signals.");
    const auto& first = signals.front();
    const int passes = signals.size() > 2 ? 2 : 1;
    for (int pass = 0; pass < passes; ++pass)
        for (std::size_t s = 1; s < signals.size(); ++s) first->Align(signals[s]);

    // Align may leave signals of unequal length; never read past one.
    const std::size_t n = first->GetY().size();
    for (const auto& s : signals)
        if (s->GetY().size() != n) throw CFailure("Signal lengths not the same.  Resample/Tuncate.");

    const double count = static_cast<double>(signals.size());
    std::vector<double> plus(n), minus(n);
    for (std::size_t k = 0; k < n; ++k) {
        double sum = 0.0;
        for (const auto& s : signals) sum += s->GetY()[k];
        const double mean = sum / count;
        double squares = 0.0;
        for (const auto& s : signals) squares += (s->GetY()[k] - mean) * (s->GetY()[k] - mean);
        const double sigma = std::sqrt(squares / count);
        plus[k] = mean + sigma;
        minus[k] = mean - sigma;
    }
    return {BandSignal(*first, std::move(plus), "Plus 1 Sigma"),
            BandSignal(*first, std::move(minus), "Minus 1 Sigma")};
}

}  // namespace ko
