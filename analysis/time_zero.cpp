// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/time_zero.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <stdexcept>

#include "analysis/samples.h"
#include "core/failure.h"
#include "core/number_text.h"
#include "core/signal.h"

namespace ko {

namespace {

const std::string kLabel = "Time zero";

double CrossingTime(const CSamples& samples, double threshold)
{
    const double sign = threshold < 0.0 ? -1.0 : 1.0;
    const auto& v = samples.values;
    if (sign * v[0] >= sign * threshold)
        throw CFailure(kLabel + ": the signal is beyond " + GeneralText(threshold) +
                       " from its first sample");
    for (std::size_t i = 1; i < v.size(); ++i) {
        if (sign * v[i] < sign * threshold) continue;
        const double fraction = (threshold - v[i - 1]) / (v[i] - v[i - 1]);
        return samples.TimeAt(i - 1) + fraction * samples.step;
    }
    throw CFailure(kLabel + ": the signal never reaches " + GeneralText(threshold));
}

struct CLagScore {
    double correlation = -2.0;
    long lag = 0;
};

// The normalised correlation of reference and other moved by lag steps, over
// the samples they then share (at least half of the shorter one).
std::optional<double> Correlation(const CSamples& reference, const CSamples& other, long offset, long lag)
{
    const long nr = static_cast<long>(reference.size()), no = static_cast<long>(other.size());
    const long first = std::max(0L, offset + lag), last = std::min(nr, offset + lag + no);
    if (2 * (last - first) < std::min(nr, no)) return std::nullopt;
    double rs = 0.0, rr = 0.0, ss = 0.0;
    for (long i = first; i < last; ++i) {
        const double r = reference.values[static_cast<std::size_t>(i)];
        const double s = other.values[static_cast<std::size_t>(i - offset - lag)];
        rs += r * s, rr += r * r, ss += s * s;
    }
    if (rr <= 0.0 || ss <= 0.0) return std::nullopt;
    return rs / std::sqrt(rr * ss);
}

// Seconds to add to other's time so that it best matches reference.
double CorrelationShift(const CSamples& reference, const CNSignal& signal, double maxLag)
{
    CNSignal copy;
    copy.Assign(signal);
    if (std::abs(copy.GetDEL() - reference.step) > 1e-4 * reference.step) copy.Resample(reference.step);
    const CSamples other = UniformSamples(copy, kLabel);
    const long offset = std::lround((other.start - reference.start) / reference.step);
    const long reach = std::lround(maxLag / reference.step);
    CLagScore best;
    for (long lag = -reach; lag <= reach; ++lag) {
        const auto score = Correlation(reference, other, offset, lag);
        if (score && (*score > best.correlation ||
                      (*score == best.correlation && std::labs(lag) < std::labs(best.lag))))
            best = {*score, lag};
    }
    if (best.correlation < -1.5)
        throw CFailure(kLabel + ": the signal shares too little time with the reference");
    return static_cast<double>(best.lag) * reference.step;
}

CTimeShift ShiftOf(const CNSignal& signal, const CNSignal& referenceSignal, const CSamples& reference,
                   double referenceCrossing, const CTimeZeroRule& rule)
{
    if (!(signal.GetDEL() > 0.0)) throw CFailure(kLabel + ": the signal has no time step (DEL 0)");
    if (signal.GetYUNITS() != referenceSignal.GetYUNITS())
        throw CFailure(kLabel + ": the signal is in '" + signal.GetYUNITS() + "', the reference in '" +
                       referenceSignal.GetYUNITS() + "'");
    double seconds = 0.0;
    if (rule.method == CTimeZeroMethod::Threshold)
        seconds = referenceCrossing - CrossingTime(UniformSamples(signal, kLabel), rule.threshold);
    else
        seconds = CorrelationShift(reference, signal, rule.maxLag);
    CTimeShift shift;
    shift.steps = static_cast<int>(std::lround(seconds / signal.GetDEL()));
    shift.seconds = shift.steps * signal.GetDEL();
    return shift;
}

}  // namespace

std::vector<CTimeShift> TimeZeroShifts(const std::vector<std::shared_ptr<CNSignal>>& signals,
                                       const CTimeZeroRule& rule)
{
    if (rule.reference >= signals.size() || !signals[rule.reference])
        throw CFailure(kLabel + ": no reference signal");
    if (rule.method == CTimeZeroMethod::CrossCorrelation && !(rule.maxLag >= 0.0))
        throw CFailure(kLabel + ": the largest shift must not be negative");
    const CNSignal& referenceSignal = *signals[rule.reference];
    CSamples reference;
    double crossing = 0.0;
    try {
        if (!(referenceSignal.GetDEL() > 0.0))
            throw CFailure(kLabel + ": the signal has no time step (DEL 0)");
        reference = UniformSamples(referenceSignal, kLabel);
        if (rule.method == CTimeZeroMethod::Threshold) crossing = CrossingTime(reference, rule.threshold);
    } catch (const std::logic_error& e) {
        throw CFailure(std::string(e.what()) + " (the reference)");
    }
    std::vector<CTimeShift> shifts(signals.size());
    for (std::size_t i = 0; i < signals.size(); ++i) {
        if (i == rule.reference) continue;
        try {
            if (!signals[i]) throw CFailure(kLabel + ": no signal");
            shifts[i] = ShiftOf(*signals[i], referenceSignal, reference, crossing, rule);
        } catch (const std::logic_error& e) {
            shifts[i].failure = e.what();
        }
    }
    return shifts;
}

void ShiftTime(CNSignal& signal, int steps)
{
    if (!(signal.GetDEL() > 0.0)) throw CFailure(kLabel + ": the signal has no time step (DEL 0)");
    signal.SetNFP(signal.GetNFP() + steps);
    signal.SetNLP(signal.GetNLP() + steps);
    std::vector<double> x = signal.GetX();
    const double offset = steps * signal.GetDEL();
    for (double& value : x) value += offset;
    signal.TakeData(std::move(x), signal.GetY(), signal.GetZ());
    signal.SetStatus("ALIGEND");
    signal.SetModified(true);
}

std::vector<CTimeShift> AlignTimeZero(const std::vector<std::shared_ptr<CNSignal>>& signals,
                                      const CTimeZeroRule& rule)
{
    std::vector<CTimeShift> shifts = TimeZeroShifts(signals, rule);
    for (std::size_t i = 0; i < signals.size(); ++i)
        if (shifts[i].failure.empty() && shifts[i].steps != 0) ShiftTime(*signals[i], shifts[i].steps);
    return shifts;
}

}  // namespace ko
