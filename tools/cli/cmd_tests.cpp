// SPDX-License-Identifier: GPL-3.0-or-later
// velder-cli tests --store DIR --db KIND: every test of a store, by number, with its title.
#include <iostream>
#include <stdexcept>

#include "document/document.h"
#include "sources/data_agent_file.h"
#include "tools/cli/command_registry.h"
#include "tools/cli/source_args.h"

namespace {

template <class Test>
void PrintTests(const ko::CDocument& document)
{
    for (const auto& test : document.GetLists<Test>().tests)
        std::cout << ko::TestNumberOf(*test) << '\t' << test->TestRecord().GetTITLE() << '\n';
}

int Tests(const std::vector<std::string>& args)
{
    const auto source = cli::ParseSourceArgs(args);
    if (source.store.empty() || source.kind == ko::TestKind::None || !source.rest.empty() ||
        !source.tests.empty() || !source.dir.empty())
        throw std::invalid_argument("usage: velder-cli tests --store DIR --db vehdb|comdb|biodb");
    const auto agent = cli::OpenStore(source.store);
    std::vector<int> numbers;
    if (!agent->GetStoreTestNumbers(source.kind, numbers)) throw std::runtime_error(agent->GetLastError());
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

VELDER_CLI_COMMAND("tests", "tests --store DIR --db vehdb|comdb|biodb", Tests);
