// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/bio_dummy_occupant.h"

namespace ko::bio {

CDummyOccupant::CDummyOccupant() : ko::COccupant(TestKind::Biomechanics) {}

KO_DEFINE_COLUMNS(CDummyOccupant, KO_BIO_DUMMY_OCCUPANT_COLUMNS)

}  // namespace ko::bio
