// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace ko {

// The description when it is not empty, else the code.
inline const std::string& DescriptionElseCode(const std::string& description, const std::string& code)
{
    return description.empty() ? code : description;
}

}  // namespace ko
