// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/samples.h"

#include <cmath>
#include <stdexcept>

#include "core/failure.h"
#include "core/number_text.h"
#include "core/signal.h"
#include "core/units.h"

namespace ko {

namespace {

// The step the x values follow: DEL when it is set, else their mean spacing.
double StepOf(const CData& signal, const std::string& label)
{
    const auto& x = signal.GetX();
    const double mean = (x.back() - x.front()) / static_cast<double>(x.size() - 1);
    const double del = signal.GetDEL();
    const double step = del > 0.0 ? del : mean;
    if (!(step > 0.0) || !std::isfinite(step))
        throw CFailure(label + ": the time does not increase from sample to sample");
    return step;
}

// One step from previous to x; single-precision x values (from UDS files) stay well inside.
bool OneStep(double previous, double x, double step)
{
    return std::abs(x - previous - step) <= 0.01 * step + 2.4e-7 * std::abs(x);
}

}  // namespace

std::string MillisecondsText(double seconds)
{
    return WithoutNegativeZero(FixedText(seconds * 1000.0, 3)) + " ms";
}

CTimeBase CheckedTimeBase(const CData& signal, const std::string& label)
{
    if (!IsSeconds(signal.GetXUNITS()))
        throw CFailure(label + ": time must be in SECONDS, not '" + signal.GetXUNITS() + "'");
    const auto& x = signal.GetX();
    const auto& y = signal.GetY();
    if (y.size() < 2) throw CFailure(label + ": fewer than two samples");
    if (x.size() != y.size()) throw CFailure(label + ": the time and the values differ in length");
    for (std::size_t i = 0; i < x.size(); ++i)
        if (!std::isfinite(x[i])) throw CFailure(label + ": time " + std::to_string(i) + " is not a number");
    const CTimeBase base{x.front(), StepOf(signal, label)};
    for (std::size_t i = 1; i < x.size(); ++i)
        if (!OneStep(x[i - 1], x[i], base.step))
            throw CFailure(label + ": the time steps are not uniform at " + MillisecondsText(x[i]));
    for (std::size_t i = 0; i < y.size(); ++i)
        if (!std::isfinite(y[i]))
            throw CFailure(label + ": the sample at " + MillisecondsText(x[i]) + " is not a number");
    return base;
}

CSamples UniformSamples(const CData& signal, const std::string& label, double scale)
{
    const CTimeBase base = CheckedTimeBase(signal, label);
    CSamples samples{base.start, base.step, signal.GetY()};
    for (double& value : samples.values) value *= scale;
    return samples;
}

void RequireSameTimeBase(const CSamples& samples, const CSamples& other, const std::string& label,
                         const std::string& what, const std::string& otherWhat)
{
    const bool same = samples.size() == other.size() &&
                      std::abs(samples.step - other.step) <= 1e-6 * samples.step &&
                      std::abs(samples.start - other.start) <= 0.01 * samples.step;
    if (!same) throw CFailure(label + ": " + what + " and " + otherWhat + " are not sampled alike");
}

}  // namespace ko
