// SPDX-License-Identifier: GPL-3.0-or-later
#include "grid/grid_sort.h"

namespace kores {

namespace {

double CellNumber(const QString& text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok ? value : 0.0;
}

}  // namespace

bool GridCellLess(const QString& a, const QString& b, ESortKind kind, Qt::SortOrder order)
{
    const bool ascending = order == Qt::AscendingOrder;
    if (kind == ESortKind::Number) {
        const double x = CellNumber(a);
        const double y = CellNumber(b);
        return ascending ? x < y : y < x;
    }
    if (kind == ESortKind::Text) {
        if (a.isEmpty() || b.isEmpty()) {
            return !a.isEmpty() && b.isEmpty();
        }
        const int c = QString::compare(a, b, Qt::CaseSensitive);
        return ascending ? c < 0 : c > 0;
    }
    return false;
}

}  // namespace kores
