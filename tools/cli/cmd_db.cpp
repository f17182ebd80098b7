// SPDX-License-Identifier: GPL-3.0-or-later
// velder-cli db import --store DIR --db-url URL [--holding N,...] [--user NAME]
// [--password-file FILE]: writes every test of a store into a test database.
#include <iostream>
#include <set>
#include <stdexcept>

#include "db/connection.h"
#include "db/db_error.h"
#include "sources/data_agent_otl.h"
#include "sources/db_import.h"
#include "tools/cli/command_registry.h"
#include "tools/cli/source_args.h"

namespace {

int Db(const std::vector<std::string>& args)
{
    if (args.empty() || args.front() != "import")
        throw std::invalid_argument("usage: velder-cli db import ...");
    auto source = cli::ParseSourceArgs(std::vector<std::string>(args.begin() + 1, args.end()));
    std::string holdingText;
    std::set<int> holding;
    if (cli::TakeOption(source.rest, "--holding", holdingText)) {
        for (int number : cli::ParseTestNumbers(holdingText)) holding.insert(number);
    }
    if (source.store.empty() || source.dbUrl.empty() || !source.rest.empty())
        throw std::invalid_argument("usage: velder-cli db import --store DIR --db-url URL [--holding N,...]");
    try {
        ko::db::CConnection connection(source.dbUrl, {source.user, cli::SourcePassword(source)}, true);
        std::vector<int> imported;
        const auto failures = ko::ImportStore(source.store, connection, holding, &imported);
        for (const auto& failure : failures)
            std::cerr << "Test " + std::to_string(failure.number) + " not imported: " << failure.text << "\n";
        std::cout << "imported " + std::to_string(imported.size()) + " tests\n";
        return failures.empty() ? 0 : 1;
    } catch (const ko::db::CDbError& e) {
        throw std::runtime_error(ko::FormatDatabaseError(e));
    }
}

}  // namespace

VELDER_CLI_COMMAND(
    "db", "db import --store DIR --db-url URL [--holding N,...] [--user NAME] [--password-file FILE]", Db);
