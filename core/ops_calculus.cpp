// SPDX-License-Identifier: GPL-3.0-or-later
// Integral and first derivative of a signal, with the units they produce.
#include <stdexcept>

#include "core/failure.h"
#include "core/ops_derivative.h"
#include "core/ops_integrate.h"
#include "core/ops_interpolate.h"
#include "core/signal.h"
#include "core/units.h"

namespace ko {

bool CData::Integrate()
{
    if (PointCountOf(GetNFP(), GetNLP()) <= 3) throw CFailure("Too few data points to compute an Integral");
    if (x_.empty() || y_.empty()) throw CFailure("X or Y data is empty.");
    if (x_.size() != y_.size()) throw CFailure("The number of data (X and Y) points are not same.");

    const CUnitChange units = IntegralUnits(GetXUNITS(), GetYUNITS(), GetINIVEL(), GetDIMSYS());
    // The initial value belongs to the sample at time zero (index -NFP).
    const std::size_t anchor =
        GetNFP() < 1 ? static_cast<std::size_t>(-static_cast<std::int64_t>(GetNFP())) : 0;
    if (anchor >= y_.size())
        throw CFailure("Time zero is after the last data point: no anchor for the Integral");

    SetY(TrapezoidIntegral(x_, y_, units.factor, units.initial, anchor));
    SetYUNITS(units.units);
    SetQuantityType(units.type);
    SetModified(true);
    return true;
}

bool CData::Derivative()
{
    if (y_.size() < 2) throw CFailure("Too few data points to compute a derivative");
    const CUnitChange units = DerivativeUnits(GetXUNITS(), GetYUNITS());

    std::vector<double> d;
    if (GetDEL() > 0.0) {
        // The end formulas need four samples; fewer are refused.
        if (y_.size() < 4) throw CFailure("Too few data points to compute a derivative");
        d = SampledDerivative(y_, GetDEL(), units.factor);
    } else {
        // Both end values need four points, so three are refused like two.
        auto xy = x_.size() == y_.size() ? XYDerivative(x_, y_, units.factor) : std::nullopt;
        if (!xy) throw CFailure("Error Computing an XY derivative");
        d = std::move(*xy);
    }
    SetY(std::move(d));
    SetYUNITS(units.units);
    SetQuantityType(units.type);
    SetModified(true);
    return true;
}

}  // namespace ko
