// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

#include "core/signal.h"

namespace ko {

// The signal's data as text, one point a line ending "\r\n": X, a tab and Y
// with withX, else Y alone; fixed notation with 6 decimals.
std::string SignalDataText(const CNSignal& signal, bool withX);

}  // namespace ko
