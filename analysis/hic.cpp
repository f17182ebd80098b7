// SPDX-License-Identifier: GPL-3.0-or-later
// Search: for a start sample i let M be the largest sample of i .. i + w and P
// the integral from i over w steps (|a| >= 0, so no window from i integrates to
// more). Any window from i has an integral I <= P and a mean I / T <= M, so
// HIC = I * (I / T)^1.5 <= P * M^1.5. Starts whose bound does not exceed the
// best window found so far are skipped; the start with the highest bound goes
// first so that the bar is high from the outset. M comes from a streaming
// sliding-window maximum, so the bounds cost O(n) and no memory beyond the
// running integral; only starts that can still win are searched, and within
// them only the lengths whose block bound can still win.
#include "analysis/hic.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

#include "analysis/criteria_units.h"
#include "analysis/samples.h"
#include "core/failure.h"
#include "core/number_text.h"
#include "core/signal.h"

namespace ko {

namespace {

// The largest of |values[i .. i + width]| for i = 0, 1, 2, ... in turn (the
// window cut at the end): the classic monotone queue, in a ring of width + 2
// indices so that no memory grows with the signal.
class CSlidingMaxMagnitude {
public:
    CSlidingMaxMagnitude(std::span<const double> values, std::size_t width)
        : values_(values), width_(width), ring_(width + 2)
    {
    }

    // Call with i = 0, 1, 2, ...
    double At(std::size_t i)
    {
        for (; next_ < values_.size() && next_ <= i + width_; ++next_) {
            while (size_ > 0 && std::abs(values_[Back()]) <= std::abs(values_[next_])) --size_;
            ring_[Wrap(head_ + size_++)] = next_;
        }
        while (ring_[head_] < i) head_ = Wrap(head_ + 1), --size_;
        return std::abs(values_[ring_[head_]]);
    }

private:
    std::size_t Wrap(std::size_t k) const { return k >= ring_.size() ? k - ring_.size() : k; }
    std::size_t Back() const { return ring_[Wrap(head_ + size_ - 1)]; }

    std::span<const double> values_;
    std::size_t width_;
    std::vector<std::size_t> ring_;
    std::size_t head_ = 0, size_ = 0, next_ = 0;
};

struct CRowBest {
    double key = 0.0;  // d^5 / k^3, d the integral of |a| over k steps in units of step: HIC^2 up to a factor
    std::size_t last = 0;
};

// Windows from one start are tried in blocks of kBlock lengths, blocks in
// spans of kSpan lengths. Over lengths k0 .. k1 the integral d(k) is at most
// d(k1) and 1 / k^3 at most 1 / k0^3, in floating point as well (every step
// of the key is monotone), so no key inside exceeds d(k1)^5 / k0^3: a span or
// block whose bound does not beat the best so far holds no better window.
constexpr std::size_t kBlock = 32;
constexpr std::size_t kSpan = 32 * kBlock;

double KeyOf(double d, double inverseCube)
{
    const double d2 = d * d;
    return d2 * d2 * d * inverseCube;
}

// The best window that starts at first and has a key above floor: the first
// length with the largest key; key floor when there is none.
CRowBest BestFrom(const std::vector<double>& cumulative, std::size_t first,
                  const std::vector<double>& inverseCubes, double floor)
{
    CRowBest best{floor, first};
    const std::size_t steps = std::min(inverseCubes.size() - 1, cumulative.size() - 1 - first);
    const double base = cumulative[first];
    const auto bound = [&](std::size_t k0, std::size_t k1) {
        return KeyOf(cumulative[first + k1] - base, inverseCubes[k0]);
    };
    for (std::size_t s0 = 1; s0 <= steps; s0 += kSpan) {
        const std::size_t s1 = std::min(steps, s0 + kSpan - 1);
        if (!(bound(s0, s1) > best.key)) continue;
        for (std::size_t k0 = s0; k0 <= s1; k0 += kBlock) {
            const std::size_t k1 = std::min(s1, k0 + kBlock - 1);
            if (!(bound(k0, k1) > best.key)) continue;
            for (std::size_t k = k0; k <= k1; ++k) {
                const double key = KeyOf(cumulative[first + k] - base, inverseCubes[k]);
                if (key > best.key) best = {key, first + k};
            }
        }
    }
    return best;
}

}  // namespace

std::string HicLabel(double window)
{
    return "HIC" + FixedText(window * 1000.0, 0);
}

CHicResult HicOfSamples(std::span<const double> a, double scale, double step, std::size_t windowSteps)
{
    const std::size_t n = a.size();
    if (n < 2 || windowSteps == 0) return {};
    // The trapezoid integral of |a| in units of step, and of scale: both come in at the end.
    std::vector<double> cumulative(n, 0.0);
    for (std::size_t i = 1; i < n; ++i)
        cumulative[i] = cumulative[i - 1] + 0.5 * (std::abs(a[i - 1]) + std::abs(a[i]));
    std::vector<double> inverseCubes(windowSteps + 1, 0.0);
    for (std::size_t k = 1; k <= windowSteps; ++k)
        inverseCubes[k] = 1.0 / (double(k) * double(k) * double(k));

    // Widened by far more than the rounding of either side, so no start is skipped wrongly.
    const auto bound = [&](std::size_t i, double peak) {
        const double p = cumulative[std::min(i + windowSteps, n - 1)] - cumulative[i];
        return p * p * peak * peak * peak * (1.0 + 1e-9);
    };
    std::size_t top = 0;
    double topBound = -1.0;
    CSlidingMaxMagnitude peaks(a, windowSteps);
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const double b = bound(i, peaks.At(i));
        if (b > topBound) top = i, topBound = b;
    }
    std::size_t first = top;
    CRowBest best = BestFrom(cumulative, top, inverseCubes, 0.0);
    CSlidingMaxMagnitude again(a, windowSteps);
    for (std::size_t i = 0; i + 1 < n; ++i) {
        if (!(bound(i, again.At(i)) > best.key) || i == top) continue;
        const CRowBest row = BestFrom(cumulative, i, inverseCubes, best.key);
        if (row.key > best.key) best = row, first = i;
    }
    if (best.key <= 0.0) return {};
    // The value from the window's own sum, free of the running sum's rounding.
    double integral = 0.0;
    for (std::size_t i = first; i < best.last; ++i)
        integral += 0.5 * (std::abs(a[i]) + std::abs(a[i + 1])) * scale * step;
    const double duration = static_cast<double>(best.last - first) * step;
    return {duration * std::pow(integral / duration, 2.5), double(first), double(best.last)};
}

CHicResult Hic(const CData& acceleration, double window)
{
    const std::string label = HicLabel(window);
    const double scale = ScaleToBase(CQuantity::Acceleration, acceleration.GetYUNITS(), label);
    const CTimeBase base = CheckedTimeBase(acceleration, label);
    const std::vector<double>& values = acceleration.GetY();
    const auto windowSteps = static_cast<std::size_t>(std::floor(window / base.step + 1e-6));
    const double duration = base.step * static_cast<double>(values.size() - 1);
    if (windowSteps == 0 || values.size() - 1 < windowSteps)
        throw CFailure(label + ": the signal lasts " + MillisecondsText(duration) + ", less than the " +
                       MillisecondsText(window) + " window");
    CHicResult result = HicOfSamples(values, scale, base.step, windowSteps);
    result.t1 = base.start + base.step * result.t1;
    result.t2 = base.start + base.step * result.t2;
    return result;
}

}  // namespace ko
