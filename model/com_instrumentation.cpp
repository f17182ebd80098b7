// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/com_instrumentation.h"

namespace ko::com {

CInstrumentation::CInstrumentation() : ko::CInstrumentation(TestKind::Component) {}

KO_DEFINE_COLUMNS(CInstrumentation, KO_COM_INSTRUMENTATION_COLUMNS)

}  // namespace ko::com
