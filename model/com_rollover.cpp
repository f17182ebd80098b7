// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/com_rollover.h"

namespace ko::com {

CRollover::CRollover() : CRecord(TestKind::Component) {}

KO_DEFINE_COLUMNS(CRollover, KO_COM_ROLLOVER_COLUMNS)

}  // namespace ko::com
