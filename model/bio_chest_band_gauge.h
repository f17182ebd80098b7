// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "model/column_table.h"
#include "model/record.h"

// BIODB.GAGE (BIODB.H_GAGE without SECURITY).
#define KO_BIO_CHEST_BAND_GAUGE_COLUMNS(X, B)       \
    X(TSTNO, Manual, "Test number")                 \
    X(BANDNO, Int, "Chest band number")             \
    X(GAGENO, Int, "Gauge number")                  \
    X(GAGDIS, Int, "Gauge distance along the band") \
    X(CURNO, Int, "Curve number")                   \
    X(GAGCOM, Text, "Gauge commentary")             \
    X(SECURITY, Security, "Release level")

namespace ko::bio {

// One gauge of a chest band (key BANDNO, GAGENO) and the curve it recorded
// (a plain CURNO column, not a shared curve number).
class CChestBandGauge : public CRecord {
public:
    CChestBandGauge();
    KO_RECORD_COLUMNS(CChestBandGauge, KO_BIO_CHEST_BAND_GAUGE_COLUMNS)
};

}  // namespace ko::bio
