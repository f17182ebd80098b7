// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/bio_biological_occupant.h"

namespace ko::bio {

CBiologicalOccupant::CBiologicalOccupant() : ko::COccupant(TestKind::Biomechanics) {}

KO_DEFINE_COLUMNS(CBiologicalOccupant, KO_BIO_BIOLOGICAL_OCCUPANT_COLUMNS)

}  // namespace ko::bio
