// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "model/column_table.h"
#include "model/record.h"

// VEHDB.BAR (VEHDB.H_BAR without SECURITY).
#define KO_VEH_BARRIER_COLUMNS(X, B)                            \
    X(TSTNO, Manual, "Test number")                             \
    X(BARRIG, Text, "Rigid or Deformable Barrier")              \
    X(BARRIGD, Text, "Rigid or Deformable Barrier description") \
    X(BARSHP, Text, "Barrier shape")                            \
    X(BARSHPD, Text, "Barrier shape description")               \
    X(BARANG, Int, "Barrier angle")                             \
    X(BARDIA, Int, "Barrier diameter")                          \
    X(BARCOM, Text, "Barrier commentary")                       \
    X(SECURITY, Security, "Release level")

namespace ko::veh {

// The barrier of a vehicle test (one per test).
class CBarrier : public CRecord {
public:
    CBarrier();
    KO_RECORD_COLUMNS(CBarrier, KO_VEH_BARRIER_COLUMNS)
};

}  // namespace ko::veh
