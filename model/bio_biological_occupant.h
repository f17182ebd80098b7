// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "model/occupant.h"

// BIODB.BOCC (BIODB.H_BOCC without SECURITY).
#define KO_BIO_BIOLOGICAL_OCCUPANT_COLUMNS(X, B)          \
    X(TSTNO, Manual, "Test number")                       \
    X(BOCCLOC, OccLoc, "Occupant location")               \
    X(BOCCLOCD, OccLocD, "Occupant location description") \
    X(BOCCSEX, OccSex, "Occupant sex")                    \
    X(BOCCSEXD, OccSexD, "Occupant sex description")      \
    X(BSEPOSN, OccSeat, "Seat position")                  \
    X(BSEPOSND, OccSeatD, "Seat position description")    \
    X(OCCAGE, Int, "Occupant age")                        \
    X(OCCWT, Int, "Occupant weight")                      \
    X(BCOMPWT, Int, "Occupant weight with equipment")     \
    X(FRCTRB, Int, "Number of fractured ribs")            \
    X(RBFRCT, Int, "Number of rib fractures")             \
    X(OCCREF, Text, "Occupant reference")                 \
    X(NOTEST, Int, "Number of tests on the subject")      \
    X(DTEDTH, Date, "Date of death")                      \
    X(CSEDTH, Text, "Cause of death")                     \
    X(CADAPP, Text, "Cadaver appearance")                 \
    X(BEDCON, Int, "Days of bed confinement")             \
    X(CADAN, Text, "Cadaver autopsy number")              \
    X(AORPRE, Text, "Aorta pressurisation")               \
    X(CERPRE, Text, "Cerebral pressurisation")            \
    X(PULPRE, Text, "Pulmonary pressurisation")           \
    X(BMC, Double, "Bone mineral content")                \
    X(BMCLOC, Text, "Bone mineral content location")      \
    X(BMCUNITS, Text, "Bone mineral content units")       \
    X(BMCMETHOD, Text, "Bone mineral content method")     \
    X(BMCCOM, Text, "Bone mineral content commentary")    \
    X(BOCCOM, OccCom, "Occupant commentary")              \
    X(SECURITY, Security, "Release level")

namespace ko::bio {

// The biological occupant of a biomechanics test. BOCCLOC, BOCCSEX, BSEPOSN,
// their descriptions and BOCCOM are the common texts of ko::COccupant.
class CBiologicalOccupant : public ko::COccupant {
public:
    CBiologicalOccupant();
    KO_RECORD_COLUMNS(CBiologicalOccupant, KO_BIO_BIOLOGICAL_OCCUPANT_COLUMNS)
};

}  // namespace ko::bio
