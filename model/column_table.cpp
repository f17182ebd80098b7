// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/column_table.h"

#include <cctype>

namespace ko {

bool SameColumnName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(a[i])) !=
            std::toupper(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

void MarkDescriptionColumns(CColumn* columns, std::size_t count)
{
    for (std::size_t i = 1; i < count; ++i) {
        const std::string_view name = columns[i].name;
        const std::string_view code = columns[i - 1].name;
        columns[i].describesPrevious = columns[i].type == ColumnType::Text &&
                                       name.size() == code.size() + 1 && name.back() == 'D' &&
                                       name.substr(0, code.size()) == code;
    }
}

void ThrowUnknownColumn(std::string_view name)
{
    throw std::out_of_range("Unknown column: " + std::string(name));
}

}  // namespace ko
