// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/ev_base.h"

#include <array>
#include <ctime>
#include <stdexcept>

#include "core/failure.h"

namespace ko {

std::string CurrentDateText(const char* format)
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (now == static_cast<std::time_t>(-1) || localtime_r(&now, &local) == nullptr) return "00/00/0000";
    return DateText(format, local);
}

std::string DateText(const char* format, const std::tm& date)
{
    std::array<char, 64> buffer{};
    const bool known = date.tm_mon >= 0 && date.tm_mon < 12 && date.tm_mday >= 1 && date.tm_mday <= 31;
    if (!known || std::strftime(buffer.data(), buffer.size(), format, &date) == 0) return "00/00/0000";
    return buffer.data();
}

std::vector<std::string_view> SplitRecordLine(std::string_view line)
{
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (std::size_t bar = line.find('|'); bar != std::string_view::npos; bar = line.find('|', start)) {
        fields.push_back(line.substr(start, bar - start));
        start = bar + 1;
    }
    fields.push_back(line.substr(start));
    return fields;
}

bool CTextLines::Next(std::string_view& line)
{
    if (position_ >= text_.size()) return false;
    const std::size_t end = text_.find('\n', position_);
    const std::size_t stop = end == std::string_view::npos ? text_.size() : end;
    line = text_.substr(position_, stop - position_);
    position_ = stop + 1;
    ++lineNumber_;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const auto fail = [this](const std::string& what) {
        throw CFailure(label_ + " line " + std::to_string(lineNumber_) + what);
    };
    if (line.size() > kMaximumLineLength) {
        fail(" is longer than " + std::to_string(kMaximumLineLength) + " characters.");
    }
    for (char c : line) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && c != '\t') || byte == 0x7f) fail(" is not text.");
    }
    return true;
}

}  // namespace ko
