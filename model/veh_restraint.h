// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "model/column_table.h"
#include "model/record.h"
#include "model/shared_columns.h"

// VEHDB.REST (VEHDB.H_REST without SECURITY).
#define KO_VEH_RESTRAINT_COLUMNS(X, B)                \
    X(TSTNO, Manual, "Test number")                   \
    X(VEHNO, Int, "Vehicle number within the test")   \
    X(OCCLOC, Text, "Occupant location")              \
    X(OCCLOCD, Text, "Occupant location description") \
    KO_RESTRAINT_COLUMNS(X)                           \
    X(SECURITY, Security, "Release level")

namespace ko::veh {

// One restraint of an occupant of a vehicle test (key VEHNO, OCCLOC, RSTNO).
class CRestraint : public CRecord {
public:
    CRestraint();
    KO_RECORD_COLUMNS(CRestraint, KO_VEH_RESTRAINT_COLUMNS)
};

}  // namespace ko::veh
