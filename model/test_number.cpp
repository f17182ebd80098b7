// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/test_number.h"

#include <stdexcept>

namespace ko {

std::string ZeroPadded(int number, std::size_t width)
{
    std::string text = std::to_string(number);
    if (text.size() < width) text.insert(0, width - text.size(), '0');
    return text;
}

void CTestNumber::Set(int number)
{
    if (number < kMinimum || number > kMaximum) {
        throw std::out_of_range("Test Number: " + std::to_string(number) + " is out of range.  Range " +
                                std::to_string(kMinimum) + " to " + std::to_string(kMaximum));
    }
    number_ = number;
    text_ = std::to_string(number);
    paddedText_ = ZeroPadded(number, 5);
    tens_ = ZeroPadded(number / 10 * 10, 5);
    hundreds_ = ZeroPadded(number / 100 * 100, 5);
    thousands_ = ZeroPadded(number / 1000 * 1000, 5);
    tenThousands_ = ZeroPadded(number / 10000 * 10000, 5);
}

}  // namespace ko
