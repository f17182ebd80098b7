// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/bio_chest_band_gauge.h"

namespace ko::bio {

CChestBandGauge::CChestBandGauge() : CRecord(TestKind::Biomechanics) {}

KO_DEFINE_COLUMNS(CChestBandGauge, KO_BIO_CHEST_BAND_GAUGE_COLUMNS)

}  // namespace ko::bio
