// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "model/column_table.h"
#include "model/record.h"

// BIODB.RIB (BIODB.H_RIB without SECURITY).
#define KO_BIO_RIB_BENDING_COLUMNS(X, B)         \
    X(TSTNO, Manual, "Test number")              \
    X(RIBNO, Int, "Rib number")                  \
    X(RIBLOC, Text, "Rib location")              \
    X(RIBLOCD, Text, "Rib location description") \
    X(RIBIN, Int, "Rib instrumented")            \
    X(NADIS, Int, "Neutral axis distance")       \
    X(SPLEN, Int, "Span length")                 \
    X(DEFL, Int, "Deflection")                   \
    X(LOAD, Int, "Load")                         \
    X(BRKLD, Int, "Breaking load")               \
    X(ARMAR, Int, "Moment arm")                  \
    X(RAREA, Int, "Rib cross-section area")      \
    X(SECURITY, Security, "Release level")

namespace ko::bio {

// One rib bending measurement of a biomechanics test (key RIBNO).
class CRibBending : public CRecord {
public:
    CRibBending();
    KO_RECORD_COLUMNS(CRibBending, KO_BIO_RIB_BENDING_COLUMNS)
};

}  // namespace ko::bio
