// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers as text in the C locale, whatever the user's locale.
#pragma once
#include <string>

namespace ko {

// Fixed notation with the given number of decimals: "12.345".
std::string FixedText(double value, int decimals);
// The shortest of fixed and scientific notation with the given significant digits: "523.412".
std::string GeneralText(double value, int digits = 6);

}  // namespace ko
