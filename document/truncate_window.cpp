// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/truncate_window.h"

#include "core/signal.h"
#include "document/typed_number.h"

namespace ko {

double BoundValue(const std::string& text)
{
    return ParseTypedDouble(text).value_or(0.0);
}

std::optional<std::pair<double, double>> TruncateWindow(const CTruncateBounds& bounds, const CNSignal& signal)
{
    if (!bounds.minEnabled && !bounds.maxEnabled) return std::nullopt;
    const auto& x = signal.GetX();
    const double start = bounds.minEnabled || x.empty() ? bounds.min : x.front();
    const double stop = bounds.maxEnabled || x.empty() ? bounds.max : x.back();
    return std::pair{start, stop};
}

}  // namespace ko
