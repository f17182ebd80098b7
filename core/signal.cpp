// SPDX-License-Identifier: GPL-3.0-or-later
// Derived values, status and copying of a signal.
#include "core/signal.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "core/status.h"
#include "core/units.h"

namespace ko {

namespace {

// Maximum and minimum of values; zeros when empty. Four independent lanes
// keep the comparisons out of one long dependency chain.
void Extremes(const std::vector<double>& values, double& max, double& min)
{
    if (values.empty()) {
        max = min = 0.0;
        return;
    }
    double hi[4], lo[4];
    std::fill(hi, hi + 4, values.front());
    std::fill(lo, lo + 4, values.front());
    const std::size_t n = values.size(), blocks = n - n % 4;
    for (std::size_t i = 0; i < blocks; i += 4) {
        for (std::size_t k = 0; k < 4; ++k) {
            hi[k] = std::max(hi[k], values[i + k]);
            lo[k] = std::min(lo[k], values[i + k]);
        }
    }
    for (std::size_t i = blocks; i < n; ++i) {
        hi[0] = std::max(hi[0], values[i]);
        lo[0] = std::min(lo[0], values[i]);
    }
    max = std::max({hi[0], hi[1], hi[2], hi[3]});
    min = std::min({lo[0], lo[1], lo[2], lo[3]});
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

void CData::SetStatus(const std::string& text) { status_ = NormaliseStatus(text); }

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
    return PeakAt(*this, static_cast<std::size_t>(std::max_element(y_.begin(), y_.end()) - y_.begin()),
                  x, y);
}

bool CData::MinPeak(double& x, double& y) const
{
    if (x_.empty() || y_.empty()) return false;
    return PeakAt(*this, static_cast<std::size_t>(std::min_element(y_.begin(), y_.end()) - y_.begin()),
                  x, y);
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
