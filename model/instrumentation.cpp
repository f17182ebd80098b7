// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/instrumentation.h"

namespace ko {

CInstrumentation::CInstrumentation() : CRecord(TestKind::Vehicle) {}

CInstrumentation::CInstrumentation(TestKind kind) : CRecord(kind) {}

}  // namespace ko
