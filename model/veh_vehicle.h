// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "model/column_table.h"
#include "model/record.h"
#include "model/shared_columns.h"

// VEHDB.VEH (VEHDB.H_VEH without SECURITY).
#define KO_VEH_VEHICLE_COLUMNS(X, B)                                         \
    X(TSTNO, Manual, "Test number")                                          \
    X(VEHNO, Int, "Vehicle number within the test")                          \
    KO_VEHICLE_IDENTITY_COLUMNS(X)                                           \
    X(ENGINE, Text, "Engine type")                                           \
    X(ENGINED, Text, "Engine type description")                              \
    X(ENGDSP, Double, "Engine displacement")                                 \
    X(TRANSM, Text, "Transmission type")                                     \
    X(TRANSMD, Text, "Transmission type description")                        \
    X(VEHTWT, Int, "Vehicle test weight")                                    \
    X(CURBWT, Int, "Curb weight")                                            \
    X(WHLBAS, Int, "Wheelbase")                                              \
    X(VEHLEN, Int, "Vehicle length")                                         \
    X(VEHWID, Int, "Vehicle width")                                          \
    X(VEHCG, Int, "Distance of the centre of gravity behind the front axle") \
    X(STRSEP, Text, "Steering column shear capsule separation")              \
    X(STRSEPD, Text, "Steering column shear capsule separation description") \
    X(COLMEC, Text, "Steering column collapse mechanism")                    \
    X(COLMECD, Text, "Steering column collapse mechanism description")       \
    X(MODIND, Text, "Modification indicator")                                \
    X(MODINDD, Text, "Modification indicator description")                   \
    X(MODDSC, Text, "Modification description")                              \
    X(BX1, Int, "Crush profile before the test, point 1")                    \
    X(BX2, Int, "Crush profile before the test, point 2")                    \
    X(BX3, Int, "Crush profile before the test, point 3")                    \
    X(BX4, Int, "Crush profile before the test, point 4")                    \
    X(BX5, Int, "Crush profile before the test, point 5")                    \
    X(BX6, Int, "Crush profile before the test, point 6")                    \
    X(BX7, Int, "Crush profile before the test, point 7")                    \
    X(BX8, Int, "Crush profile before the test, point 8")                    \
    X(BX9, Int, "Crush profile before the test, point 9")                    \
    X(BX10, Int, "Crush profile before the test, point 10")                  \
    X(BX11, Int, "Crush profile before the test, point 11")                  \
    X(BX12, Int, "Crush profile before the test, point 12")                  \
    X(BX13, Int, "Crush profile before the test, point 13")                  \
    X(BX14, Int, "Crush profile before the test, point 14")                  \
    X(BX15, Int, "Crush profile before the test, point 15")                  \
    X(BX16, Int, "Crush profile before the test, point 16")                  \
    X(BX17, Int, "Crush profile before the test, point 17")                  \
    X(BX18, Int, "Crush profile before the test, point 18")                  \
    X(BX19, Int, "Crush profile before the test, point 19")                  \
    X(BX20, Int, "Crush profile before the test, point 20")                  \
    X(BX21, Int, "Crush profile before the test, point 21")                  \
    X(VEHSPD, Double, "Vehicle speed")                                       \
    X(CRBANG, Int, "Crab angle")                                             \
    X(PDOF, Int, "Principal direction of force")                             \
    X(BMPENG, Text, "Bumper engagement")                                     \
    X(BMPENGD, Text, "Bumper engagement description")                        \
    X(SILENG, Text, "Sill engagement")                                       \
    X(SILENGD, Text, "Sill engagement description")                          \
    X(APLENG, Text, "A-pillar engagement")                                   \
    X(APLENGD, Text, "A-pillar engagement description")                      \
    X(DPD1, Int, "Damage profile distance 1")                                \
    X(DPD2, Int, "Damage profile distance 2")                                \
    X(DPD3, Int, "Damage profile distance 3")                                \
    X(DPD4, Int, "Damage profile distance 4")                                \
    X(DPD5, Int, "Damage profile distance 5")                                \
    X(DPD6, Int, "Damage profile distance 6")                                \
    X(VDI, Text, "Vehicle damage index")                                     \
    X(LENCNT, Int, "Length of the contact area")                             \
    X(DAMDST, Int, "Distance of the damage centre")                          \
    X(CRHDST, Int, "Crush distance")                                         \
    X(AX1, Int, "Crush profile after the test, point 1")                     \
    X(AX2, Int, "Crush profile after the test, point 2")                     \
    X(AX3, Int, "Crush profile after the test, point 3")                     \
    X(AX4, Int, "Crush profile after the test, point 4")                     \
    X(AX5, Int, "Crush profile after the test, point 5")                     \
    X(AX6, Int, "Crush profile after the test, point 6")                     \
    X(AX7, Int, "Crush profile after the test, point 7")                     \
    X(AX8, Int, "Crush profile after the test, point 8")                     \
    X(AX9, Int, "Crush profile after the test, point 9")                     \
    X(AX10, Int, "Crush profile after the test, point 10")                   \
    X(AX11, Int, "Crush profile after the test, point 11")                   \
    X(AX12, Int, "Crush profile after the test, point 12")                   \
    X(AX13, Int, "Crush profile after the test, point 13")                   \
    X(AX14, Int, "Crush profile after the test, point 14")                   \
    X(AX15, Int, "Crush profile after the test, point 15")                   \
    X(AX16, Int, "Crush profile after the test, point 16")                   \
    X(AX17, Int, "Crush profile after the test, point 17")                   \
    X(AX18, Int, "Crush profile after the test, point 18")                   \
    X(AX19, Int, "Crush profile after the test, point 19")                   \
    X(AX20, Int, "Crush profile after the test, point 20")                   \
    X(AX21, Int, "Crush profile after the test, point 21")                   \
    X(CARANG, Int, "Vehicle angle at impact")                                \
    X(VEHOR, Int, "Vehicle orientation")                                     \
    X(VEHCOM, Text, "Vehicle commentary")                                    \
    X(SECURITY, Security, "Release level")

namespace ko::veh {

// One vehicle of a vehicle test (key VEHNO).
class CVehicle : public CRecord {
public:
    CVehicle();
    KO_RECORD_COLUMNS(CVehicle, KO_VEH_VEHICLE_COLUMNS)
};

}  // namespace ko::veh
