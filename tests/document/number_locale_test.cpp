// SPDX-License-Identifier: GPL-3.0-or-later
// Files, Copy Data and the graph's subtitle written while the user's locale has a decimal comma.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "document/plot_data.h"
#include "document/signal_output.h"
#include "model/field_value.h"
#include "tests/core/comma_locale.h"
#include "tests/document/document_fixtures.h"

namespace {

using doc_test::MakeSignal;

TEST(CommaLocale, WrittenNumbersKeepTheDecimalPoint)
{
    VELDER_UNDER_COMMA_LOCALE(comma);
    const auto a = MakeSignal({-0.001, 0.25}, {1.5, -1234.5}, 4021, 3);
    const auto b = MakeSignal({0.5}, {1e-7}, 4022, 4);
    EXPECT_EQ(ko::XYFileText(*a), "-0.001000\t1.500000\r\n0.250000\t-1234.500000\r\n");
    EXPECT_EQ(ko::CopyDataText({a, b}),
              "Test/Curve Number: 4021/3\t\tTest/Curve Number: 4022/4\t\r\n"
              "-0.001\t1.5\t0.5\t1e-07\r\n0.25\t-1234.5\t\t\r\n");
    EXPECT_EQ(ko::BuildPlotTitles({a}).subtitle, "Ymin -1234.500 @ 250.00, Ymax 1.500 @ -1.00");
    EXPECT_EQ(ko::FormatFieldValue(ko::CFieldValue(56.25)), "56.25");

    const auto path = std::filesystem::temp_directory_path() / "velder_comma_locale_xy.txt";
    ko::SaveXYText(*b, path.string());
    std::ifstream in(path, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "0.500000\t0.000000\r\n");
    std::filesystem::remove(path);
}

}  // namespace
