// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/summary.h"

#include <gtest/gtest.h>

#include "core/failure.h"
#include "tests/document/document_fixtures.h"

namespace {

using doc_test::TestWithTitles;
using Tests = std::vector<std::shared_ptr<ko::CVehicleTest>>;

struct Counts {
    std::size_t unique, common, shared;
    bool operator==(const Counts&) const = default;
};

std::vector<Counts> CountsOf(const Tests& tests)
{
    std::vector<Counts> counts;
    for (const auto& line : ko::BuildSummary(tests))
        counts.push_back({line.unique, line.common, line.shared});
    return counts;
}

TEST(Summary, NoTestsGiveNoLines)
{
    EXPECT_TRUE(ko::BuildSummary(Tests{}).empty());
}

TEST(Summary, OneTestCountsEveryRow)
{
    // 40 rows, some with the same title: a lone test counts rows, not titles.
    std::vector<std::string> titles;
    for (int i = 0; i < 40; ++i) titles.push_back("T" + std::to_string(i % 30));
    const auto lines = ko::BuildSummary(Tests{TestWithTitles(7, titles)});
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].testNumber, "7");
    EXPECT_EQ(lines[0].total, 40u);
    EXPECT_EQ(CountsOf(Tests{TestWithTitles(7, titles)}), (std::vector<Counts>{{40, 40, 40}}));
}

TEST(Summary, TwoOverlappingTests)
{
    const Tests tests{TestWithTitles(1, {"a", "b", "c"}), TestWithTitles(2, {"b", "c", "d"})};
    EXPECT_EQ(CountsOf(tests), (std::vector<Counts>{{1, 2, 2}, {1, 2, 2}}));
}

TEST(Summary, ThreeTestsKeepTheSmallestIntersection)
{
    const Tests tests{TestWithTitles(1, {"a", "b"}), TestWithTitles(2, {"a", "c"}),
                      TestWithTitles(3, {"a", "b"})};
    const auto counts = CountsOf(tests);
    EXPECT_EQ(counts[0], (Counts{1, 1, 2}));  // b is missing from test 2
    EXPECT_EQ(counts[1], (Counts{1, 1, 1}));
}

TEST(Summary, APairWithNothingInCommonMakesCommonZeroInEveryOrder)
{
    for (const auto& order :
         std::vector<std::vector<std::string>>{{"a", "b", "a"}, {"a", "a", "b"}, {"b", "a", "a"}}) {
        Tests tests;
        for (int i = 0; i < 3; ++i)
            tests.push_back(TestWithTitles(i + 1, {order[static_cast<std::size_t>(i)]}));
        for (const auto& line : ko::BuildSummary(tests))
            EXPECT_EQ(line.common, 0u) << order[0] << order[1] << order[2];
    }
}

TEST(Summary, MatchingIsOneToOne)
{
    // a on two rows of test 1 and one row of test 2: the surplus row is unique.
    const Tests tests{TestWithTitles(1, {"a", "a"}), TestWithTitles(2, {"a"})};
    EXPECT_EQ(CountsOf(tests), (std::vector<Counts>{{1, 1, 1}, {0, 1, 1}}));
}

TEST(Summary, ATestListedTwiceNeverMeetsItself)
{
    const auto test = TestWithTitles(4, {"a", "b"});
    EXPECT_EQ(CountsOf(Tests{test, test}), (std::vector<Counts>{{0, 0, 0}, {0, 0, 0}}));
    const Tests three{test, test, TestWithTitles(5, {"a"})};
    EXPECT_EQ(CountsOf(three)[0], (Counts{1, 1, 1}));
}

TEST(Summary, StatusCountsAreExact)
{
    auto test = doc_test::VehicleTest(
        3, {doc_test::VehRow(3, 1, 1, "01", "A", "AM"), doc_test::VehRow(3, 2, 1, "01", "B", "am"),
            doc_test::VehRow(3, 3, 1, "01", "C", "AM ")});
    const auto line = ko::BuildSummary(Tests{test}).front();
    EXPECT_EQ(line.total, 3u);
    EXPECT_EQ(line.am, 1u);
    EXPECT_EQ(line.other, 2u);
}

TEST(Summary, TestNumberZeroShowsTheTestReference)
{
    auto test = doc_test::VehicleTest(0, {}, "Frontal");
    EXPECT_EQ(ko::SummaryTestName(*test), "Frontal");
    test->SetTSTREF("LAB-17");
    EXPECT_EQ(ko::SummaryTestName(*test), "LAB-17");
    EXPECT_THROW(ko::BuildSummary(Tests{std::make_shared<ko::CVehicleTest>()}), ko::CFailure);
}

}  // namespace
