// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/veh_intrusion.h"

namespace ko::veh {

CIntrusion::CIntrusion() : CRecord(TestKind::Vehicle) {}

KO_DEFINE_COLUMNS(CIntrusion, KO_VEH_INTRUSION_COLUMNS)

}  // namespace ko::veh
