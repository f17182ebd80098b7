// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/file_name.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using ko::CFileName;

TEST(FileName, ComponentCurveNames)
{
    CFileName name;
    name.SetDatabase("comdb");
    name.SetTestNumber(12345);
    name.SetCurveNumber(7);
    name.SetQuantity("NWT");
    name.SetStatus("AM");
    name.SetFilter(0);
    EXPECT_EQ(name.GetUDSName(), "c12345_007fa0.uds");
    EXPECT_EQ(name.GetTestName(), "c12345_000.___");

    name.SetTestNumber(5);
    name.SetCurveNumber(120);
    name.SetQuantity("newtons");
    name.SetStatus("computed");
    name.SetFilter(60);
    EXPECT_EQ(name.GetUDSName(), "c00005_120fcc.uds");
    name.SetQuantity("G'S");
    EXPECT_EQ(name.GetUDSName(), "c00005_120_cc.uds");
}

TEST(FileName, InvalidInputLeavesUnderscoresAndZeros)
{
    CFileName name;
    name.SetDatabase("vehdb");
    name.SetTestNumber(12345);
    name.SetCurveNumber(42);
    name.SetTestNumber(0);
    name.SetCurveNumber(1000);
    EXPECT_EQ(name.GetUDSName(), "v00000_000___.uds");
    EXPECT_EQ(name.GetTestName(), "v00000_000.___");
    name.SetTestNumber(100000);
    name.SetDatabase("xyz");
    EXPECT_EQ(name.GetUDSName(), "_00000_000___.uds");
    name.SetDatabase("");
    EXPECT_EQ(name.GetTestName(), "_00000_000.___");
}

TEST(FileName, DatabaseLetters)
{
    const std::vector<std::pair<std::string, char>> cases{
        {"vehdb", 'v'}, {"BIODB", 'b'}, {"comdb", 'c'}, {"tcadb", 't'}, {"V", 'v'}};
    for (const auto& [database, letter] : cases) {
        CFileName name;
        name.SetDatabase(database);
        EXPECT_EQ(name.GetUDSName()[0], letter) << database;
        EXPECT_EQ(name.GetTestName()[0], letter) << database;
    }
}

// The first and last text of every group, in mixed case where it matters.
TEST(FileNameLetters, QuantityGroups)
{
    const std::vector<std::pair<std::string, char>> cases{{"AMP", 'a'},
                                                          {"angular acceleration", 'a'},
                                                          {"RMM", 'c'},
                                                          {"RECIPROCAL INS", 'c'},
                                                          {"MM", 'd'},
                                                          {"Angular Displacement", 'd'},
                                                          {"ENERGY", 'e'},
                                                          {"NWT", 'f'},
                                                          {"KILOPOUNDS", 'f'},
                                                          {"KPG", 'g'},
                                                          {"GAUGE PRESSURE", 'g'},
                                                          {"NSC", 'i'},
                                                          {"ANGULAR IMPULSE", 'i'},
                                                          {"DEC", 'n'},
                                                          {"DECIBELS", 'n'},
                                                          {"oth", 'o'},
                                                          {"OTHER", 'o'},
                                                          {"KPA", 'p'},
                                                          {"POUNDS/IN**2 AB", 'p'},
                                                          {"MPM", 's'},
                                                          {"STATIC FORCE", 's'},
                                                          {"NWM", 't'},
                                                          {"TORQUE", 't'},
                                                          {"DEGREES CELSIUS", 't'},
                                                          {"KPH", 'v'},
                                                          {"ANGULAR VELOCITY", 'v'},
                                                          {"DEGREES/SEC", 'v'},
                                                          {"UNK", '_'},
                                                          {"UNKNOWN", '_'},
                                                          {"", '_'},
                                                          {"G'S", '_'},
                                                          {"NWT ", '_'},
                                                          {"MILLIMETRES", '_'}};
    for (const auto& [units, letter] : cases) EXPECT_EQ(ko::QuantityLetter(units), letter) << units;
}

TEST(FileNameLetters, StatusGroups)
{
    const std::vector<std::pair<std::string, char>> cases{{"AM", 'a'},        {"as measured", 'a'},
                                                          {"CM", 'c'},        {"COMPUTED", 'c'},
                                                          {"DFT", 'd'},       {"CF", 'f'},
                                                          {"SF", 'f'},        {"SYSTEM FAILED", 'f'},
                                                          {"ALIGEND", 'l'},   {"ALIGNED", '_'},
                                                          {"MN", 'm'},        {"MEANINGLESS", 'm'},
                                                          {"NO", 'n'},        {"no data", 'n'},
                                                          {"QD", 'q'},        {"QUESTIONABLE DATA", 'q'},
                                                          {"SC", 's'},        {"SCALING FACTOR", 's'},
                                                          {"TRUNCATED", 't'}, {"UN", '_'},
                                                          {"NOT KNOW", '_'},  {"", '_'},
                                                          {"A M", '_'}};
    for (const auto& [status, letter] : cases) EXPECT_EQ(ko::StatusLetter(status), letter) << status;
}

TEST(FileNameLetters, FilterFrequencies)
{
    const std::vector<std::pair<double, char>> cases{{0, '0'},   {15, 'a'},  {30, 'b'},      {60, 'c'},
                                                     {100, 'd'}, {300, 'e'}, {500, 'f'},     {1000, 'g'},
                                                     {180, '_'}, {600, '_'}, {60.0001, '_'}, {-60, '_'}};
    for (const auto& [frequency, letter] : cases) EXPECT_EQ(ko::FilterLetter(frequency), letter) << frequency;
}

}  // namespace
