// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <span>
#include <vector>

namespace ko {

struct CSlopePoint {
    double x = 0.0;
    double y = 0.0;
};

// A slope estimate and how it was made: 0 parabola, 1 backward difference,
// 2 forward difference, 3 parabola or blend near a doubled x, -3 / -4 all
// three x equal (slope 0 / +-1e38).
struct CSlope {
    double value = 0.0;
    int status = 0;
};

// Slope at p1, p2 or p3 (position 0, 1, 2) from three points.
CSlope ThreePointSlope(CSlopePoint p1, CSlopePoint p2, CSlopePoint p3, int position);

// Slope at p1 from four points, extrapolated from the slopes at p2 and p3.
double EndSlope(CSlopePoint p1, CSlopePoint p2, CSlopePoint p3, CSlopePoint p4);

// Derivative of evenly spaced y (time step del), scaled by factor: central
// differences inside, four-point formulas at the ends. Requires y.size() >= 4.
std::vector<double> SampledDerivative(std::span<const double> y, double del, double factor);

// Derivative of unevenly spaced points scaled by factor, each value clamped to
// +-1e38 (NaN to 1e38). nullopt for fewer than 4 points: both end values need
// four points. Requires x.size() == y.size().
std::optional<std::vector<double>> XYDerivative(std::span<const double> x, std::span<const double> y,
                                                double factor);

}  // namespace ko
