// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "model/column_table.h"
#include "model/record.h"

// BIODB.CHBD (BIODB.H_CHBD without SECURITY).
#define KO_BIO_CHEST_BAND_OCCUPANT_COLUMNS(X, B) \
    X(TSTNO, Manual, "Test number")              \
    X(BANDNO, Int, "Chest band number")          \
    X(CHSDPT, Int, "Chest depth")                \
    X(CHSBRD, Int, "Chest breadth")              \
    X(BANLEN, Int, "Band length")                \
    X(ANTLOC, Int, "Anterior location")          \
    X(POSLOC, Int, "Posterior location")         \
    X(GAGSTR, Int, "Gauge at the sternum")       \
    X(DISSTR, Int, "Distance to the sternum")    \
    X(GAGSPN, Int, "Gauge at the spine")         \
    X(DISSPN, Int, "Distance to the spine")      \
    X(TOTGAG, Int, "Total number of gauges")     \
    X(CHBCOM, Text, "Chest band commentary")     \
    X(SECURITY, Security, "Release level")

namespace ko::bio {

// One chest band of a biomechanics test (key BANDNO).
class CChestBandOccupant : public CRecord {
public:
    CChestBandOccupant();
    KO_RECORD_COLUMNS(CChestBandOccupant, KO_BIO_CHEST_BAND_OCCUPANT_COLUMNS)
};

}  // namespace ko::bio
