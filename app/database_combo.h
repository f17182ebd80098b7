// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "model/test_kind.h"

class QComboBox;

namespace kores {

// The name shown for a database kind: "Biomechanics", "Component", "Vehicle",
// "Crash Avoidance" (collision warning); empty for None.
QString DatabaseEntryText(ko::TestKind kind);
// The kind of a shown name, None for any other text.
ko::TestKind DatabaseEntryKind(const QString& text);
// One entry per allowed kind in the order above, the current kind selected.
void FillDatabaseCombo(QComboBox& combo, ko::KindMask allowedKinds, ko::TestKind currentKind);

}  // namespace kores
