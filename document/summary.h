// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <algorithm>
#include <cstddef>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "document/signal_title.h"
#include "model/record_list.h"

namespace ko {

// One line of the summary: a test's curve set against the other loaded tests.
struct CSummaryLine {
    std::string testNumber;  // the identification text when the number is 0
    std::size_t total = 0;   // instrumentation rows
    std::size_t am = 0;      // rows whose DASTAT is exactly "AM"
    std::size_t other = 0;   // the remaining rows
    std::size_t unique = 0;  // titles some other test lacks (or carries on fewer rows)
    std::size_t common = 0;  // the same on every line, see SummaryCommon
    std::size_t shared = 0;  // titles some other test carries too
};

// The rows of one test sorted by title, with the test's number. Tests are
// told apart by number only: a test listed twice never meets itself.
template <class Row>
struct CSummaryTest {
    int number = 0;
    CRecordList<Row> rows;
};

// Rows of a matched one to one, in title order, with the rows of b.
template <class Row>
CRecordList<Row> TitleIntersection(const CRecordList<Row>& a, const CRecordList<Row>& b)
{
    CRecordList<Row> result;
    std::set_intersection(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(result), TitleOrder{});
    return result;
}

// Rows of a left over after matching them one to one with the rows of b.
template <class Row>
CRecordList<Row> TitleDifference(const CRecordList<Row>& a, const CRecordList<Row>& b)
{
    CRecordList<Row> result;
    std::set_difference(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(result), TitleOrder{});
    return result;
}

// The number of distinct titles among rows.
template <class Row>
std::size_t DistinctTitleCount(CRecordList<Row> rows)
{
    std::stable_sort(rows.begin(), rows.end(), TitleOrder{});
    const auto same = [](const auto& a, const auto& b) { return SameTitle(*a, *b); };
    return static_cast<std::size_t>(std::distance(rows.begin(), std::unique(rows.begin(), rows.end(), same)));
}

// The distinct titles of the smallest one-to-one intersection over every
// ordered pair of tests with different numbers; the row count of a lone
// test; 0 without tests. A pair with nothing in common makes it 0.
template <class Row>
std::size_t SummaryCommon(const std::vector<CSummaryTest<Row>>& tests)
{
    if (tests.empty()) return 0;
    if (tests.size() == 1) return tests.front().rows.size();
    std::optional<CRecordList<Row>> smallest;
    for (const auto& a : tests) {
        for (const auto& b : tests) {
            if (a.number == b.number) continue;
            auto both = TitleIntersection(a.rows, b.rows);
            if (!smallest || both.size() < smallest->size()) smallest = std::move(both);
        }
    }
    return smallest ? DistinctTitleCount(std::move(*smallest)) : 0;
}

// The distinct titles of what combine(t, b) yields against every other test b;
// t's row count when it is the only test.
template <class Row, class Combine>
std::size_t SummaryAgainstOthers(const std::vector<CSummaryTest<Row>>& tests, const CSummaryTest<Row>& t,
                                 Combine combine)
{
    if (tests.size() == 1) return t.rows.size();
    CRecordList<Row> collected;
    for (const auto& b : tests) {
        if (b.number == t.number) continue;
        auto part = combine(t.rows, b.rows);
        collected.insert(collected.end(), part.begin(), part.end());
    }
    return DistinctTitleCount(std::move(collected));
}

// The test's number as text, or its identification text (TSTREF, else TITLE)
// when the number is 0. Throws the aggregate's "Invalid ... Test" without a test record.
template <class Test>
std::string SummaryTestName(const Test& test)
{
    const auto& record = test.TestRecord();
    if (record.GetTSTNO() != 0) return std::to_string(record.GetTSTNO());
    return record.GetTSTREF().empty() ? record.GetTITLE() : record.GetTSTREF();
}

// One line per test, in order.
template <class Test>
std::vector<CSummaryLine> BuildSummary(const std::vector<std::shared_ptr<Test>>& tests)
{
    using Row = typename std::remove_cvref_t<decltype(*tests.front()->GetInstrumentations().front())>;
    std::vector<CSummaryTest<Row>> sorted;
    for (const auto& test : tests) {
        CSummaryTest<Row> entry{test->TestRecord().GetTSTNO(), test->GetInstrumentations()};
        std::stable_sort(entry.rows.begin(), entry.rows.end(), TitleOrder{});
        sorted.push_back(std::move(entry));
    }
    const std::size_t common = SummaryCommon(sorted);
    std::vector<CSummaryLine> lines;
    for (std::size_t i = 0; i < tests.size(); ++i) {
        CSummaryLine line;
        line.testNumber = SummaryTestName(*tests[i]);
        line.total = sorted[i].rows.size();
        line.am =
            static_cast<std::size_t>(std::count_if(sorted[i].rows.begin(), sorted[i].rows.end(),
                                                   [](const auto& row) { return row->GetDASTAT() == "AM"; }));
        line.other = line.total - line.am;
        line.unique = SummaryAgainstOthers(sorted, sorted[i], TitleDifference<Row>);
        line.common = common;
        line.shared = SummaryAgainstOthers(sorted, sorted[i], TitleIntersection<Row>);
        lines.push_back(std::move(line));
    }
    return lines;
}

// The summary's column headings ("TEST\nNUMBER", "TOTAL\nSIGNALS", ...).
const std::vector<std::string>& SummaryHeadings();

}  // namespace ko
