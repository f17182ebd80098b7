// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/summary.h"

namespace ko {

const std::vector<std::string>& SummaryHeadings()
{
    static const std::vector<std::string> headings{"TEST\nNUMBER",   "TOTAL\nSIGNALS",  "AM\nSTATUS",
                                                   "OTHER\nSTATUS",  "UNIQUE\nSIGNALS", "COMMON\nSIGNALS",
                                                   "SHARED\nSIGNALS"};
    return headings;
}

}  // namespace ko
