// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/test_number_choice.h"

#include <algorithm>
#include <cctype>
#include <iterator>
#include <stdexcept>

#include "core/atomic_file.h"
#include "formats/file_bytes.h"
#include "model/test_number_list.h"

namespace ko {

std::optional<int> CTestNumberChoice::ParseEntry(const std::string& text)
{
    const auto blank = [](unsigned char c) { return std::isspace(c) != 0; };
    const auto first = std::find_if_not(text.begin(), text.end(), blank);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), blank).base();
    if (first >= last || last - first > 9) return std::nullopt;
    int number = 0;
    for (auto it = first; it != last; ++it) {
        if (!std::isdigit(static_cast<unsigned char>(*it))) return std::nullopt;
        number = number * 10 + (*it - '0');
    }
    if (number < kFirst || number > kLast) return std::nullopt;
    return number;
}

bool CTestNumberChoice::Add(int number)
{
    if (Contains(number)) return false;
    numbers_.push_back(number);
    return true;
}

bool CTestNumberChoice::Contains(int number) const
{
    return std::find(numbers_.begin(), numbers_.end(), number) != numbers_.end();
}

void CTestNumberChoice::RemoveAt(std::vector<int> positions)
{
    std::sort(positions.begin(), positions.end(), std::greater<>());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());
    for (const int position : positions) {
        if (position >= 0 && position < static_cast<int>(numbers_.size()))
            numbers_.erase(numbers_.begin() + position);
    }
}

std::vector<int> ReadTestNumberFile(const std::string& path)
{
    const auto text = ko::ReadRegularFile(path);
    if (!text) throw std::runtime_error("Failure to open file: " + path);
    return ko::parse_test_numbers(*text);
}

void WriteTestNumberFile(const std::string& path, const std::vector<int>& numbers)
{
    std::vector<int> once;
    for (const int number : numbers) {
        if (std::find(once.begin(), once.end(), number) == once.end()) once.push_back(number);
    }
    const std::string text = ko::write_test_numbers(once);
    try {
        ko::WriteFileAtomically(path, text);
    } catch (const std::exception&) {
        throw std::runtime_error("Failure to open file: " + path);
    }
}

}  // namespace ko
