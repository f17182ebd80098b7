// SPDX-License-Identifier: GPL-3.0-or-later
// The choices behind the selection dialogs: cascading filters over test-list
// rows, typed test numbers and test-number list files.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "document/cascade_filter.h"
#include "document/test_number_choice.h"
#include "tests/support/temp_dir_test.h"

namespace {

using Texts = std::vector<std::string>;

TEST(CascadeFilter, EachColumnOffersValuesOfRowsPassingEarlierChoices)
{
    ko::CCascadeFilter filter({{"FRONTAL", "FORD", "10"},
                               {"FRONTAL", "AUDI", "9"},
                               {"SIDE", "FORD", "100"},
                               {"FRONTAL", "FORD", "10"}},
                              3);
    EXPECT_EQ(filter.Options(1), Texts({"AUDI", "FORD"}));
    EXPECT_EQ(filter.Options(2), Texts({"9", "10", "100"})) << "numbers by value, each once";
    filter.Choose(0, "FRONTAL");
    filter.Choose(1, "FORD");
    EXPECT_EQ(filter.Options(2), Texts({"10"}));
    EXPECT_EQ(filter.Matching(), (std::vector<std::size_t>{0, 3}));
    filter.Choose(0, "SIDE");
    EXPECT_FALSE(filter.Choice(1)) << "a new choice clears the later ones";
    EXPECT_EQ(filter.Options(1), Texts({"FORD"}));
    filter.Choose(0, std::nullopt);
    EXPECT_EQ(filter.Matching().size(), 4u);
}

TEST(CascadeFilter, NumbersSortBeforeTexts)
{
    EXPECT_TRUE(ko::OptionLess("2", "10"));
    EXPECT_TRUE(ko::OptionLess("10", "A"));
    EXPECT_TRUE(ko::OptionLess("", "A"));
    EXPECT_FALSE(ko::OptionLess("B", "A"));
}

TEST(TestNumberEntry, AcceptsWholeNumbersFrom1To99999Only)
{
    EXPECT_EQ(ko::CTestNumberChoice::ParseEntry("1"), 1);
    EXPECT_EQ(ko::CTestNumberChoice::ParseEntry(" 99999 "), 99999);
    EXPECT_EQ(ko::CTestNumberChoice::ParseEntry("00042"), 42);
    for (const char* refused : {"0", "100000", "", "  ", "-5", "+5", "12a", "1.0", "4294967297", "1 2"})
        EXPECT_FALSE(ko::CTestNumberChoice::ParseEntry(refused)) << refused;
}

class TestNumberFile : public testsupport::TempDirTest {};

TEST_F(TestNumberFile, WritesDuplicatesOnce)
{
    const std::string path = Path("twice.txt");
    ko::WriteTestNumberFile(path, {3, 1, 3, 2, 1});
    EXPECT_EQ(ko::ReadTestNumberFile(path), (std::vector<int>{3, 1, 2}));
}

}  // namespace
