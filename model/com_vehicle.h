// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "model/column_table.h"
#include "model/record.h"
#include "model/shared_columns.h"

// COMDB.VEH and COMDB.H_VEH (no SECURITY).
#define KO_COM_VEHICLE_COLUMNS(X, B)                \
    X(TSTNO, Manual, "Test number")                 \
    X(VEHNO, Int, "Vehicle number within the test") \
    KO_VEHICLE_IDENTITY_COLUMNS(X)                  \
    X(CRTEST, Text, "Crash test type")              \
    X(CRTESTD, Text, "Crash test type description") \
    X(VEHCOM, Text, "Vehicle commentary")           \
    X(VIMFNO, Int, "Vehicle file number")           \
    X(LOAD, Text, "Load")                           \
    X(ENGINE, Text, "Engine type")                  \
    X(ENGDSP, Double, "Engine displacement")        \
    X(TRANSM, Text, "Transmission type")            \
    X(FUEL, Text, "Fuel type")                      \
    X(EQUIP, Text, "Equipment")

namespace ko::com {

// One vehicle of a component test (key VEHNO).
class CVehicle : public CRecord {
public:
    CVehicle();
    KO_RECORD_COLUMNS(CVehicle, KO_COM_VEHICLE_COLUMNS)
};

}  // namespace ko::com
