// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "model/column_table.h"
#include "model/record.h"

// VEHDB.INTRUSION (no holding table).
#define KO_VEH_INTRUSION_COLUMNS(X, B)                       \
    X(TSTNO, Manual, "Test number")                          \
    X(VEHNO, Int, "Vehicle number within the test")          \
    X(IPNO, Int, "Intrusion point number")                   \
    X(IPLOC, Text, "Intrusion point location")               \
    X(IPLOCD, Text, "Intrusion point location description")  \
    X(IPCOM, Text, "Intrusion point component")              \
    X(IPCOMD, Text, "Intrusion point component description") \
    X(BIX, Double, "Position before the test, X")            \
    X(BIY, Double, "Position before the test, Y")            \
    X(BIZ, Double, "Position before the test, Z")            \
    X(AIX, Double, "Position after the test, X")             \
    X(AIY, Double, "Position after the test, Y")             \
    X(AIZ, Double, "Position after the test, Z")             \
    X(TSTREF, Text, "Test reference number")                 \
    X(SECURITY, Security, "Release level")

namespace ko::veh {

// One intrusion point of a vehicle (key VEHNO, IPNO): its position before and after the test.
class CIntrusion : public CRecord {
public:
    CIntrusion();
    KO_RECORD_COLUMNS(CIntrusion, KO_VEH_INTRUSION_COLUMNS)
};

}  // namespace ko::veh
