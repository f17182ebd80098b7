// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "model/column_table.h"
#include "model/record.h"
#include "model/shared_columns.h"

// VEHDB.TEST (VEHDB.H_TEST without SECURITY).
#define KO_VEH_TEST_COLUMNS(X, B)                      \
    X(TSTNO, Manual, "Test number")                    \
    KO_TEST_HEADER_COLUMNS(X)                          \
    X(TSTTYP, Text, "Test type")                       \
    X(TSTTYPD, Text, "Test type description")          \
    X(TSTCFN, Text, "Test configuration")              \
    X(TSTCFND, Text, "Test configuration description") \
    X(TKSURF, Text, "Track surface")                   \
    X(TKSURFD, Text, "Track surface description")      \
    X(TKCOND, Text, "Track condition")                 \
    X(TKCONDD, Text, "Track condition description")    \
    KO_TEST_RECORDING_COLUMNS(X)                       \
    X(OFFSET, Int, "Offset distance")                  \
    X(IMPPNT, Int, "Impact point")                     \
    X(MEASUR, Text, "Measurement system")              \
    X(MEASURD, Text, "Measurement system description") \
    X(TOTCRV, Int, "Total number of curves")           \
    X(TSTCOM, Text, "Test commentary")                 \
    X(SECURITY, Security, "Release level")

namespace ko::veh {

// The TEST row of a vehicle test. Besides its columns it keeps the numbers of
// vehicles and occupants, which CVehicleTest keeps equal to its list sizes.
class CTest : public CRecord {
public:
    CTest();

    int GetVehicleCount() const { return vehicleCount_; }
    void SetVehicleCount(int count) { vehicleCount_ = count; }
    int GetOccupantCount() const { return occupantCount_; }
    void SetOccupantCount(int count) { occupantCount_ = count; }

    KO_RECORD_COLUMNS(CTest, KO_VEH_TEST_COLUMNS)
    int vehicleCount_ = 0;
    int occupantCount_ = 0;
};

}  // namespace ko::veh
