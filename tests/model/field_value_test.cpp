// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/field_value.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "tests/model/fails_with.h"

namespace ko {
namespace {

TEST(FieldDate, FormatsDayShortMonthAndFullYear)
{
    std::tm date{};
    date.tm_mday = 5;
    date.tm_mon = 2;
    date.tm_year = 104;
    EXPECT_EQ(FormatDate(date), "05/Mar/2004");
    date.tm_mday = 31;
    date.tm_mon = 11;
    date.tm_year = 99;
    EXPECT_EQ(FormatDate(date), "31/Dec/1999");
    EXPECT_EQ(FormatDate(std::tm{}), "");
}

TEST(FieldDate, ReadsLongAndShortFormsInAnyCase)
{
    const std::pair<const char*, const char*> rows[] = {
        {"05/MAR/2004", "05/Mar/2004"}, {"05/mar/04", "05/Mar/2004"}, {"05/MAR/75", "05/Mar/1975"},
        {"01/JAN/59", "01/Jan/2059"},   {"01/JAN/60", "01/Jan/1960"}, {"14/JLY/1990", "14/Jul/1990"}};
    for (const auto& [text, expected] : rows) EXPECT_EQ(FormatDate(ParseDate(text)), expected) << text;
    EXPECT_TRUE(IsZeroDate(ParseDate("")));
}

TEST(FieldDate, RejectsEverythingElseWithTheDateText)
{
    for (const char* bad : {"5/MAR/2004", "05/MAR/200", "05-MAR-2004", "05/XYZ/2004", "AB/MAR/2004",
                            "00/MAR/2004", "32/MAR/2004", "05/MAR/20O4", "05/MAR/2004 ", " "}) {
        const std::string text =
            "Invalid Date: " + std::string(bad) + " Valid EV5 Date Format is \"DD/MMM/CCYY\"";
        EXPECT_TRUE(FailsWith<ko::CFailure>([&] { ParseDate(bad); }, text)) << bad;
    }
}

TEST(FieldText, NumbersInPlainAndSixDigitForms)
{
    const std::pair<CFieldValue, const char*> rows[] = {{-42, "-42"},       {0.0001, "0.0001"},
                                                        {0.00001, "1e-05"}, {1234567.0, "1.23457e+06"},
                                                        {56.0, "56"},       {std::string("A|B"), "A|B"}};
    for (const auto& [value, text] : rows) EXPECT_EQ(FormatFieldValue(value), text);
}

TEST(FieldText, ReadsEmptyTextAsZeroAndSignsBlanksAndExponents)
{
    EXPECT_EQ(std::get<int>(ParseFieldValue(ColumnType::Int, "")), 0);
    EXPECT_EQ(std::get<double>(ParseFieldValue(ColumnType::Double, "  ")), 0.0);
    EXPECT_EQ(std::get<std::string>(ParseFieldValue(ColumnType::Text, "")), "");
    EXPECT_TRUE(IsZeroDate(std::get<std::tm>(ParseFieldValue(ColumnType::Date, ""))));
    EXPECT_EQ(std::get<int>(ParseFieldValue(ColumnType::Int, " +17 ")), 17);
    EXPECT_EQ(std::get<int>(ParseFieldValue(ColumnType::Int, "-2147483648")), -2147483648);
    EXPECT_EQ(std::get<double>(ParseFieldValue(ColumnType::Double, "1e-05")), 1e-05);
    EXPECT_EQ(std::get<double>(ParseFieldValue(ColumnType::Double, "-.5")), -0.5);
    EXPECT_EQ(std::get<std::string>(ParseFieldValue(ColumnType::Text, " kept ")), " kept ");
}

TEST(FieldText, RejectsMalformedAndOverflowingNumbers)
{
    const std::pair<ColumnType, std::string> rows[] = {{ColumnType::Int, "12.5"},
                                                       {ColumnType::Int, "2147483648"},
                                                       {ColumnType::Int, "+-1"},
                                                       {ColumnType::Double, "1,5"},
                                                       {ColumnType::Double, "1e999"}};
    for (const auto& [type, text] : rows) {
        const std::string kind = type == ColumnType::Int ? "Invalid Integer: " : "Invalid Number: ";
        EXPECT_TRUE(FailsWith<std::invalid_argument>([&] { ParseFieldValue(type, text); }, kind + text));
    }
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
