// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace ko {

// Test-number list files: one number per line, each line exactly 1 to 5
// decimal digits followed by CR, LF, CR LF or the end of the text. No blanks,
// signs or comments.
//
// Reads the whole text: numbers are taken from the start in file order; the
// first line that does not match (a blank line, a sixth digit, any other
// character) silently ends the list, and the numbers before it are kept.
// Duplicates and 0 are kept; CTestNumber rejects 0 later.
std::vector<int> parse_test_numbers(std::string_view text);

// Each number in plain decimal followed by "\n". Throws std::out_of_range
// (the CTestNumber text) for a number outside 1..99999, which a list could not
// carry back.
std::string write_test_numbers(const std::vector<int>& numbers);

}  // namespace ko
