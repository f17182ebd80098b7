// SPDX-License-Identifier: GPL-3.0-or-later
// The viscous criterion of a chest or abdomen deflection.
#pragma once

namespace ko {

class CData;

// The dummy's constants. Defaults: the mid-size adult male frontal dummy,
// scale factor 1.3 and deformation constant 229 mm, from UN ECE Regulation
// No. 94 (frontal collision), its annex on the calculation of the viscous
// criterion.
struct CViscousParameters {
    double scaleFactor = 1.3;
    double deformationConstant = 229.0;  // mm
};

struct CViscousResult {
    double value = 0.0;  // m/s
    double time = 0.0;   // s
};

// The largest scaleFactor * V(t) * C(t) with C = D / deformationConstant and
// V = dD/dt by the five-point central difference
//   V(t) = (8 (D(t + dt) - D(t - dt)) - (D(t + 2 dt) - D(t - 2 dt))) / (12 dt),
// D in m. The product does not depend on the sign convention of D. Throws
// std::logic_error "VC: ..." for a deflection not in "MILLIMETERS", samples
// UniformSamples refuses, fewer than five samples, or a constant <= 0.
CViscousResult ViscousCriterion(const CData& deflection, const CViscousParameters& parameters = {});

}  // namespace ko
