// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/com_vehicle.h"

namespace ko::com {

CVehicle::CVehicle() : CRecord(TestKind::Component) {}

KO_DEFINE_COLUMNS(CVehicle, KO_COM_VEHICLE_COLUMNS)

}  // namespace ko::com
