// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "model/column_table.h"
#include "model/record.h"

// COMDB.COMP and COMDB.H_COMP (no SECURITY).
#define KO_COM_COMPONENT_COLUMNS(X, B)                     \
    X(TSTNO, Manual, "Test number")                        \
    X(VEHNO, Int, "Vehicle number within the test")        \
    X(CMPNO, Int, "Component number")                      \
    X(CMPNT, Text, "Component")                            \
    X(CMPNTD, Text, "Component description")               \
    X(CMPTYP, Text, "Component type")                      \
    X(CMPTYPD, Text, "Component type description")         \
    X(CMPWGT, Double, "Component weight")                  \
    X(MODIND, Text, "Modification indicator")              \
    X(MODINDD, Text, "Modification indicator description") \
    X(MODDSC, Text, "Modification description")            \
    X(OCCTYP, Text, "Occupant type")                       \
    X(OCCTYPD, Text, "Occupant type description")          \
    X(DUMSIZ, Text, "Dummy size")                          \
    X(DUMSIZD, Text, "Dummy size description")             \
    X(DUMMAN, Text, "Dummy manufacturer")                  \
    X(CMPCOM, Text, "Component commentary")

namespace ko::com {

// One component of a component test (key VEHNO, CMPNO).
class CComponent : public CRecord {
public:
    CComponent();
    KO_RECORD_COLUMNS(CComponent, KO_COM_COMPONENT_COLUMNS)
};

}  // namespace ko::com
