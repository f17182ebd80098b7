// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/bio_selection.h"

namespace ko::bio {

CSelection::CSelection() : CRecord(TestKind::Biomechanics) {}

KO_DEFINE_COLUMNS(CSelection, KO_BIO_SELECTION_COLUMNS)

}  // namespace ko::bio
