// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/com_configuration.h"

namespace ko::com {

CConfiguration::CConfiguration() : CRecord(TestKind::Component) {}

KO_DEFINE_COLUMNS(CConfiguration, KO_COM_CONFIGURATION_COLUMNS)

}  // namespace ko::com
