// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ko {

// A number typed into a dialog or given on a command line: the whole text
// (surrounding blanks aside) in the C locale, finite; nullopt otherwise.
std::optional<double> ParseTypedDouble(std::string_view text);
std::optional<std::int32_t> ParseTypedInt(std::string_view text);

// The text a failed conversion of a typed number reports.
inline constexpr const char* kConversionError =
    "bad lexical cast: source type value could not be interpreted as target";

}  // namespace ko
