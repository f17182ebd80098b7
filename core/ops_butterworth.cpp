// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ops_butterworth.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "core/failure.h"

namespace ko {

namespace {

constexpr double kTwoPi = 6.2831853;
constexpr double kWarp = 1.2465;
constexpr double kNyquistMargin = 0.775;
constexpr double kTailTime = 0.01;

}  // namespace

CButterworthSection ButterworthCoefficients(double t, double f)
{
    const double wd = kTwoPi * kWarp * f;
    const double wa = std::sin(wd * t / 2.0) / std::cos(wd * t / 2.0);
    const double root2 = std::sqrt(2.0);
    const double d = 1.0 + root2 * wa + wa * wa;
    CButterworthSection c;
    c.a0 = wa * wa / d;
    c.a1 = 2.0 * c.a0;
    c.a2 = c.a0;
    c.b1 = -2.0 * (wa * wa - 1.0) / d;
    c.b2 = (-1.0 + root2 * wa - wa * wa) / d;
    return c;
}

bool ButterworthAboveNyquist(double t, double f)
{
    return f > 0.5 / t * kNyquistMargin;
}

std::size_t ButterworthTailLength(double t, double f)
{
    const double byPeriod = std::trunc(kTailTime / (t * std::min(1.0, f * 0.01)) + 0.5);
    const double byTime = std::trunc(kTailTime / t + 0.5);
    const double nt = std::max({byPeriod, byTime, 1.0});
    // Anything this long exceeds every data length and is limited by the caller.
    constexpr double kCap = 1e15;
    return nt < kCap ? static_cast<std::size_t>(nt) : static_cast<std::size_t>(kCap);
}

CSectionState ButterworthForwardStart(std::span<const double> y, const CButterworthSection& c, std::size_t nt)
{
    const double s = 2.0 * y[0];
    double sum = 0.0;
    for (std::size_t k = nt / 2 + 1; k <= nt; ++k) sum += y[k];
    const double start = s - sum / static_cast<double>(nt - nt / 2);
    CSectionState st{s - y[nt - 1], s - y[nt], start, start};
    for (std::size_t k = nt - 1; k-- > 1;) Step(c, st, s - y[k]);  // k = nt-2 .. 1
    return st;
}

CSectionState ButterworthBackwardStart(std::span<const double> y, const CButterworthSection& c,
                                       std::size_t nt)
{
    const std::size_t n = y.size();
    const double s = 2.0 * y[n - 1];
    double sum = 0.0;
    for (std::size_t k = nt / 2 + 1; k <= nt; ++k) sum += y[n - 1 - k];
    const double start = s - sum / static_cast<double>(nt - nt / 2);
    // Start values nt and nt + 1 samples before the end, as established.
    CSectionState st{s - y[n - nt - 2], s - y[n - nt - 1], start, start};
    for (std::size_t k = n - nt + 3; k + 2 <= n; ++k) Step(c, st, s - y[k]);  // up to n-2
    return st;
}

void ButterworthForward(std::span<double> y, const CButterworthSection& c, std::size_t nt)
{
    CSectionState st = ButterworthForwardStart(y, c, nt);
    for (double& v : y) v = Step(c, st, v);
}

void ButterworthBackward(std::span<double> y, const CButterworthSection& c, std::size_t nt)
{
    CSectionState st = ButterworthBackwardStart(y, c, nt);
    for (std::size_t k = y.size(); k-- > 0;) y[k] = Step(c, st, y[k]);
}

CButterworthRun ButterworthPlan(std::size_t n, double t, double f)
{
    if (n == 0) throw CFailure("Nonpositive number of Data Points");
    if (!(t > 0.0)) throw CFailure("Nonpositive time step");
    if (!(f > 0.0)) throw CFailure("Nonpositive Cutoff Frequency");
    // The reflected tails need two values besides the first; fewer are refused
    // rather than guessed.
    if (n < 3) throw CFailure("Too few data points to filter (at least 3 are needed)");
    CButterworthRun run;
    if (ButterworthAboveNyquist(t, f)) return run;
    run.tail = ButterworthTailLength(t, f);
    if (run.tail > n - 2) {
        run.tail = n - 2;
        run.tailShortened = true;
    }
    run.filtered = true;
    return run;
}

CButterworthRun ButterworthInPlace(std::span<double> y, double t, double f)
{
    const CButterworthRun run = ButterworthPlan(y.size(), t, f);
    if (!run.filtered) return run;
    const CButterworthSection c = ButterworthCoefficients(t, f);
    ButterworthForward(y, c, run.tail);
    ButterworthBackward(y, c, run.tail);
    return run;
}

}  // namespace ko
