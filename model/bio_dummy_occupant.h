// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "model/occupant.h"
#include "model/shared_columns.h"

// BIODB.DOCC (BIODB.H_DOCC without SECURITY).
#define KO_BIO_DUMMY_OCCUPANT_COLUMNS(X, B)            \
    X(TSTNO, Manual, "Test number")                    \
    X(DOCCLOC, OccLoc, "Dummy location")               \
    X(DOCCLOCD, OccLocD, "Dummy location description") \
    X(DOCCSEX, OccSex, "Dummy sex")                    \
    X(DOCCSEXD, OccSexD, "Dummy sex description")      \
    X(DSEPOSN, OccSeat, "Seat position")               \
    X(DSEPOSND, OccSeatD, "Seat position description") \
    KO_INJURY_CRITERIA_COLUMNS(X)                      \
    X(CTI, Double, "Combined thoracic index")          \
    X(VC, Double, "Viscous criterion")                 \
    X(CMAX, Int, "Maximum chest compression")          \
    X(NIJ, Double, "Neck injury criterion")            \
    KO_DUMMY_COLUMNS(X)                                \
    X(DCOMPWT, Int, "Dummy weight with equipment")     \
    X(DOCCOM, OccCom, "Dummy commentary")              \
    X(SECURITY, Security, "Release level")

namespace ko::bio {

// The dummy occupant of a biomechanics test. DOCCLOC, DOCCSEX, DSEPOSN, their
// descriptions and DOCCOM are the common texts of ko::COccupant.
class CDummyOccupant : public ko::COccupant {
public:
    CDummyOccupant();
    KO_RECORD_COLUMNS(CDummyOccupant, KO_BIO_DUMMY_OCCUPANT_COLUMNS)
};

}  // namespace ko::bio
