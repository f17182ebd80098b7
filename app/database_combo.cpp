// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/database_combo.h"

#include <QComboBox>

#include "model/database.h"

namespace kores {

namespace {
constexpr int kKinds[] = {ko::kBiomechanicsKind, ko::kComponentKind, ko::kVehicleKind,
                          ko::kCollisionWarningKind};
}  // namespace

QString DatabaseEntryText(int kindCode)
{
    switch (kindCode) {
        case ko::kBiomechanicsKind: return "Biomechanics";
        case ko::kComponentKind: return "Component";
        case ko::kVehicleKind: return "Vehicle";
        case ko::kCollisionWarningKind: return "Crash Avoidance";
        default: return {};
    }
}

int DatabaseEntryKind(const QString& text)
{
    for (const int kind : kKinds) {
        if (!text.isEmpty() && DatabaseEntryText(kind) == text) return kind;
    }
    return ko::kNoKind;
}

void FillDatabaseCombo(QComboBox& combo, unsigned allowedKinds, int currentKind)
{
    combo.clear();
    for (const int kind : kKinds) {
        if (allowedKinds & static_cast<unsigned>(kind)) combo.addItem(DatabaseEntryText(kind), kind);
    }
    combo.setCurrentIndex(combo.findData(currentKind));
}

}  // namespace kores
