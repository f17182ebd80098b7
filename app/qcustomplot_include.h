// SPDX-License-Identifier: GPL-3.0-or-later
// QCustomPlot's header uses Qt's keyword macros, which the project switches off
// (QT_NO_KEYWORDS); they are defined for that header alone.
#pragma once
#define signals Q_SIGNALS
#define slots Q_SLOTS
#define emit Q_EMIT
#define foreach Q_FOREACH
#include <qcustomplot.h>
#undef signals
#undef slots
#undef emit
#undef foreach
