// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ops_derivative.h"

#include <algorithm>
#include <cmath>

namespace ko {

namespace {

constexpr double kHuge = 1e38;

bool Close(double a, double b)
{
    if (a == 0.0 && b == 0.0) return true;
    return std::max(std::fabs(a), std::fabs(b)) * 1e-5 > std::fabs(a - b);
}

double Clamp(double v)
{
    if (std::isnan(v)) return kHuge;
    return std::clamp(v, -kHuge, kHuge);
}

// Slope of the chord from a to b.
double Secant(CSlopePoint a, CSlopePoint b)
{
    return (b.y - a.y) / (b.x - a.x);
}

// Slope of the parabola through the three points at x = e.
double ParabolaSlope(CSlopePoint p1, CSlopePoint p2, CSlopePoint p3, double e)
{
    return (2 * e - p2.x - p3.x) * p1.y / ((p1.x - p2.x) * (p1.x - p3.x)) +
           (2 * e - p1.x - p3.x) * p2.y / ((p2.x - p3.x) * (p2.x - p1.x)) +
           (2 * e - p1.x - p2.x) * p3.y / ((p3.x - p1.x) * (p3.x - p2.x));
}

CSlope AllXEqual(CSlopePoint p1, CSlopePoint p2, CSlopePoint p3, int position)
{
    const bool flat = position == 0 ? p1.y == p2.y : position == 1 ? p1.y == p3.y : p2.y == p3.y;
    if (flat) return {0.0, -3};
    return {std::copysign(kHuge, p3.y - p1.y), -4};
}

}  // namespace

CSlope ThreePointSlope(CSlopePoint p1, CSlopePoint p2, CSlopePoint p3, int position)
{
    if (p1.x == p2.x && p2.x == p3.x) return AllXEqual(p1, p2, p3, position);
    if (p1.x == p2.x) return {Secant(p2, p3), 2};
    if (p2.x == p3.x) return {Secant(p1, p2), 1};
    const double left = std::fabs(p2.x - p1.x);
    const double r = left / (std::fabs(p3.x - p2.x) + left);
    const bool nearFirst = Close(p2.x, p1.x);
    const bool nearLast = Close(p2.x, p3.x);
    if (r < 0.25 && nearFirst) return {Secant(p2, p3), 2};
    if (r > 0.75 && nearLast) return {Secant(p1, p2), 1};
    const bool between = (p1.x <= p2.x && p2.x <= p3.x) || (p3.x <= p2.x && p2.x <= p1.x);
    if (between) {
        const double e = position == 0 ? p1.x : position == 1 ? p2.x : p3.x;
        const bool doubled = (r <= 0.5 && nearFirst) || (r > 0.5 && nearLast);
        return {ParabolaSlope(p1, p2, p3, e), doubled ? 3 : 0};
    }
    if (position == 1) return {(1 - r) * Secant(p1, p2) + r * Secant(p2, p3), 3};
    if (position == 0) return {Secant(p1, p2), 1};
    return {Secant(p2, p3), 2};
}

double EndSlope(CSlopePoint p1, CSlopePoint p2, CSlopePoint p3, CSlopePoint p4)
{
    const CSlope d0 = ThreePointSlope(p1, p2, p3, 0);
    const CSlope d1 = ThreePointSlope(p1, p2, p3, 1);
    const CSlope d2 = ThreePointSlope(p2, p3, p4, 1);
    if (d1.status != 0 || d2.status != 0) return d0.value;
    return ((((p2.x - p1.x) / (p3.x - p2.x)) * (d1.value - d2.value) + d1.value) * 2 + d0.value) / 3;
}

std::vector<double> SampledDerivative(std::span<const double> y, double del, double factor)
{
    const std::size_t n = y.size();
    const double c = factor / (2 * del);
    std::vector<double> d(n);
    d[0] = (-7 * y[0] + 6 * y[1] + 3 * y[2] - 2 * y[3]) * c / 3;
    for (std::size_t i = 1; i + 1 < n; ++i) d[i] = (y[i + 1] - y[i - 1]) * c;
    d[n - 1] = (7 * y[n - 1] - 6 * y[n - 2] - 3 * y[n - 3] + 2 * y[n - 4]) * c / 3;
    return d;
}

std::optional<std::vector<double>> XYDerivative(std::span<const double> x, std::span<const double> y,
                                                double factor)
{
    const std::size_t n = y.size();
    if (n < 4) return std::nullopt;
    auto p = [&](std::size_t i) { return CSlopePoint{x[i], y[i]}; };
    auto behind = [&](std::size_t i) { return EndSlope(p(i), p(i - 1), p(i - 2), p(i - 3)); };
    auto ahead = [&](std::size_t i) { return EndSlope(p(i), p(i + 1), p(i + 2), p(i + 3)); };

    std::vector<double> d(n);
    d[0] = Clamp(factor * ahead(0));
    for (std::size_t i = 1; i + 1 < n; ++i) {
        const CSlope s = ThreePointSlope(p(i - 1), p(i), p(i + 1), 1);
        double v = factor * s.value;
        if (s.status == 3 && i >= 3 && i + 4 <= n) {
            const double left = std::fabs(x[i] - x[i - 1]);
            const double r = left / (std::fabs(x[i + 1] - x[i]) + left);
            v = (1 - r) * factor * behind(i) + r * factor * ahead(i);
        } else if (s.status == 1 && i >= 3) {
            v = factor * behind(i);
        } else if (s.status == 2 && i + 4 <= n) {
            v = factor * ahead(i);
        }
        d[i] = Clamp(v);
    }
    d[n - 1] = Clamp(factor * behind(n - 1));
    return d;
}

}  // namespace ko
