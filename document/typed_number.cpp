// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/typed_number.h"

#include <charconv>
#include <cmath>

#include "core/number_text.h"

namespace ko {

namespace {

std::string_view Trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

template <class Number>
std::optional<Number> ParseWhole(std::string_view text)
{
    text = Trimmed(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    Number value{};
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end) return std::nullopt;
    return value;
}

}  // namespace

std::optional<double> ParseTypedDouble(std::string_view text)
{
    double value = 0.0;
    if (!ReadNumber(Trimmed(text), value) || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<std::int32_t> ParseTypedInt(std::string_view text)
{
    return ParseWhole<std::int32_t>(text);
}

}  // namespace ko
