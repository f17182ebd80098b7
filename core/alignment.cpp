// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/alignment.h"

#include <algorithm>
#include <cmath>

#include "core/signal.h"

namespace ko {

bool CloseSteps(double a, double b)
{
    if (a == 0.0 && b == 0.0) return true;
    return std::max(std::fabs(a), std::fabs(b)) * 0.0001 > std::fabs(a - b);
}

bool SameIndexRange(const CData& a, const CData& b)
{
    return a.GetPointCount() == b.GetPointCount() && a.GetNFP() == b.GetNFP() && a.GetNLP() == b.GetNLP();
}

bool AlignsUnchanged(const CData& a, const CData& b)
{
    return b.GetDEL() == 0.0 || (CloseSteps(a.GetDEL(), b.GetDEL()) && SameIndexRange(a, b));
}

}  // namespace ko
