// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/bio_instrumentation.h"

namespace ko::bio {

CInstrumentation::CInstrumentation() : ko::CInstrumentation(TestKind::Biomechanics) {}

KO_DEFINE_COLUMNS(CInstrumentation, KO_BIO_INSTRUMENTATION_COLUMNS)

}  // namespace ko::bio
