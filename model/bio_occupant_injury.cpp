// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/bio_occupant_injury.h"

namespace ko::bio {

COccupantInjury::COccupantInjury() : CRecord(TestKind::Biomechanics) {}

KO_DEFINE_COLUMNS(COccupantInjury, KO_BIO_OCCUPANT_INJURY_COLUMNS)

}  // namespace ko::bio
