// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "model/column_table.h"
#include "model/record.h"

// A biomechanics test-list row: BIODB.TEST joined with BIODB.DOCC (dummy
// tests: DOCCSEX to DUMSIZD) or BIODB.BOCC (biological tests: BOCCSEX to
// OCCWT), or the H_ tables; the columns of the other join stay empty.
#define KO_BIO_SELECTION_COLUMNS(X, B)                 \
    X(TSTNO, Manual, "Test number")                    \
    X(TSTPRF, Text, "Test performer")                  \
    X(TSTPRFD, Text, "Test performer description")     \
    X(TSTREF, Text, "Test reference number")           \
    X(CLSSPD, Double, "Closing speed")                 \
    X(IMPANG, Int, "Impact angle")                     \
    X(OCCTYP, Text, "Occupant type")                   \
    X(OCCTYPD, Text, "Occupant type description")      \
    X(TSTCFN, Text, "Test configuration")              \
    X(TSTCFND, Text, "Test configuration description") \
    X(DOCCSEX, Text, "Dummy sex")                      \
    X(DOCCSEXD, Text, "Dummy sex description")         \
    X(DUMSIZ, Text, "Dummy size")                      \
    X(DUMSIZD, Text, "Dummy size description")         \
    X(BOCCSEX, Text, "Occupant sex")                   \
    X(BOCCSEXD, Text, "Occupant sex description")      \
    X(OCCAGE, Int, "Occupant age")                     \
    X(OCCWT, Int, "Occupant weight")

namespace ko::bio {

// One row of the biomechanics test list, one per occupant of a test.
class CSelection : public CRecord {
public:
    CSelection();
    KO_RECORD_COLUMNS(CSelection, KO_BIO_SELECTION_COLUMNS)
};

}  // namespace ko::bio
