// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/filter_class.h"

namespace ko {

int ClassFromFrequency(double prefil, double fcut)
{
    const double f = fcut != 0.0 ? fcut : prefil;
    if (f > 90.0 && f < 110.0) return 60;
    if (f > 280.0 && f < 320.0) return 180;
    if (f > 980.0 && f < 1020.0) return 600;
    if (f > 1630.0 && f < 1700.0) return 1000;
    return 1001;
}

}  // namespace ko
