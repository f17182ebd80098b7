// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <ctime>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace ko {

// Base of the pipe-delimited test text files (EV5 and IP5): read a whole text,
// produce the file text, write it to a stream.
class CEVBase {
public:
    CEVBase() = default;
    CEVBase(const CEVBase&) = default;
    CEVBase& operator=(const CEVBase&) = default;
    virtual ~CEVBase() = default;

    virtual void Read(const std::string& text) = 0;
    // Returns false, writing nothing, when there is nothing to write from.
    virtual bool ToString(std::string& out) = 0;
    virtual void Write(std::ostream& out) = 0;
};

// Today's local date in strftime format, or "00/00/0000" when it cannot be formatted.
std::string CurrentDateText(const char* format);
// date in strftime format (%d, %m, %b, %B, %Y), or "00/00/0000" when it cannot be formatted.
std::string DateText(const char* format, const std::tm& date);

// The fields of a record line, split at every "|".
std::vector<std::string_view> SplitRecordLine(std::string_view line);

// Hands out the lines of a text one by one (lines end at "\n"; a "\r" before
// it is dropped). A line longer than kMaximumLineLength or holding a control
// character other than tab throws std::logic_error
// "<label> line <n> is longer than <max> characters." or "<label> line <n> is not text.".
class CTextLines {
public:
    static constexpr std::size_t kMaximumLineLength = 65536;

    CTextLines(std::string_view text, std::string label) : text_(text), label_(std::move(label)) {}

    // False at the end of the text.
    bool Next(std::string_view& line);
    std::size_t GetLineNumber() const { return lineNumber_; }

private:
    std::string_view text_;
    std::string label_;
    std::size_t position_ = 0;
    std::size_t lineNumber_ = 0;
};

}  // namespace ko
