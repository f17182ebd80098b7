// SPDX-License-Identifier: GPL-3.0-or-later
#include "samples/sample_signal.h"

#include <algorithm>
#include <cmath>

// Keep every product and sum rounded on its own so that all machines agree.
#if defined(__clang__)
#pragma clang fp contract(off)
#endif

namespace ko {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kGravity = 9.80665;  // m/s^2 per G
constexpr double kBumpArea = 16.0 / 30.0;

double Bump(double u)
{
    const double v = u * (1.0 - u);
    return 16.0 * v * v;
}

// The shape alone, without offset, noise or clipping, at window fraction u.
double Shape(const CSampleCurve& curve, double u)
{
    using Shape = CSampleCurve::Shape;
    const double inside = u > 0.0 && u < 1.0 ? 1.0 : 0.0;
    switch (curve.shape) {
        case Shape::Pulse: {
            const double waves = 0.7 * SampleSine(6.0 * kPi * u) + 0.3 * SampleSine(14.0 * kPi * u);
            return inside * curve.peak * Bump(u) * (1.0 + curve.ringing * waves);
        }
        case Shape::Deflection: {
            if (u >= 1.0) return curve.peak * curve.residual;
            const double held = u >= 0.5 ? curve.residual + (1.0 - curve.residual) * Bump(u) : Bump(u);
            return inside * curve.peak * held;
        }
        case Shape::Oscillation: return inside * curve.peak * Bump(u) * SampleSine(4.0 * kPi * u);
        case Shape::Ramp: {
            const double s = std::clamp(u, 0.0, 1.0);
            return curve.peak * s * s * (3.0 - 2.0 * s);
        }
        case Shape::Flat: break;
    }
    return 0.0;
}

}  // namespace

std::uint64_t CSampleRandom::Next()
{
    // splitmix64
    state_ += 0x9E3779B97F4A7C15ull;
    std::uint64_t z = state_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double CSampleRandom::Uniform()
{
    return static_cast<double>(Next() >> 11) * (1.0 / 9007199254740992.0);
}

double CSampleRandom::Normal()
{
    double sum = 0.0;
    for (int i = 0; i < 12; ++i) sum += Uniform();
    return sum - 6.0;
}

double SampleSine(double x)
{
    // Reduce to [-pi, pi], then the Taylor series to x^23.
    x -= 2.0 * kPi * std::nearbyint(x / (2.0 * kPi));
    const double square = x * x;
    double term = x;
    double sum = x;
    for (int n = 1; n <= 11; ++n) {
        term = -term * square / ((2.0 * n) * (2.0 * n + 1.0));
        sum += term;
    }
    return sum;
}

double PulsePeakForSpeed(double kmh, double duration)
{
    return kmh / 3.6 / (kGravity * duration * kBumpArea);
}

std::vector<double> SampleValues(const CSampleCurve& curve, int firstPoint, int count, double step,
                                 CSampleRandom& random)
{
    std::vector<double> values(static_cast<std::size_t>(std::max(count, 0)));
    for (std::size_t i = 0; i < values.size(); ++i) {
        const double t = (firstPoint + static_cast<double>(i)) * step;
        double value = Shape(curve, (t - curve.start) / curve.duration) + curve.offset;
        value += curve.noise * random.Normal();
        if (curve.clip > 0.0) value = std::clamp(value, -curve.clip, curve.clip);
        values[i] = value;
    }
    return values;
}

std::vector<double> SampleResultant(const std::vector<double>& a, const std::vector<double>& b,
                                    const std::vector<double>& c)
{
    std::vector<double> values(std::min({a.size(), b.size(), c.size()}));
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = std::sqrt(a[i] * a[i] + b[i] * b[i] + c[i] * c[i]);
    return values;
}

}  // namespace ko
