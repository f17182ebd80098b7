// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/ev5_section.h"

namespace ko {

std::string EV5PipeCountText(const std::string& pipeName, std::size_t found,
                             const std::vector<std::size_t>& allowed)
{
    std::string text = pipeName + " pipe count is " + std::to_string(found) + " and not ";
    for (std::size_t i = 0; i < allowed.size(); ++i) {
        if (i > 0) text += " or ";
        text += std::to_string(allowed[i]);
    }
    return text + ".";
}

std::vector<std::string> EV5FieldNames(std::string_view order)
{
    std::vector<std::string> names;
    for (std::string_view name : SplitRecordLine(order)) names.emplace_back(name);
    return names;
}

std::string EV5TableOrder(const std::vector<CColumn>& columns, bool descriptions)
{
    std::string order;
    for (const CColumn& column : columns) {
        const bool skipped = column.name == "TSTNO" || column.name == "SECURITY" ||
                             !column.IsIn(TableVariant::Production) ||
                             (column.describesPrevious && !descriptions);
        if (skipped) continue;
        if (!order.empty()) order += CEV5::kSeparator;
        order += column.name;
    }
    return order;
}

std::string EV5Without(std::string_view order, std::string_view name)
{
    std::string result;
    for (std::string_view field : SplitRecordLine(order)) {
        if (field == name) continue;
        if (!result.empty()) result += CEV5::kSeparator;
        result += field;
    }
    return result;
}

std::string EV5FieldFault(const std::string& text, std::size_t position)
{
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == CEV5::kSeparator || (byte < 0x20 && c != '\t') || byte == 0x7f) {
            return "holds a \"|\" or a control character.";
        }
    }
    if (position == 0 && !text.empty() && text.front() == '-') {
        return "begins the record line with \"-\", which would end its section.";
    }
    return {};
}

}  // namespace ko
