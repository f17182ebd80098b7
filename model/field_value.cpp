// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/field_value.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <stdexcept>

#include "core/failure.h"
#include "core/number_text.h"

namespace ko {

namespace {

constexpr std::array<const char*, 12> kMonths{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

std::string_view Trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

// The trimmed text without one leading '+', which from_chars does not accept.
std::string_view NumberBody(std::string_view text)
{
    text = Trimmed(text);
    if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
    return text;
}

bool ReadInteger(std::string_view text, int& value)
{
    const std::string_view body = NumberBody(text);
    const char* end = body.data() + body.size();
    const auto result = std::from_chars(body.data(), end, value);
    return result.ec == std::errc() && result.ptr == end;
}

int ParseInt(std::string_view text)
{
    int value = 0;
    if (Trimmed(text).empty()) return 0;
    if (!ReadInteger(text, value)) throw std::invalid_argument("Invalid Integer: " + std::string(text));
    return value;
}

double ParseDouble(std::string_view text)
{
    double value = 0.0;
    if (Trimmed(text).empty()) return 0.0;
    if (!ReadNumber(Trimmed(text), value))
        throw std::invalid_argument("Invalid Number: " + std::string(text));
    return value;
}

bool ReadDigits(std::string_view text, int& value)
{
    for (char c : text) {
        if (c < '0' || c > '9') return false;
    }
    return std::from_chars(text.data(), text.data() + text.size(), value).ec == std::errc();
}

int MonthIndex(std::string_view upperName)
{
    if (upperName == "JLY") return 6;
    for (std::size_t i = 0; i < kMonths.size(); ++i) {
        std::string name = kMonths[i];
        for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (upperName == name) return static_cast<int>(i);
    }
    return -1;
}

}  // namespace

bool IsZeroDate(const std::tm& date)
{
    return date.tm_mday == 0 && date.tm_mon == 0 && date.tm_year == 0;
}

std::string FormatDate(const std::tm& date)
{
    if (IsZeroDate(date)) return {};
    const bool knownMonth = date.tm_mon >= 0 && date.tm_mon < 12;
    std::array<char, 48> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%02d/%s/%04ld", date.tm_mday,
                  knownMonth ? kMonths[static_cast<std::size_t>(date.tm_mon)] : "???",
                  static_cast<long>(date.tm_year) + 1900);
    return buffer.data();
}

std::tm ParseDate(std::string_view text)
{
    std::tm date{};
    if (text.empty()) return date;
    std::string upper(text);
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const bool longForm = upper.size() == 11;
    int day = 0;
    int year = 0;
    const bool valid = (longForm || upper.size() == 9) && upper[2] == '/' && upper[6] == '/' &&
                       ReadDigits(std::string_view(upper).substr(0, 2), day) && day >= 1 && day <= 31 &&
                       ReadDigits(std::string_view(upper).substr(7), year) &&
                       MonthIndex(std::string_view(upper).substr(3, 3)) >= 0;
    if (!valid) {
        throw CFailure("Invalid Date: " + std::string(text) + " Valid EV5 Date Format is \"DD/MMM/CCYY\"");
    }
    if (!longForm) year += year < 60 ? 2000 : 1900;
    date.tm_mday = day;
    date.tm_mon = MonthIndex(std::string_view(upper).substr(3, 3));
    date.tm_year = year - 1900;
    return date;
}

std::string FormatFieldValue(const CFieldValue& value)
{
    switch (value.index()) {
        case 0: return std::to_string(std::get<int>(value));
        case 1: return GeneralText(std::get<double>(value));
        case 2: return std::get<std::string>(value);
        default: return FormatDate(std::get<std::tm>(value));
    }
}

CFieldValue ParseFieldValue(ColumnType type, std::string_view text)
{
    switch (type) {
        case ColumnType::Int: return ParseInt(text);
        case ColumnType::Double: return ParseDouble(text);
        case ColumnType::Text: return std::string(text);
        case ColumnType::Date: return ParseDate(text);
    }
    throw std::invalid_argument("Invalid column type");
}

CFieldValue ConvertFieldValue(ColumnType type, const CFieldValue& value)
{
    if (std::holds_alternative<std::string>(value))
        return ParseFieldValue(type, std::get<std::string>(value));
    if (type == ColumnType::Text) return FormatFieldValue(value);
    if (type == ColumnType::Double && std::holds_alternative<int>(value)) return double(std::get<int>(value));
    if (type == ColumnType::Int && std::holds_alternative<double>(value)) {
        const double number = std::get<double>(value);
        if (std::trunc(number) == number && number >= std::numeric_limits<int>::min() &&
            number <= std::numeric_limits<int>::max()) {
            return static_cast<int>(number);
        }
        throw std::invalid_argument("Invalid Integer: " + GeneralText(number));
    }
    // The alternatives are in ColumnType order.
    if (static_cast<int>(value.index()) != static_cast<int>(type)) {
        throw std::invalid_argument("Invalid value for the column type: " + FormatFieldValue(value));
    }
    return value;
}

}  // namespace ko
