// SPDX-License-Identifier: GPL-3.0-or-later
// Truncation of a signal to a time interval or to an index interval.
#include <algorithm>
#include <limits>
#include <stdexcept>

#include "core/failure.h"
#include "core/number_text.h"
#include "core/ops_interpolate.h"
#include "core/signal.h"

namespace ko {

namespace {

// The number of samples an index walk may visit: the point count, never more
// than the data hold.
std::size_t UsableCount(const CData& data)
{
    const auto count = static_cast<std::size_t>(PointCountOf(data.GetNFP(), data.GetNLP()));
    return std::min({count, data.GetX().size(), data.GetY().size()});
}

bool FitsIndex(std::int64_t v)
{
    return v >= std::numeric_limits<std::int32_t>::min() && v <= std::numeric_limits<std::int32_t>::max();
}

}  // namespace

bool CData::Truncate(double start, double stop)
{
    if (start >= stop)
        throw CFailure("Stop time (" + GeneralText(stop) + ") is before or equals Start Time (" +
                       GeneralText(start) + ")");
    const std::size_t n = UsableCount(*this);
    std::size_t first = 0;
    while (first < n && !(x_[first] >= start)) ++first;
    // The last sample of the signal is never kept.
    std::size_t end = first;
    while (end + 1 < n && x_[end] < stop) ++end;
    const std::size_t kept = end - first;
    // Refused before NFP and NLP change, so a failed truncation leaves the signal as it was.
    if (kept == 0) throw CFailure("No X or Y Signal Data");

    // Sampled data keep the file index of the first kept point, so that x stays
    // DEL * (NFP + i); numbering from trunc(start / DEL) would shift the curve
    // by a step when it is saved without x values.
    const std::int64_t nfp = GetDEL() > 0.0 ? GetNFP() + static_cast<std::int64_t>(first) : 0;
    const std::int64_t nlp = nfp + static_cast<std::int64_t>(kept) - 1;
    if (!FitsIndex(nfp) || !FitsIndex(nlp)) throw CFailure("Unable to provide requested stop/start indices");
    SetNFP(static_cast<std::int32_t>(nfp));
    SetNLP(static_cast<std::int32_t>(nlp));
    const auto from = static_cast<std::ptrdiff_t>(first);
    const auto to = static_cast<std::ptrdiff_t>(end);
    std::vector<double>().swap(z_);  // a truncated signal has z all zero
    SetData(std::vector<double>(x_.begin() + from, x_.begin() + to),
            std::vector<double>(y_.begin() + from, y_.begin() + to), {});
    SetStatus("Truncated");
    SetModified(true);
    return true;
}

bool CData::TruncateIndex(int first, int last)
{
    if (first >= last)
        throw CFailure("Start Index (" + std::to_string(first) + ")is >= Stop Index (" +
                       std::to_string(last) + ")");
    const std::int64_t i0 = static_cast<std::int64_t>(first) - GetNFP();
    const std::int64_t i1 = static_cast<std::int64_t>(last) - GetNFP();
    if (i0 < 0 || i1 >= PointCountOf(GetNFP(), GetNLP()) || static_cast<std::uint64_t>(i1) >= y_.size() ||
        static_cast<std::uint64_t>(i1) >= x_.size())
        throw CFailure("Unable to provide requested stop/start indices");

    SetNFP(first);
    SetNLP(last);
    std::vector<double>().swap(z_);  // a truncated signal has z all zero
    SetData(std::vector<double>(x_.begin() + i0, x_.begin() + i1 + 1),
            std::vector<double>(y_.begin() + i0, y_.begin() + i1 + 1), {});
    SetStatus("Truncated");
    SetModified(true);
    return true;
}

}  // namespace ko
