// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/number_text.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <limits>
#include <vector>

#include "tests/core/comma_locale.h"

namespace {

std::string Printf(const char* format, int precision, double value)
{
    char text[512];
    std::snprintf(text, sizeof text, format, precision, value);
    return text;
}

const std::vector<double> kValues{
    0.0,         -0.0, -0.0009,  1.0 / 3.0, -2e6,       1e-7,
    123456789.0, 0.5,  2.5,      1e300,     5e-324,     -1.25e-5,
    1e15,        1e16, 99999.95, -0.00049,  1.0 / 7e12, std::numeric_limits<double>::max()};

TEST(NumberText, FixedAndGeneralAreThePrintfTextsOfTheCLocale)
{
    for (const double value : kValues) {
        for (const int decimals : {0, 2, 3, 4, 6})
            EXPECT_EQ(ko::FixedText(value, decimals), Printf("%.*f", decimals, value));
        for (const int digits : {1, 6, 9, 17})
            EXPECT_EQ(ko::GeneralText(value, digits), Printf("%.*g", digits, value));
    }
    std::string text = "x=";
    ko::AppendFixed(text, 1.0 / 3.0, 2);
    ko::AppendGeneral(text, 1234567.0);
    EXPECT_EQ(text, "x=0.331.23457e+06");
    EXPECT_EQ(ko::WithoutNegativeZero(ko::FixedText(-0.0004, 3)), "0.000");
    EXPECT_EQ(ko::WithoutNegativeZero(ko::GeneralText(-0.0)), "0");
    EXPECT_EQ(ko::WithoutNegativeZero(ko::FixedText(-0.0005001, 3)), "-0.001");
}

TEST(NumberText, ReadsWholeDecimalNumbersOnly)
{
    double value = 0.0;
    EXPECT_TRUE(ko::ReadNumber("+1.5", value));
    EXPECT_EQ(value, 1.5);
    EXPECT_TRUE(ko::ReadNumber("-2.5e-3", value));
    EXPECT_EQ(value, -0.0025);
    for (const char* bad : {"", "+", "+-1", "1,5", " 1", "1 ", "1x", "--1"})
        EXPECT_FALSE(ko::ReadNumber(bad, value)) << bad;
}

TEST(NumberText, TextsKeepTheDecimalPointUnderACommaLocale)
{
    VELDER_UNDER_COMMA_LOCALE(comma);
    ASSERT_EQ(Printf("%.*f", 1, 1.5), "1,5");  // the locale is in force
    EXPECT_EQ(ko::FixedText(-1234.5678, 3), "-1234.568");
    EXPECT_EQ(ko::GeneralText(0.000123456789, 9), "0.000123456789");
    double value = 0.0;
    EXPECT_TRUE(ko::ReadNumber("2.75", value));
    EXPECT_EQ(value, 2.75);
    EXPECT_FALSE(ko::ReadNumber("2,75", value));
}

}  // namespace
