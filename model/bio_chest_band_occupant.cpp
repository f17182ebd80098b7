// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/bio_chest_band_occupant.h"

namespace ko::bio {

CChestBandOccupant::CChestBandOccupant() : CRecord(TestKind::Biomechanics) {}

KO_DEFINE_COLUMNS(CChestBandOccupant, KO_BIO_CHEST_BAND_OCCUPANT_COLUMNS)

}  // namespace ko::bio
