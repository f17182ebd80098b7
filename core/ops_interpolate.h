// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace ko {

// Values of a curve at the times DEL * (NFP + k) of a new time step.
struct CInterpolation {
    std::int32_t nfp = 0;
    std::int32_t nlp = 0;
    std::vector<double> y;  // empty when the new index range is empty
};

// Point count of an index range NFP..NLP: 0 when both are 0 or NFP > NLP.
std::int64_t PointCountOf(std::int32_t nfp, std::int32_t nlp);

// Linear interpolation of the first PointCountOf(nfp, nlp) samples of x, y
// (x not decreasing) at time step dt; times outside the data are extrapolated
// from the two end samples. nlpEstimate is the first estimate of the new NLP.
// Fails (nullopt) when dt <= 0, the estimate is below 1, fewer than 2 samples
// are counted, the count exceeds the data, the new range does not fit 32-bit
// indices, or a value would need two samples with equal x (only possible at
// the ends of the data, where the line through them is vertical).
std::optional<CInterpolation> Interpolate(std::span<const double> x, std::span<const double> y, double dt,
                                          std::int32_t nfp, std::int32_t nlp, double nlpEstimate);

}  // namespace ko
