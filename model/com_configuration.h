// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "model/column_table.h"
#include "model/record.h"

// COMDB.CONF and COMDB.H_CONF (no SECURITY).
#define KO_COM_CONFIGURATION_COLUMNS(X, B)          \
    X(TSTNO, Manual, "Test number")                 \
    X(VEHNO, Int, "Vehicle number within the test") \
    X(CMPNO, Int, "Component number")               \
    X(CNFNO, Int, "Configuration number")           \
    X(TSTDEV, Text, "Test device")                  \
    X(TSTDEVD, Text, "Test device description")     \
    X(DEVSPD, Double, "Test device speed")          \
    X(DEVCOM, Text, "Test device commentary")       \
    X(CONFIG, Text, "Configuration")                \
    X(CONFIGD, Text, "Configuration description")   \
    X(CMPSPD, Double, "Component speed")            \
    X(CNTANG, Int, "Contact angle")                 \
    X(CNTLOC1, Int, "Contact location 1")           \
    X(CNTLOC2, Int, "Contact location 2")           \
    X(CNTCOM, Text, "Contact commentary")           \
    X(CNFCOM, Text, "Configuration commentary")

namespace ko::com {

// One configuration of a component (key VEHNO, CMPNO, CNFNO).
class CConfiguration : public CRecord {
public:
    CConfiguration();
    KO_RECORD_COLUMNS(CConfiguration, KO_COM_CONFIGURATION_COLUMNS)
};

}  // namespace ko::com
