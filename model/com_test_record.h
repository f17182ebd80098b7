// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "model/column_table.h"
#include "model/record.h"
#include "model/shared_columns.h"

// COMDB.TEST and COMDB.H_TEST (no SECURITY).
#define KO_COM_TEST_COLUMNS(X, B)             \
    X(TSTNO, Manual, "Test number")           \
    KO_TEST_HEADER_COLUMNS(X)                 \
    X(TSTTYP, Text, "Test type")              \
    X(TSTTYPD, Text, "Test type description") \
    X(TEMP, Int, "Ambient temperature")       \
    X(TOTCRV, Int, "Total number of curves")  \
    X(TSTCOM, Text, "Test commentary")

namespace ko::com {

// The TEST row of a component test.
class CTest : public CRecord {
public:
    CTest();
    KO_RECORD_COLUMNS(CTest, KO_COM_TEST_COLUMNS)
};

}  // namespace ko::com
