// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/instrumentation.h"

namespace ko {

CInstrumentation::CInstrumentation() : CRecord(kVehicleKind) {}

CInstrumentation::CInstrumentation(int kindCode) : CRecord(kindCode) {}

}  // namespace ko
