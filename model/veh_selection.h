// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "model/column_table.h"
#include "model/record.h"

// A vehicle test-list row: VEHDB.TEST joined with VEHDB.VEH (or the H_ tables).
#define KO_VEH_SELECTION_COLUMNS(X, B)              \
    X(TSTNO, Manual, "Test number")                 \
    X(TSTTYP, Text, "Test type")                    \
    X(TSTTYPD, Text, "Test type description")       \
    X(IMPANG, Int, "Impact angle")                  \
    X(TSTCFN, Text, "Test configuration")           \
    X(CLSSPD, Double, "Closing speed")              \
    X(VEHNO, Int, "Vehicle number within the test") \
    X(YEAR, Int, "Model year")                      \
    X(MAKED, Text, "Vehicle make description")      \
    X(MODELD, Text, "Vehicle model description")    \
    X(BODY, Text, "Body type")                      \
    X(VIN, Text, "Vehicle identification number")   \
    X(VEHTWT, Int, "Vehicle test weight")           \
    X(CURBWT, Int, "Curb weight")                   \
    X(VEHLEN, Int, "Vehicle length")                \
    X(VEHWID, Int, "Vehicle width")                 \
    X(WHLBAS, Int, "Wheelbase")

namespace ko::veh {

// One row of the vehicle test list, one per vehicle of a test.
class CSelection : public CRecord {
public:
    CSelection();
    KO_RECORD_COLUMNS(CSelection, KO_VEH_SELECTION_COLUMNS)
};

}  // namespace ko::veh
