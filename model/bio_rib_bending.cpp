// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/bio_rib_bending.h"

namespace ko::bio {

CRibBending::CRibBending() : CRecord(TestKind::Biomechanics) {}

KO_DEFINE_COLUMNS(CRibBending, KO_BIO_RIB_BENDING_COLUMNS)

}  // namespace ko::bio
