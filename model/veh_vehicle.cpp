// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/veh_vehicle.h"

namespace ko::veh {

CVehicle::CVehicle() : CRecord(TestKind::Vehicle) {}

KO_DEFINE_COLUMNS(CVehicle, KO_VEH_VEHICLE_COLUMNS)

}  // namespace ko::veh
