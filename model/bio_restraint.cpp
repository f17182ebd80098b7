// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/bio_restraint.h"

namespace ko::bio {

CRestraint::CRestraint() : CRecord(TestKind::Biomechanics) {}

KO_DEFINE_COLUMNS(CRestraint, KO_BIO_RESTRAINT_COLUMNS)

}  // namespace ko::bio
