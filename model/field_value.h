// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <ctime>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

namespace ko {

// The four column types of the record tables.
enum class ColumnType { Int, Double, Text, Date };

// One field value: int, double, text or a broken-down date (months from 0,
// years from 1900; the zero date, all fields 0, stands for "no date").
using CFieldValue = std::variant<int, double, std::string, std::tm>;

template <class T>
constexpr ColumnType ColumnTypeOf()
{
    using V = std::remove_cvref_t<T>;
    if constexpr (std::is_same_v<V, int>)
        return ColumnType::Int;
    else if constexpr (std::is_same_v<V, double>)
        return ColumnType::Double;
    else if constexpr (std::is_same_v<V, std::string>)
        return ColumnType::Text;
    else {
        static_assert(std::is_same_v<V, std::tm>, "a column is int, double, std::string or std::tm");
        return ColumnType::Date;
    }
}

// Text form, the one EV5 record lines and the viewers use: integers in plain
// decimal, doubles in six significant digits as an output stream writes them
// ("0.0001", "1e-05"), texts as they are, dates as "05/Mar/2004" and the zero
// date as the empty text.
std::string FormatFieldValue(const CFieldValue& value);

// Reads text as a value of type. The empty text gives 0, 0.0, "" or the zero
// date. Numbers may carry blanks around them and a sign; anything else throws
// std::invalid_argument "Invalid Integer: <text>" or "Invalid Number: <text>".
// Dates: see ParseDate.
CFieldValue ParseFieldValue(ColumnType type, std::string_view text);

// value as type: int widens to double, an integral double within range narrows
// to int, a text is parsed as above; everything else throws std::invalid_argument.
CFieldValue ConvertFieldValue(ColumnType type, const CFieldValue& value);

bool IsZeroDate(const std::tm& date);
// "%d/%b/%Y" with English month names ("05/Mar/2004"); the zero date gives "".
std::string FormatDate(const std::tm& date);
// Case-insensitive DD/MMM/CCYY (11 characters) or DD/MMM/YY (9 characters;
// years below 60 are 20YY, others 19YY); JLY is accepted for July; the empty
// text is the zero date. Anything else throws std::logic_error
// "Invalid Date: <text> Valid EV5 Date Format is \"DD/MMM/CCYY\"".
std::tm ParseDate(std::string_view text);

}  // namespace ko
