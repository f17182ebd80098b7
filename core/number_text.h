// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers as text in the C locale, whatever the user's or the program's locale: every
// number written to a file, the clipboard or the command line goes through here.
#pragma once
#include <string>
#include <string_view>

namespace ko {

// "%.*f": fixed notation with the given number of decimals, "12.345".
std::string FixedText(double value, int decimals);
// "%.*g": the shorter of fixed and scientific notation with the given significant
// digits, trailing zeros dropped, "523.412" or "1.23457e+08".
std::string GeneralText(double value, int digits = 6);
// The same texts appended to text, for writers of many numbers.
void AppendFixed(std::string& text, double value, int decimals);
void AppendGeneral(std::string& text, double value, int digits = 6);
// A table cell's text: a value that rounds to zero shows no minus sign ("-0.000" -> "0.000").
std::string WithoutNegativeZero(std::string text);

// Reads the whole text as a decimal number, one leading '+' allowed; false when it is none.
bool ReadNumber(std::string_view text, double& value);

}  // namespace ko
