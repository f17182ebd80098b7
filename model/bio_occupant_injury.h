// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "model/column_table.h"
#include "model/record.h"

// BIODB.OCCI (BIODB.H_OCCI without SECURITY).
#define KO_BIO_OCCUPANT_INJURY_COLUMNS(X, B)              \
    X(TSTNO, Manual, "Test number")                       \
    X(INJNO, Int, "Injury number")                        \
    X(BODYRG, Text, "Body region")                        \
    X(BODYRGD, Text, "Body region description")           \
    X(ASPECT, Text, "Aspect")                             \
    X(ASPECTD, Text, "Aspect description")                \
    X(LESION, Text, "Lesion")                             \
    X(LESIOND, Text, "Lesion description")                \
    X(SYSORG, Text, "System or organ")                    \
    X(SYSORGD, Text, "System or organ description")       \
    X(AIS, Text, "Abbreviated injury scale")              \
    X(AISD, Text, "Abbreviated injury scale description") \
    X(AIS90, Double, "AIS 1990 code")                     \
    X(INJCOM, Text, "Injury commentary")                  \
    X(SECURITY, Security, "Release level")

namespace ko::bio {

// One injury of the occupant of a biomechanics test (key INJNO).
class COccupantInjury : public CRecord {
public:
    COccupantInjury();
    KO_RECORD_COLUMNS(COccupantInjury, KO_BIO_OCCUPANT_INJURY_COLUMNS)
};

}  // namespace ko::bio
