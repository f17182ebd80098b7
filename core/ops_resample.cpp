// SPDX-License-Identifier: GPL-3.0-or-later
// Resampling of a signal to a new time step by linear interpolation.
#include <cmath>
#include <stdexcept>

#include "core/failure.h"
#include "core/ops_interpolate.h"
#include "core/signal.h"

namespace ko {

bool CData::Resample(double dt)
{
    if (!(dt > 0.0)) throw CFailure("Requested Time step <= 0");
    if (x_.empty() || y_.empty()) throw CFailure("Not enough data points");
    for (std::size_t i = 1; i < x_.size(); ++i)
        if (x_[i - 1] > x_[i]) throw CFailure("X axis data is not monotonically increasing");

    RefreshExtremes();
    const double estimate = std::trunc((GetXMax() - GetXMin()) / dt + 0.99);
    // Equal neighbouring x values at an end of the data leave no line to
    // extrapolate along; Interpolate reports them as a failure.
    auto result = Interpolate(x_, y_, dt, GetNFP(), GetNLP(), estimate);
    if (!result) throw CFailure("Error Interpolating Data");
    // An empty new range is refused before the header changes.
    if (result->y.empty()) throw CFailure("No Y Signal Data");

    SetNFP(result->nfp);
    SetNLP(result->nlp);
    SetDEL(dt);
    GenerateX();
    SetY(std::move(result->y));
    SetModified(true);
    return true;
}

}  // namespace ko
