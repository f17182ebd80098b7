// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <Qt>

namespace kores {

// How a grid column compares its cells when the user sorts by it.
enum class ESortKind { None, Text, Number };

// True when cell a goes before cell b. Numbers compare by value (text that is
// no number counts as 0); texts compare exactly, and an empty text goes after a
// filled one in either direction.
bool GridCellLess(const QString& a, const QString& b, ESortKind kind, Qt::SortOrder order);

}  // namespace kores
