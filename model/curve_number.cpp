// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/curve_number.h"

#include <stdexcept>

#include "model/test_number.h"

namespace ko {

void CCurveNumber::Set(int number)
{
    if (number < kMinimum || number > kMaximum) {
        throw std::out_of_range("Curve Number: " + std::to_string(number) + " is out of range.");
    }
    number_ = number;
    text_ = std::to_string(number);
    paddedText_ = ZeroPadded(number, 3);
}

}  // namespace ko
