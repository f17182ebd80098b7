// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/security.h"

namespace ko {

void CSecurity::Set(const std::string& value)
{
    const bool isPublic = value == "PUBLIC";
    level_ = isPublic ? 1 : 2;
    text_ = isPublic ? "PUBLIC" : "PRIVATE";
}

}  // namespace ko
