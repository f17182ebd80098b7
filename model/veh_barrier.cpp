// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/veh_barrier.h"

namespace ko::veh {

CBarrier::CBarrier() : CRecord(TestKind::Vehicle) {}

KO_DEFINE_COLUMNS(CBarrier, KO_VEH_BARRIER_COLUMNS)

}  // namespace ko::veh
