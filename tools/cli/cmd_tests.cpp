// SPDX-License-Identifier: GPL-3.0-or-later
// velder-cli tests (--store DIR | --web-url URL | --db-url URL ...) --db KIND: every test
// of a store, of the server's test list or of the test database's list, by number, with
// its title.
#include <algorithm>
#include <iostream>
#include <stdexcept>

#include "document/document.h"
#include "sources/data_agent_file.h"
#include "sources/data_agent_otl.h"
#include "sources/data_agent_web.h"
#include "tools/cli/command_registry.h"
#include "tools/cli/source_args.h"

namespace {

constexpr const char* kUsage =
    "tests (--store DIR | --web-url URL [--ca-file PEM] [--insecure] | --db-url URL --uds DIR [--user NAME] "
    "[--password-file FILE]) --db vehdb|comdb|biodb";

template <class Test>
void PrintTests(const ko::CDocument& document)
{
    for (const auto& test : document.GetLists<Test>().tests)
        std::cout << ko::TestNumberOf(*test) << '\t' << test->TestRecord().GetTITLE() << '\n';
}

// The distinct test numbers of the agent's list of the kind, in list order.
std::vector<int> ListedTests(ko::CDataAgent& agent, ko::TestKind kind)
{
    std::vector<int> numbers;
    if (!agent.LoadTestList(kind)) throw std::runtime_error(agent.GetLastError());
    const auto add = [&numbers](int number) {
        if (std::find(numbers.begin(), numbers.end(), number) == numbers.end()) numbers.push_back(number);
    };
    for (const auto& row : agent.GetVehTestList()) add(row->GetTSTNO());
    for (const auto& row : agent.GetComTestList()) add(row->GetTSTNO());
    for (const auto& row : agent.GetBioTestList()) add(row->GetTSTNO());
    return numbers;
}

int Tests(const std::vector<std::string>& args)
{
    const auto source = cli::ParseSourceArgs(args);
    std::shared_ptr<ko::CDataAgent> agent;
    std::vector<int> numbers;
    const bool listed = source.store.empty() && source.kind != ko::TestKind::None && source.rest.empty() &&
                        source.tests.empty() && source.dir.empty();
    if (!source.dbUrl.empty() && listed) {
        agent = cli::OpenDatabase(source, std::cerr);
        numbers = ListedTests(*agent, source.kind);
    } else if (!source.webUrl.empty() && source.store.empty() && source.kind != ko::TestKind::None &&
               source.rest.empty() && source.tests.empty() && source.dir.empty()) {
        const auto web = cli::OpenWeb(source);
        numbers = ListedTests(*web, source.kind);
        agent = web;
    } else if (source.store.empty() || source.kind == ko::TestKind::None || !source.rest.empty() ||
               !source.tests.empty() || !source.dir.empty()) {
        throw std::invalid_argument(std::string("usage: velder-cli ") + kUsage);
    } else {
        const auto store = cli::OpenStore(source.store);
        if (!store->GetStoreTestNumbers(source.kind, numbers))
            throw std::runtime_error(store->GetLastError());
        agent = store;
    }
    ko::CDocument document(agent);
    document.LoadTests(source.kind, numbers);
    cli::PrintFailures(document, std::cerr);
    if (document.GetTestCount() == 0) throw std::runtime_error("No test could be loaded.");
    switch (source.kind) {
        case ko::TestKind::Vehicle: PrintTests<ko::CVehicleTest>(document); break;
        case ko::TestKind::Component: PrintTests<ko::CComTest>(document); break;
        default: PrintTests<ko::CBioTest>(document); break;
    }
    return 0;
}

}  // namespace

VELDER_CLI_COMMAND("tests", kUsage, Tests);
