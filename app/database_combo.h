// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QComboBox;

namespace kores {

// The name shown for a database kind: "Biomechanics" (0x4), "Component" (0x10),
// "Vehicle" (0x100), "Crash Avoidance" (0x10000); empty for any other code.
QString DatabaseEntryText(int kindCode);
// The kind code of a shown name, 2 (none) for any other text.
int DatabaseEntryKind(const QString& text);
// One entry per allowed kind in the order above, the current kind selected.
void FillDatabaseCombo(QComboBox& combo, unsigned allowedKinds, int currentKind);

}  // namespace kores
