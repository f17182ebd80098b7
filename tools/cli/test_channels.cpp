// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/cli/test_channels.h"

#include <algorithm>
#include <ostream>
#include <stdexcept>

#include "analysis/resultant.h"
#include "core/signal.h"
#include "document/document.h"
#include "tools/cli/op_args.h"
#include "tools/cli/signal_files.h"
#include "tools/cli/source_args.h"

namespace cli {

namespace {

struct Grouping {
    std::size_t perTest = 1;  // rows or files read for one test
    bool resultant = false;
    int cfc = 0;
};

Grouping ParseGrouping(std::vector<std::string>& rest, std::size_t count)
{
    Grouping grouping{count, false, 0};
    const auto flag = std::find(rest.begin(), rest.end(), "--resultant");
    if (flag != rest.end()) {
        if (count != 1) throw std::invalid_argument("--resultant: the criterion reads more than one channel");
        rest.erase(flag);
        grouping = {3, true, 0};
    }
    std::string cfc;
    if (TakeOption(rest, "--cfc", cfc)) grouping.cfc = ParseIndex(cfc, "--cfc");
    return grouping;
}

// The resultant and the filter, as the failure of the test when they fail.
void Finish(TestChannels& test, const Grouping& grouping)
{
    if (!test.failure.empty()) return;
    try {
        // Each axis filtered before the resultant, as the filter is linear and the resultant is not.
        if (grouping.cfc != 0)
            for (auto& channel : test.channels) channel->FilterClass(grouping.cfc);
        if (grouping.resultant)
            test.channels = {ko::Resultant(*test.channels[0], *test.channels[1], *test.channels[2])};
    } catch (const std::exception& e) {
        test.failure = e.what();
    }
}

std::vector<TestChannels> FromFiles(std::vector<std::string>& rest, const Grouping& grouping)
{
    const auto end =
        std::find_if(rest.begin(), rest.end(), [](const std::string& a) { return a.rfind("--", 0) == 0; });
    const std::vector<std::string> files(rest.begin(), end);
    rest.erase(rest.begin(), end);
    if (files.size() % grouping.perTest != 0)
        throw std::invalid_argument(std::to_string(files.size()) + " files are not groups of " +
                                    std::to_string(grouping.perTest) + " channels");
    std::vector<TestChannels> tests;
    for (std::size_t i = 0; i < files.size(); i += grouping.perTest) {
        TestChannels test{files[i], {}, ""};
        for (std::size_t k = 0; k < grouping.perTest && test.failure.empty(); ++k) {
            try {
                test.channels.push_back(LoadSignal(files[i + k]));
            } catch (const std::exception& e) {
                test.failure = files[i + k] + ": " + e.what();
            }
        }
        tests.push_back(std::move(test));
    }
    return tests;
}

std::vector<std::size_t> ParseRows(const std::string& text, std::size_t rows, std::size_t perTest)
{
    std::vector<std::size_t> parsed;
    for (int row : ParseTestNumbers(text)) {
        if (row < 0 || static_cast<std::size_t>(row) >= rows)
            throw std::invalid_argument("--title: row " + std::to_string(row) + " is not one of the " +
                                        std::to_string(rows) + " title rows");
        parsed.push_back(static_cast<std::size_t>(row));
    }
    if (parsed.size() != perTest)
        throw std::invalid_argument("--title: give " + std::to_string(perTest) + " rows, not " +
                                    std::to_string(parsed.size()));
    return parsed;
}

// Each test's channels in row order, the tests in the order the first row lists them.
std::vector<TestChannels> FromSource(std::vector<std::string>& rest, const Grouping& grouping,
                                     std::ostream& err)
{
    SourceArgs source = ParseSourceArgs(rest);
    std::string rowText;
    if (!TakeOption(source.rest, "--title", rowText)) throw std::invalid_argument("--title ROW is required");
    rest = source.rest;
    ko::CDocument document;
    LoadSource(document, source, err);
    std::vector<TestChannels> tests;
    const auto rows = ParseRows(rowText, document.GetTitleCount(), grouping.perTest);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        document.SelectTitle(rows[r]);
        PrintFailures(document, err);
        for (const auto& signal : document.GetCurrentSignals()) {
            const std::string label = std::to_string(signal->GetTSTNO());
            auto test = std::find_if(tests.begin(), tests.end(),
                                     [&](const TestChannels& t) { return t.label == label; });
            if (test == tests.end() && r == 0) test = tests.insert(tests.end(), TestChannels{label, {}, ""});
            if (test == tests.end() || test->channels.size() != r) continue;
            test->channels.push_back(signal);
        }
    }
    if (tests.empty()) throw std::runtime_error("No signal could be loaded.");
    for (auto& test : tests)
        if (test.channels.size() != rows.size())
            test.failure = "no signal in title row " + std::to_string(rows[test.channels.size()]);
    return tests;
}

}  // namespace

TestSet ReadTestChannels(std::vector<std::string>& rest, std::size_t count, std::ostream& err)
{
    const Grouping grouping = ParseGrouping(rest, count);
    const bool files = !rest.empty() && rest.front().rfind("--", 0) != 0;
    TestSet set{files ? FromFiles(rest, grouping) : FromSource(rest, grouping, err), grouping.cfc};
    if (set.tests.empty()) throw std::invalid_argument("no UDS files given");
    for (auto& test : set.tests) Finish(test, grouping);
    return set;
}

std::string FilterNote(int cfc)
{
    return cfc == 0 ? "no CFC filter applied (--cfc N to filter)" : "CFC " + std::to_string(cfc) + " applied";
}

bool PrintTestFailures(const std::vector<TestChannels>& tests, std::ostream& err)
{
    bool any = false;
    for (const auto& test : tests) {
        if (test.failure.empty()) continue;
        err << test.label << ": " << test.failure << "\n";
        any = true;
    }
    return any;
}

}  // namespace cli
