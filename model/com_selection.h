// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "model/column_table.h"
#include "model/record.h"

// A component test-list row: COMDB.TEST (or H_TEST).
#define KO_COM_SELECTION_COLUMNS(X, B)             \
    X(TSTNO, Manual, "Test number")                \
    X(TSTPRF, Text, "Test performer")              \
    X(TSTPRFD, Text, "Test performer description") \
    X(TSTTYP, Text, "Test type")                   \
    X(TSTTYPD, Text, "Test type description")      \
    X(TSTREF, Text, "Test reference number")

namespace ko::com {

// One row of the component test list.
class CSelection : public CRecord {
public:
    CSelection();
    KO_RECORD_COLUMNS(CSelection, KO_COM_SELECTION_COLUMNS)
};

}  // namespace ko::com
