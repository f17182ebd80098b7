// SPDX-License-Identifier: GPL-3.0-or-later
// The test-number list grammar on arbitrary bytes: it must agree with a plain
// reading of the same rules, keep every value within five digits, and read
// back what the writer makes of the numbers it found.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "model/test_number_list.h"

namespace {

// Lines of 1 to 5 digits ended by CR, LF, CR LF or the end; the first other line stops.
std::vector<int> ReferenceRead(std::string_view text)
{
    std::vector<int> numbers;
    std::size_t pos = 0;
    while (pos < text.size()) {
        int value = 0;
        std::size_t digits = 0;
        while (digits < 5 && pos + digits < text.size() && text[pos + digits] >= '0' &&
               text[pos + digits] <= '9') {
            value = value * 10 + (text[pos + digits] - '0');
            ++digits;
        }
        if (digits == 0) break;
        std::size_t end = pos + digits;
        if (end < text.size()) {
            if (text[end] == '\r') {
                ++end;
                if (end < text.size() && text[end] == '\n') ++end;
            } else if (text[end] == '\n') {
                ++end;
            } else {
                break;
            }
        }
        numbers.push_back(value);
        pos = end;
    }
    return numbers;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::vector<int> numbers = ko::parse_test_numbers(text);
    if (numbers != ReferenceRead(text)) __builtin_trap();
    std::vector<int> writable;
    for (int number : numbers) {
        if (number < 0 || number > 99999) __builtin_trap();
        if (number > 0) writable.push_back(number);
    }
    if (ko::parse_test_numbers(ko::write_test_numbers(writable)) != writable) __builtin_trap();
    return 0;
}
