// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "model/instrumentation.h"

// BIODB.INST (BIODB.H_INST without SECURITY).
#define KO_BIO_INSTRUMENTATION_COLUMNS(X, B)        \
    X(TSTNO, Manual, "Test number")                 \
    KO_INSTRUMENTATION_SENSOR_COLUMNS(B)            \
    X(SENLOC, Text, "Sensor location")              \
    X(SENLOCD, Text, "Sensor location description") \
    KO_INSTRUMENTATION_DATA_COLUMNS(B)              \
    B(SECURITY, Security, "Release level")

namespace ko::bio {

// A biomechanics test's instrumentation row.
class CInstrumentation : public ko::CInstrumentation {
public:
    CInstrumentation();
    KO_RECORD_COLUMNS(CInstrumentation, KO_BIO_INSTRUMENTATION_COLUMNS)
};

}  // namespace ko::bio
