// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "model/column_table.h"
#include "model/record.h"
#include "model/shared_columns.h"

// BIODB.TEST (BIODB.H_TEST without SECURITY).
#define KO_BIO_TEST_COLUMNS(X, B)                      \
    X(TSTNO, Manual, "Test number")                    \
    KO_TEST_HEADER_COLUMNS(X)                          \
    X(TSTCFN, Text, "Test configuration")              \
    X(TSTCFND, Text, "Test configuration description") \
    KO_TEST_RECORDING_COLUMNS(X)                       \
    X(TOTCRV, Int, "Total number of curves")           \
    X(OCCTYP, Text, "Occupant type")                   \
    X(OCCTYPD, Text, "Occupant type description")      \
    X(TSTCOM, Text, "Test commentary")                 \
    X(SECURITY, Security, "Release level")

namespace ko::bio {

// The TEST row of a biomechanics test.
class CTest : public CRecord {
public:
    CTest();
    KO_RECORD_COLUMNS(CTest, KO_BIO_TEST_COLUMNS)
};

}  // namespace ko::bio
