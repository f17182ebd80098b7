// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/veh_restraint.h"

namespace ko::veh {

CRestraint::CRestraint() : CRecord(TestKind::Vehicle) {}

KO_DEFINE_COLUMNS(CRestraint, KO_VEH_RESTRAINT_COLUMNS)

}  // namespace ko::veh
