// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/uds_save.h"

#include "core/number_text.h"
#include "document/signal_output.h"

namespace ko {

std::string SignalDataText(const CNSignal& signal, bool withX)
{
    if (withX) return XYFileText(signal);
    std::string text;
    for (const double y : signal.GetY()) {
        AppendFixed(text, y, 6);
        text += "\r\n";
    }
    return text;
}

}  // namespace ko
