// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <ctime>

namespace velder_test {

// The date the tests write and read back: 5 March 2004, midnight.
inline std::tm March5th2004()
{
    std::tm date{};
    date.tm_year = 104;
    date.tm_mon = 2;
    date.tm_mday = 5;
    return date;
}

}  // namespace velder_test
