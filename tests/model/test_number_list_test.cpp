// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/test_number_list.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "tests/model/fails_with.h"

namespace ko {
namespace {

using Numbers = std::vector<int>;

TEST(TestNumberList, LineEndsAndTheFirstBadLineEndingTheListSilently)
{
    const std::pair<std::string, Numbers> rows[] = {
        // Any line end, and a missing final one.
        {"123\r\n4567\r\n89", {123, 4567, 89}},
        {"1\n2\r3\r\n4\n", {1, 2, 3, 4}},
        {"99999", {99999}},
        {"", {}},
        // Blanks, signs, empty lines, other characters and bytes end the list.
        {"12\n 34\n56\n", {12}},
        {"12\n\n34\n", {12}},
        {"12\r\n\r\n34\r\n", {12}},
        {"12\n+34\n", {12}},
        {"12\n34x\n56\n", {12}},
        {"12 \n34\n", {}},
        {"\n12\n", {}},
        {"12\n\xB5\n", {12}},
        // So do six digits and long runs; leading zeros, zero and duplicates are kept.
        {"123456\n7\n", {}},
        {"7\n123456\n8\n", {7}},
        {"7\n99999999999999999999999\n", {7}},
        {"00012\n", {12}},
        {"0\n5\n5\n00000\n", {0, 5, 5, 0}},
    };
    for (const auto& [text, numbers] : rows) EXPECT_EQ(parse_test_numbers(text), numbers) << text;
}

TEST(TestNumberList, WriterRoundTripsAndRejectsWhatItCannotCarry)
{
    const Numbers numbers{1, 99999, 42, 42};
    EXPECT_EQ(write_test_numbers(numbers), "1\n99999\n42\n42\n");
    EXPECT_EQ(parse_test_numbers(write_test_numbers(numbers)), numbers);
    EXPECT_EQ(write_test_numbers({}), "");
    EXPECT_TRUE(FailsWith<std::out_of_range>(
        [] {
            write_test_numbers({5, 100000});
        },
        "Test Number: 100000 is out of range.  Range 1 to 99999"));
    EXPECT_THROW(write_test_numbers({0}), std::out_of_range);
}

}  // namespace
}  // namespace ko
