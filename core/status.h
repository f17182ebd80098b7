// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace ko {

// Upper-cases a data status and maps codes and long forms to the stored text.
std::string NormaliseStatus(const std::string& text);

}  // namespace ko
