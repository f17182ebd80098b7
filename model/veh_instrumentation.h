// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "model/instrumentation.h"

// VEHDB.INST (VEHDB.H_INST without SECURITY).
#define KO_VEH_INSTRUMENTATION_COLUMNS(X, B)        \
    X(TSTNO, Manual, "Test number")                 \
    X(VEHNO, Int, "Vehicle number within the test") \
    KO_INSTRUMENTATION_SENSOR_COLUMNS(B)            \
    X(SENLOC, Text, "Sensor location")              \
    X(SENLOCD, Text, "Sensor location description") \
    KO_INSTRUMENTATION_DATA_COLUMNS(B)              \
    B(SECURITY, Security, "Release level")

namespace ko::veh {

// A vehicle test's instrumentation row. A new row is preset to a head
// accelerometer channel (SENTYP "AC", SENATT "HDCG", AXIS "XL", XUNITS "SEC",
// YUNITS "G'S", DELT 0.0001, DASTAT "AM", CHSTAT "P", SENLOC "01"); a loaded
// row overwrites these.
class CInstrumentation : public ko::CInstrumentation {
public:
    CInstrumentation();
    KO_RECORD_COLUMNS(CInstrumentation, KO_VEH_INSTRUMENTATION_COLUMNS)
};

}  // namespace ko::veh
