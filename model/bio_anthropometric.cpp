// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/bio_anthropometric.h"

namespace ko::bio {

CAnthropometric::CAnthropometric() : CRecord(TestKind::Biomechanics) {}

KO_DEFINE_COLUMNS(CAnthropometric, KO_BIO_ANTHROPOMETRIC_COLUMNS)

}  // namespace ko::bio
