// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/record_list.h"

#include <stdexcept>

namespace ko {

void CheckRecordPointer(const void* record)
{
    if (record == nullptr) throw std::invalid_argument("record pointer is invalid");
}

}  // namespace ko
