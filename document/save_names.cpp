// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/save_names.h"

namespace ko {

std::string CSaveNames::Distinct(const std::string& name) const
{
    if (!Taken(name)) return name;
    const auto dot = name.rfind('.');
    const bool extension = dot != std::string::npos && dot > 0;
    const std::string stem = extension ? name.substr(0, dot) : name;
    const std::string tail = extension ? name.substr(dot) : std::string();
    for (unsigned n = 2;; ++n) {
        std::string candidate = stem + "_" + std::to_string(n) + tail;
        if (!Taken(candidate)) return candidate;
    }
}

}  // namespace ko
