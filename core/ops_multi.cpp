// SPDX-License-Identifier: GPL-3.0-or-later
// Operations combining several signals: Align, Sum, Average.
#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "core/alignment.h"
#include "core/failure.h"
#include "core/signal.h"

namespace ko {

namespace {

void RequireSignals(const std::vector<std::shared_ptr<CNSignal>>& signals)
{
    if (signals.empty()) throw CFailure("Empty Container of Signals.");
    for (const auto& s : signals)
        if (!s) throw CFailure("Empty Container of Signals.");
}

// The name of an average: the last p characters (p = position of the last
// ".") become "AVG.uds"; names without "." stay.
std::string AverageFileName(const std::string& name)
{
    const auto p = name.rfind('.');
    if (p == std::string::npos) return name;
    return name.substr(0, name.size() - p) + "AVG.uds";
}

}  // namespace

bool CNSignal::Align(const std::shared_ptr<CNSignal>& other)
{
    if (!other) return false;
    const double t = other->GetDEL();
    if (t == 0.0) return false;
    if (!CloseSteps(GetDEL(), t)) Resample(t);
    if (SameIndexRange(*this, *other)) return true;
    const int first = std::max(GetNFP(), other->GetNFP());
    const int last = std::min(GetNLP(), other->GetNLP());
    TruncateIndex(first, last);
    other->TruncateIndex(first, last);
    return GetPointCount() == other->GetPointCount();
}

void CNSignal::Sum(const std::vector<std::shared_ptr<CNSignal>>& signals)
{
    RequireSignals(signals);
    const std::size_t n = signals.front()->GetY().size();
    for (const auto& s : signals)
        if (s->GetY().size() != n) throw CFailure("Signal lengths not the same.  Resample/Tuncate.");

    std::vector<double> sum = signals.front()->GetY();
    for (std::size_t s = 1; s < signals.size(); ++s) {
        const auto& y = signals[s]->GetY();
        for (std::size_t k = 0; k < n; ++k) sum[k] += y[k];
    }
    // Built aside and assigned at the end, so a failure leaves this signal as it was.
    CNSignal result;
    result.Assign(*signals.front());
    result.SetY(std::move(sum));
    result.SetStatus("SUM");
    result.SetModified(true);
    Assign(result);
}

void CNSignal::Average(const std::vector<std::shared_ptr<CNSignal>>& signals)
{
    RequireSignals(signals);
    try {
        Sum(signals);
    } catch (const std::exception& e) {
        throw CFailure(e.what());
    }
    const double scale = 1.0 / static_cast<double>(signals.size());
    for (double& v : YValues()) v *= scale;
    RefreshExtremes();
    RefreshTimes();
    RefreshCount();
    SetModified(true);
    SetStatus("AVERAGE");
    SetFileName(AverageFileName(GetFileName()));
}

}  // namespace ko
