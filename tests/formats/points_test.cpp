// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/points.h"

#include <gtest/gtest.h>

#include <fstream>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "core/failure.h"
#include "tests/support/temp_dir_test.h"

namespace {

using ko::CPoints;
using XYZ = std::tuple<double, double, double>;

std::vector<XYZ> Parsed(const std::string& text)
{
    CPoints points;
    points.Parse(text);
    std::vector<XYZ> values;
    for (const auto& point : points) values.emplace_back(point->x, point->y, point->z);
    return values;
}

TEST(PointSyntax, Groups)
{
    EXPECT_EQ(Parsed("1.0\n2.0\n3.0\n"), (std::vector<XYZ>{{0, 1, 0}, {0, 2, 0}, {0, 3, 0}}));
    EXPECT_EQ(Parsed("0.0,1.5\n0.1, 2.5\r\n"), (std::vector<XYZ>{{0, 1.5, 0}, {0.1, 2.5, 0}}));
    EXPECT_EQ(Parsed("1 2 3\n-4e1\t,5.5E-1,, +6"), (std::vector<XYZ>{{1, 2, 3}, {-40, 0.55, 6}}));
    // One, two and three numbers in that order; CR alone ends a line too.
    EXPECT_EQ(Parsed("\n\n  9\r1,2\r1,2,3"), (std::vector<XYZ>{{0, 9, 0}, {1, 2, 0}, {1, 2, 3}}));
    // A separator may hold line ends: two one-number lines after pairs form one more pair.
    EXPECT_EQ(Parsed("0,1\n5\n6\n"), (std::vector<XYZ>{{0, 1, 0}, {5, 6, 0}}));
    EXPECT_EQ(Parsed("1-2\n"), (std::vector<XYZ>{{1, -2, 0}}));
    EXPECT_TRUE(Parsed("").empty());
}

TEST(PointSyntax, Rejections)
{
    for (const std::string& text :
         std::vector<std::string>{"0,1\n5\n", "1,2,3\n4,5\n", "1\n\n", "1 \n", "nan\n", "inf\n", "1;2\n", "x",
                                  "1,2\n3,4\n5,6,7\n8\n", std::string("1\n\0", 3), "1e5x", "1\xb5\n",
                                  "\xa0"
                                  "1\n"}) {
        EXPECT_EQ(testsupport::MessageOf([&] { CPoints().Parse(text); }), "Failure to parse the data.")
            << text;
    }
}

TEST(PointSyntax, EveryParseStartsAfresh)
{
    CPoints points;
    points.Parse("1\n2\n");
    points.Parse("3\n");
    ASSERT_EQ(points.size(), 1u);
    EXPECT_EQ(points[0]->y, 3.0);
    EXPECT_THROW(points.Parse("4,"), ko::CFailure);
    points.Parse("");
    EXPECT_TRUE(points.empty());
}

TEST(PointTrimming, RulesInOrder)
{
    EXPECT_EQ(ko::TrimPointText("1\n2\n\nfooter\n\n"), "1\n2\n");
    EXPECT_EQ(ko::TrimPointText("1\n2\n\tnote"), "1\n2\n");
    EXPECT_EQ(ko::TrimPointText("1\t\n2\n"), "1");
    EXPECT_EQ(ko::TrimPointText("1,2\t 3\n"), "1,2");
    EXPECT_EQ(ko::TrimPointText("1.5  2.5\n3  4\n"), "1.5");
    EXPECT_EQ(ko::TrimPointText("1\r\n2\r\n\r\nfooter"), "1\n2\n");
    EXPECT_EQ(ko::TrimPointText("1\t2\n3\t4\n"), "1\t2\n3\t4\n");
    // Each cut works on what the cuts before it left.
    EXPECT_EQ(ko::TrimPointText("1\n\n2  3"), "1\n");
}

class PointFile : public testsupport::TempDirTest {
protected:
    std::string Write(const std::string& text) const
    {
        std::ofstream(Path("curve.007"), std::ios::binary) << text;
        return Path("curve.007");
    }
    static std::string MessageOf(const std::string& path)
    {
        return testsupport::MessageOf([&] { CPoints().ReadFile(path); });
    }
};

TEST_F(PointFile, TrimsBeforeParsing)
{
    CPoints points;
    points.ReadFile(Write("0.0 1.0\n0.1 2.0\n\nEnd of data 1 2 3\n"));
    ASSERT_EQ(points.size(), 2u);
    EXPECT_EQ(points[1]->x, 0.1);
    points.ReadFile(Write("2.5  1.0\n0.1  2.0\n"));
    ASSERT_EQ(points.size(), 1u);
    EXPECT_EQ(points[0]->x, 0.0);
    EXPECT_EQ(points[0]->y, 2.5);
    points.ReadFile(Write("0,5\r\n1,6\r\n\r\nsummary\r\n"));
    EXPECT_EQ(points.size(), 2u);
}

TEST_F(PointFile, Messages)
{
    EXPECT_EQ(MessageOf(Path("none.txt")), "Failure to open file: " + Path("none.txt") + " for reading.");
    const std::string bad = Write("1,2\n3\n");
    EXPECT_EQ(MessageOf(bad),
              "Failure to parse the file: " + bad + " for reading.\nFailure to parse the data.");
    const std::string binary =
        Write(std::string("\x7f"
                          "ELF\x02\x01\x01\0\0\0",
                          10));
    EXPECT_EQ(MessageOf(binary),
              "Failure to parse the file: " + binary + " for reading.\nFailure to parse the data.");
}

TEST_F(PointFile, FixtureFiles)
{
    CPoints points;
    points.ReadFile(VELDER_TEST_DATA "/points/pulse_xy.txt");
    EXPECT_EQ(points.size(), 11u);
    EXPECT_DOUBLE_EQ(points[10]->x, 0.01);
    points.ReadFile(VELDER_TEST_DATA "/points/pulse_y_crlf.txt");
    EXPECT_EQ(points.size(), 6u);
    EXPECT_DOUBLE_EQ(points[5]->y, -3.25);
}

}  // namespace
