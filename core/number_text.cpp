// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/number_text.h"

#include <array>
#include <charconv>

namespace ko {

namespace {

// Large enough for "%.*f" of the largest double with a table's decimals.
constexpr std::size_t kBufferSize = 400;

void Append(std::string& text, double value, std::chars_format format, int precision)
{
    std::array<char, kBufferSize> buffer;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format, precision);
    if (result.ec == std::errc())
        text.append(buffer.data(), result.ptr);
    else
        text += "nan";
}

}  // namespace

std::string FixedText(double value, int decimals)
{
    std::string text;
    AppendFixed(text, value, decimals);
    return text;
}

std::string GeneralText(double value, int digits)
{
    std::string text;
    AppendGeneral(text, value, digits);
    return text;
}

void AppendFixed(std::string& text, double value, int decimals)
{
    Append(text, value, std::chars_format::fixed, decimals);
}

void AppendGeneral(std::string& text, double value, int digits)
{
    Append(text, value, std::chars_format::general, digits);
}

std::string WithoutNegativeZero(std::string text)
{
    if (!text.empty() && text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1);
    return text;
}

bool ReadNumber(std::string_view text, double& value)
{
    if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value, std::chars_format::general);
    return !text.empty() && result.ec == std::errc() && result.ptr == end;
}

}  // namespace ko
