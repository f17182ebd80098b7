// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/com_component.h"

namespace ko::com {

CComponent::CComponent() : CRecord(TestKind::Component) {}

KO_DEFINE_COLUMNS(CComponent, KO_COM_COMPONENT_COLUMNS)

}  // namespace ko::com
