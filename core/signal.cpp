// SPDX-License-Identifier: GPL-3.0-or-later
// Derived values, status and copying of a signal.
#include "core/signal.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "core/status.h"
#include "core/units.h"

namespace ko {

namespace {

// Maximum and minimum of values; zeros when empty. Pairs of lanes (SSE2 where
// available) keep the comparisons out of one long dependency chain.
void Extremes(const double* v, std::size_t n, double& max, double& min)
{
    if (n == 0) {
        max = min = 0.0;
        return;
    }
    const std::size_t blocks = n - n % 4;
    double hi[4], lo[4];
    std::fill(hi, hi + 4, v[0]);
    std::fill(lo, lo + 4, v[0]);
#ifdef __SSE2__
    __m128d hi0 = _mm_set1_pd(v[0]), hi1 = hi0, lo0 = hi0, lo1 = hi0;
    for (std::size_t i = 0; i < blocks; i += 4) {
        const __m128d a = _mm_loadu_pd(v + i), b = _mm_loadu_pd(v + i + 2);
        hi0 = _mm_max_pd(hi0, a);
        hi1 = _mm_max_pd(hi1, b);
        lo0 = _mm_min_pd(lo0, a);
        lo1 = _mm_min_pd(lo1, b);
    }
    _mm_storeu_pd(hi, hi0);
    _mm_storeu_pd(hi + 2, hi1);
    _mm_storeu_pd(lo, lo0);
    _mm_storeu_pd(lo + 2, lo1);
#else
    for (std::size_t i = 0; i < blocks; i += 4) {
        for (std::size_t k = 0; k < 4; ++k) {
            hi[k] = std::max(hi[k], v[i + k]);
            lo[k] = std::min(lo[k], v[i + k]);
        }
    }
#endif
    for (std::size_t i = blocks; i < n; ++i) {
        hi[0] = std::max(hi[0], v[i]);
        lo[0] = std::min(lo[0], v[i]);
    }
    max = std::max({hi[0], hi[1], hi[2], hi[3]});
    min = std::min({lo[0], lo[1], lo[2], lo[3]});
}

void Extremes(const std::vector<double>& values, double& max, double& min)
{
    Extremes(values.data(), values.size(), max, min);
}

// The point at index i of y with its x, in milliseconds when x is in seconds.
bool PeakAt(const CData& data, std::size_t i, double& x, double& y)
{
    if (i >= data.GetX().size()) return false;
    y = data.GetY()[i];
    x = data.GetX()[i];
    if (IsSeconds(data.GetXUNITS())) x *= 1000.0;
    return true;
}

}  // namespace

CValueRange RangeOf(const double* values, std::size_t n)
{
    CValueRange range;
    Extremes(values, n, range.max, range.min);
    return range;
}

void CData::TakeData(std::vector<double> x, std::vector<double> y, std::vector<double> z,
                     const CValueRange& xRange, const CValueRange& yRange)
{
    x_ = std::move(x);
    y_ = std::move(y);
    z_ = std::move(z);
    DropZeroZ();
    xMax_ = xRange.max;
    xMin_ = xRange.min;
    yMax_ = yRange.max;
    yMin_ = yRange.min;
    Extremes(z_, zMax_, zMin_);
    RefreshTimes();
    RefreshCount();
}

void CData::DropZeroZ()
{
    if (std::all_of(z_.begin(), z_.end(), [](double v) { return v == 0.0 && !std::signbit(v); }))
        std::vector<double>().swap(z_);
}

void CData::SetStatus(const std::string& text)
{
    status_ = NormaliseStatus(text);
}

void CData::RefreshExtremes()
{
    Extremes(x_, xMax_, xMin_);
    Extremes(y_, yMax_, yMin_);
    Extremes(z_, zMax_, zMin_);
}

void CData::RefreshTimes()
{
    startTime_ = GetDEL() * GetNFP();
    endTime_ = GetDEL() * GetNLP();
}

void CData::RefreshCount()
{
    const std::int64_t nfp = GetNFP();
    const std::int64_t nlp = GetNLP();
    if ((nfp == 0 && nlp == 0) || nfp > nlp) {
        pointCount_ = 0;
        return;
    }
    pointCount_ = static_cast<std::int32_t>(
        std::min<std::int64_t>(nlp - nfp + 1, std::numeric_limits<std::int32_t>::max()));
}

bool CData::MaxPeak(double& x, double& y) const
{
    if (x_.empty() || y_.empty()) return false;
    return PeakAt(*this, static_cast<std::size_t>(std::max_element(y_.begin(), y_.end()) - y_.begin()), x, y);
}

bool CData::MinPeak(double& x, double& y) const
{
    if (x_.empty() || y_.empty()) return false;
    return PeakAt(*this, static_cast<std::size_t>(std::min_element(y_.begin(), y_.end()) - y_.begin()), x, y);
}

void CData::AssignData(const CData& source)
{
    if (&source == this) return;
    CPointList keep;
    keep.swap(points_);
    CData::operator=(source);
    points_.swap(keep);
}

void CNSignal::Assign(const CNSignal& source)
{
    if (&source == this) return;
    AssignData(source);
    warnings_ = source.warnings_;
}

}  // namespace ko
