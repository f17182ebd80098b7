// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/veh_occupant.h"

namespace ko::veh {

COccupant::COccupant() : ko::COccupant(TestKind::Vehicle) {}

KO_DEFINE_COLUMNS(COccupant, KO_VEH_OCCUPANT_COLUMNS)

}  // namespace ko::veh
