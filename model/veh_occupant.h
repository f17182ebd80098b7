// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "model/occupant.h"
#include "model/shared_columns.h"

// VEHDB.OCC (VEHDB.H_OCC without SECURITY).
#define KO_VEH_OCCUPANT_COLUMNS(X, B)                      \
    X(TSTNO, Manual, "Test number")                        \
    X(VEHNO, Int, "Vehicle number within the test")        \
    X(OCCLOC, OccLoc, "Occupant location")                 \
    X(OCCLOCD, OccLocD, "Occupant location description")   \
    X(OCCTYP, Text, "Occupant type")                       \
    X(OCCTYPD, Text, "Occupant type description")          \
    X(OCCAGE, Int, "Occupant age")                         \
    X(OCCSEX, OccSex, "Occupant sex")                      \
    X(OCCSEXD, OccSexD, "Occupant sex description")        \
    X(OCCHT, Int, "Occupant height")                       \
    X(OCCWT, Int, "Occupant weight")                       \
    KO_DUMMY_COLUMNS(X)                                    \
    X(HH, Int, "Head to header clearance")                 \
    X(HW, Int, "Head to windshield clearance")             \
    X(HR, Int, "Head to roof clearance")                   \
    X(HS, Int, "Head to side header clearance")            \
    X(CD, Int, "Chest to dash clearance")                  \
    X(CS, Int, "Chest to steering wheel clearance")        \
    X(AD, Int, "Arm to door clearance")                    \
    X(HD, Int, "Hip to door clearance")                    \
    X(KD, Int, "Knee to dash clearance")                   \
    X(HB, Int, "Head to B-pillar clearance")               \
    X(NB, Int, "Neck to B-pillar clearance")               \
    X(CB, Int, "Chest to B-pillar clearance")              \
    X(KB, Int, "Knee to bolster clearance")                \
    X(SEPOSN, OccSeat, "Seat position")                    \
    X(SEPOSND, OccSeatD, "Seat position description")      \
    X(CNTRH1, Text, "Head contact region 1")               \
    X(CNTRH1D, Text, "Head contact region 1 description")  \
    X(CNTRH2, Text, "Head contact region 2")               \
    X(CNTRH2D, Text, "Head contact region 2 description")  \
    X(CNTRC1, Text, "Chest contact region 1")              \
    X(CNTRC1D, Text, "Chest contact region 1 description") \
    X(CNTRC2, Text, "Chest contact region 2")              \
    X(CNTRC2D, Text, "Chest contact region 2 description") \
    X(CNTRL1, Text, "Leg contact region 1")                \
    X(CNTRL1D, Text, "Leg contact region 1 description")   \
    X(CNTRL2, Text, "Leg contact region 2")                \
    X(CNTRL2D, Text, "Leg contact region 2 description")   \
    KO_INJURY_CRITERIA_COLUMNS(X)                          \
    X(OCCCOM, OccCom, "Occupant commentary")               \
    X(SECURITY, Security, "Release level")

namespace ko::veh {

// One occupant of a vehicle test (key VEHNO, OCCLOC). OCCLOC, OCCSEX, SEPOSN,
// their descriptions and OCCCOM are the common texts of ko::COccupant.
class COccupant : public ko::COccupant {
public:
    COccupant();
    KO_RECORD_COLUMNS(COccupant, KO_VEH_OCCUPANT_COLUMNS)
};

}  // namespace ko::veh
