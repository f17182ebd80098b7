// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/field_value.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "tests/model/fails_with.h"

namespace ko {
namespace {

std::tm Date(int day, int month, int year)
{
    std::tm date{};
    date.tm_mday = day;
    date.tm_mon = month - 1;
    date.tm_year = year - 1900;
    return date;
}

std::string DateText(std::string_view text)
{
    return FormatDate(ParseDate(text));
}

const std::string kDateFormat = " Valid EV5 Date Format is \"DD/MMM/CCYY\"";

TEST(FieldDate, FormatsDayShortMonthAndFullYear)
{
    EXPECT_EQ(FormatDate(Date(5, 3, 2004)), "05/Mar/2004");
    EXPECT_EQ(FormatDate(Date(31, 12, 1999)), "31/Dec/1999");
    EXPECT_EQ(FormatDate(std::tm{}), "");
}

TEST(FieldDate, ReadsLongAndShortFormsInAnyCase)
{
    EXPECT_EQ(DateText("05/MAR/2004"), "05/Mar/2004");
    EXPECT_EQ(DateText("05/mar/04"), "05/Mar/2004");
    EXPECT_EQ(DateText("05/MAR/75"), "05/Mar/1975");
    EXPECT_EQ(DateText("01/JAN/59"), "01/Jan/2059");
    EXPECT_EQ(DateText("01/JAN/60"), "01/Jan/1960");
    EXPECT_EQ(DateText("14/JLY/1990"), "14/Jul/1990");
    EXPECT_TRUE(IsZeroDate(ParseDate("")));
}

TEST(FieldDate, RejectsEverythingElseWithTheDateText)
{
    for (const char* bad : {"5/MAR/2004", "05/MAR/200", "05-MAR-2004", "05/XYZ/2004", "AB/MAR/2004",
                            "00/MAR/2004", "32/MAR/2004", "05/MAR/20O4", "05/MAR/2004 ", " "}) {
        EXPECT_TRUE(FailsWith<std::logic_error>([&] { ParseDate(bad); },
                                                "Invalid Date: " + std::string(bad) + kDateFormat))
            << bad;
    }
}

TEST(FieldText, NumbersInPlainAndSixDigitForms)
{
    EXPECT_EQ(FormatFieldValue(-42), "-42");
    EXPECT_EQ(FormatFieldValue(0.0001), "0.0001");
    EXPECT_EQ(FormatFieldValue(0.00001), "1e-05");
    EXPECT_EQ(FormatFieldValue(1234567.0), "1.23457e+06");
    EXPECT_EQ(FormatFieldValue(56.0), "56");
    EXPECT_EQ(FormatFieldValue(std::string("A|B")), "A|B");
}

TEST(FieldText, EmptyTextIsTheZeroValue)
{
    EXPECT_EQ(std::get<int>(ParseFieldValue(ColumnType::Int, "")), 0);
    EXPECT_EQ(std::get<double>(ParseFieldValue(ColumnType::Double, "  ")), 0.0);
    EXPECT_EQ(std::get<std::string>(ParseFieldValue(ColumnType::Text, "")), "");
    EXPECT_TRUE(IsZeroDate(std::get<std::tm>(ParseFieldValue(ColumnType::Date, ""))));
}

TEST(FieldText, ReadsSignsBlanksAndExponents)
{
    EXPECT_EQ(std::get<int>(ParseFieldValue(ColumnType::Int, " +17 ")), 17);
    EXPECT_EQ(std::get<int>(ParseFieldValue(ColumnType::Int, "-2147483648")), -2147483648);
    EXPECT_EQ(std::get<double>(ParseFieldValue(ColumnType::Double, "1e-05")), 1e-05);
    EXPECT_EQ(std::get<double>(ParseFieldValue(ColumnType::Double, "-.5")), -0.5);
    EXPECT_EQ(std::get<std::string>(ParseFieldValue(ColumnType::Text, " kept ")), " kept ");
}

TEST(FieldText, RejectsMalformedAndOverflowingNumbers)
{
    EXPECT_TRUE(FailsWith<std::invalid_argument>([] { ParseFieldValue(ColumnType::Int, "12.5"); },
                                                 "Invalid Integer: 12.5"));
    EXPECT_TRUE(FailsWith<std::invalid_argument>([] { ParseFieldValue(ColumnType::Int, "2147483648"); },
                                                 "Invalid Integer: 2147483648"));
    EXPECT_TRUE(FailsWith<std::invalid_argument>([] { ParseFieldValue(ColumnType::Int, "+-1"); },
                                                 "Invalid Integer: +-1"));
    EXPECT_TRUE(FailsWith<std::invalid_argument>([] { ParseFieldValue(ColumnType::Double, "1,5"); },
                                                 "Invalid Number: 1,5"));
    EXPECT_TRUE(FailsWith<std::invalid_argument>([] { ParseFieldValue(ColumnType::Double, "1e999"); },
                                                 "Invalid Number: 1e999"));
}

TEST(FieldText, ConvertsBetweenTypesOnlyWithoutLoss)
{
    EXPECT_EQ(std::get<double>(ConvertFieldValue(ColumnType::Double, 3)), 3.0);
    EXPECT_EQ(std::get<int>(ConvertFieldValue(ColumnType::Int, 12345678.0)), 12345678);
    EXPECT_EQ(std::get<std::string>(ConvertFieldValue(ColumnType::Text, 2.5)), "2.5");
    EXPECT_EQ(std::get<int>(ConvertFieldValue(ColumnType::Int, std::string("9"))), 9);
    EXPECT_THROW(ConvertFieldValue(ColumnType::Int, 2.5), std::invalid_argument);
    EXPECT_THROW(ConvertFieldValue(ColumnType::Int, 1e12), std::invalid_argument);
    EXPECT_THROW(ConvertFieldValue(ColumnType::Date, 5), std::invalid_argument);
}

}  // namespace
}  // namespace ko
