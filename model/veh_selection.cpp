// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/veh_selection.h"

namespace ko::veh {

CSelection::CSelection() : CRecord(TestKind::Vehicle) {}

KO_DEFINE_COLUMNS(CSelection, KO_VEH_SELECTION_COLUMNS)

}  // namespace ko::veh
