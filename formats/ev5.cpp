// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/ev5.h"

namespace ko {

bool IsEV5ExtensionText(std::string_view text)
{
    std::string_view first = text.substr(0, text.find('\n'));
    if (!first.empty() && first.back() == '\r') first.remove_suffix(1);
    return first == CEV5::kSourceExtension;
}

}  // namespace ko
