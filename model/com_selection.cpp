// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/com_selection.h"

namespace ko::com {

CSelection::CSelection() : CRecord(TestKind::Component) {}

KO_DEFINE_COLUMNS(CSelection, KO_COM_SELECTION_COLUMNS)

}  // namespace ko::com
