// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "model/instrumentation.h"

// COMDB.INST and COMDB.H_INST: no SECURITY column, so rows stay "PRIVATE".
#define KO_COM_INSTRUMENTATION_COLUMNS(X, B)        \
    X(TSTNO, Manual, "Test number")                 \
    X(VEHNO, Int, "Vehicle number within the test") \
    X(CMPNO, Int, "Component number")               \
    X(CNFNO, Int, "Configuration number")           \
    KO_INSTRUMENTATION_SENSOR_COLUMNS(B)            \
    KO_INSTRUMENTATION_DATA_COLUMNS(B)

namespace ko::com {

// A component test's instrumentation row; it has no sensor location.
class CInstrumentation : public ko::CInstrumentation {
public:
    CInstrumentation();
    KO_RECORD_COLUMNS(CInstrumentation, KO_COM_INSTRUMENTATION_COLUMNS)
};

}  // namespace ko::com
