// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/number_text.h"

#include <array>
#include <charconv>

namespace ko {

namespace {

std::string Text(double value, std::chars_format format, int precision)
{
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format, precision);
    if (result.ec != std::errc()) return "nan";
    std::string text(buffer.data(), result.ptr);
    // -0.000 reads as a sign error in a table.
    if (text.find_first_not_of("-0.") == std::string::npos && text.front() == '-') text.erase(0, 1);
    return text;
}

}  // namespace

std::string FixedText(double value, int decimals)
{
    return Text(value, std::chars_format::fixed, decimals);
}

std::string GeneralText(double value, int digits)
{
    return Text(value, std::chars_format::general, digits);
}

}  // namespace ko
