// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/database_combo.h"

#include <QComboBox>

namespace kores {

namespace {
constexpr ko::TestKind kKinds[] = {ko::TestKind::Biomechanics, ko::TestKind::Component, ko::TestKind::Vehicle,
                                   ko::TestKind::CollisionWarning};
}  // namespace

QString DatabaseEntryText(ko::TestKind kind)
{
    switch (kind) {
        case ko::TestKind::Biomechanics: return "Biomechanics";
        case ko::TestKind::Component: return "Component";
        case ko::TestKind::Vehicle: return "Vehicle";
        case ko::TestKind::CollisionWarning: return "Crash Avoidance";
        default: return {};
    }
}

ko::TestKind DatabaseEntryKind(const QString& text)
{
    for (const ko::TestKind kind : kKinds) {
        if (!text.isEmpty() && DatabaseEntryText(kind) == text) return kind;
    }
    return ko::TestKind::None;
}

void FillDatabaseCombo(QComboBox& combo, ko::KindMask allowedKinds, ko::TestKind currentKind)
{
    combo.clear();
    for (const ko::TestKind kind : kKinds) {
        if (allowedKinds.Has(kind)) combo.addItem(DatabaseEntryText(kind), ko::KindCode(kind));
    }
    combo.setCurrentIndex(combo.findData(ko::KindCode(currentKind)));
}

}  // namespace kores
