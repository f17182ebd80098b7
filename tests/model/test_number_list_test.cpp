// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/test_number_list.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "tests/model/fails_with.h"

namespace ko {
namespace {

using Numbers = std::vector<int>;

TEST(TestNumberList, AnyLineEndAndAMissingFinalOne)
{
    EXPECT_EQ(parse_test_numbers("123\r\n4567\r\n89"), (Numbers{123, 4567, 89}));
    EXPECT_EQ(parse_test_numbers("1\n2\r3\r\n4\n"), (Numbers{1, 2, 3, 4}));
    EXPECT_EQ(parse_test_numbers("99999"), (Numbers{99999}));
    EXPECT_EQ(parse_test_numbers(""), Numbers{});
}

TEST(TestNumberList, TheFirstBadLineEndsTheListSilently)
{
    EXPECT_EQ(parse_test_numbers("12\n 34\n56\n"), (Numbers{12}));
    EXPECT_EQ(parse_test_numbers("12\n\n34\n"), (Numbers{12}));
    EXPECT_EQ(parse_test_numbers("12\r\n\r\n34\r\n"), (Numbers{12}));
    EXPECT_EQ(parse_test_numbers("12\n+34\n"), (Numbers{12}));
    EXPECT_EQ(parse_test_numbers("12\n34x\n56\n"), (Numbers{12}));
    EXPECT_EQ(parse_test_numbers("12 \n34\n"), Numbers{});
    EXPECT_EQ(parse_test_numbers("\n12\n"), Numbers{});
    EXPECT_EQ(parse_test_numbers("12\n\xB5\n"), (Numbers{12}));
}

TEST(TestNumberList, SixDigitsAndLongRunsEndTheList)
{
    EXPECT_EQ(parse_test_numbers("123456\n7\n"), Numbers{});
    EXPECT_EQ(parse_test_numbers("7\n123456\n8\n"), (Numbers{7}));
    EXPECT_EQ(parse_test_numbers("7\n99999999999999999999999\n"), (Numbers{7}));
    EXPECT_EQ(parse_test_numbers("00012\n"), (Numbers{12}));
}

TEST(TestNumberList, KeepsZeroAndDuplicates)
{
    EXPECT_EQ(parse_test_numbers("0\n5\n5\n00000\n"), (Numbers{0, 5, 5, 0}));
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
