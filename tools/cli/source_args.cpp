// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/cli/source_args.h"

#include <algorithm>
#include <ostream>
#include <stdexcept>

#include "document/document.h"
#include "sources/data_agent_file.h"
#include "sources/data_agent_otl.h"
#include "sources/data_agent_web.h"
#include "sources/db_session.h"
#include "tools/cli/op_args.h"

namespace cli {

ko::TestKind ParseDatabase(const std::string& text)
{
    if (const auto kind = ko::LoadableKindFromName(text)) return *kind;
    throw std::invalid_argument("--db: not vehdb, comdb or biodb: '" + text + "'");
}

std::vector<int> ParseTestNumbers(const std::string& text)
{
    std::vector<int> numbers;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        numbers.push_back(ParseIndex(text.substr(start, comma - start), "--tests"));
        if (comma == std::string::npos) return numbers;
        start = comma + 1;
    }
}

bool TakeOption(std::vector<std::string>& rest, const std::string& name, std::string& value)
{
    const auto found = std::find(rest.begin(), rest.end(), name);
    if (found == rest.end()) return false;
    if (found + 1 == rest.end()) throw std::invalid_argument(name + ": value missing");
    value = *(found + 1);
    rest.erase(found, found + 2);
    return true;
}

bool TakeFlag(std::vector<std::string>& rest, const std::string& name)
{
    const auto found = std::find(rest.begin(), rest.end(), name);
    if (found == rest.end()) return false;
    rest.erase(found);
    return true;
}

SourceArgs ParseSourceArgs(const std::vector<std::string>& args)
{
    SourceArgs source;
    source.rest = args;
    std::string value;
    TakeOption(source.rest, "--store", source.store);
    TakeOption(source.rest, "--dir", source.dir);
    if (TakeOption(source.rest, "--tests", value)) source.tests = ParseTestNumbers(value);
    if (TakeOption(source.rest, "--db", value)) source.kind = ParseDatabase(value);
    TakeOption(source.rest, "--web-url", source.webUrl);
    TakeOption(source.rest, "--ca-file", source.caFile);
    source.insecure = TakeFlag(source.rest, "--insecure");
    if (source.webUrl.empty() && (source.insecure || !source.caFile.empty()))
        throw std::invalid_argument("--ca-file and --insecure need --web-url");
    TakeOption(source.rest, "--db-url", source.dbUrl);
    TakeOption(source.rest, "--uds", source.uds);
    TakeOption(source.rest, "--user", source.user);
    TakeOption(source.rest, "--password-file", source.passwordFile);
    return source;
}

std::shared_ptr<ko::CDataAgentFile> OpenStore(const std::string& root)
{
    auto agent = std::make_shared<ko::CDataAgentFile>();
    if (!agent->SetStoreRoot(root)) throw std::runtime_error(agent->GetLastError());
    return agent;
}

std::shared_ptr<ko::CDataAgentWeb> OpenWeb(const SourceArgs& source)
{
    ko::CWebOptions options;
    options.caFile = source.caFile;
    options.insecure = source.insecure;
    auto agent = std::make_shared<ko::CDataAgentWeb>(options);
    agent->SetServerURL(source.webUrl);
    if (!agent->Connect()) throw std::runtime_error("KORVA Web Connection Error: \n" + agent->GetLastError());
    return agent;
}

std::string SourcePassword(const SourceArgs& source)
{
    return ko::LoginPassword(source.passwordFile);
}

std::shared_ptr<ko::CDataAgentOtl> OpenDatabase(const SourceArgs& source, std::ostream& err)
{
    if (source.uds.empty()) throw std::invalid_argument("--db-url needs --uds DIR");
    auto agent = std::make_shared<ko::CDataAgentOtl>();
    agent->SetTnsName(source.dbUrl);
    agent->SetUDSDrive(source.uds);
    if (!agent->Login(source.user, SourcePassword(source))) throw std::runtime_error(agent->GetLastError());
    if (!agent->GetLastError().empty()) err << agent->GetLastError() << "\n";
    return agent;
}

void PrintFailures(const ko::CDocument& document, std::ostream& err)
{
    for (const auto& failure : document.GetFailures()) err << failure.text << "\n";
}

void LoadSource(ko::CDocument& document, const SourceArgs& source, std::ostream& err)
{
    if (source.kind == ko::TestKind::None) throw std::invalid_argument("--db is required");
    if (!source.webUrl.empty() || !source.dbUrl.empty()) {
        if (source.tests.empty() || !source.store.empty() || !source.dir.empty() ||
            (!source.webUrl.empty() && !source.dbUrl.empty()))
            throw std::invalid_argument(!source.dbUrl.empty()
                                            ? "give --db-url URL --uds DIR with --tests N[,N...]"
                                            : "--web-url takes --tests N[,N...] and no --store or --dir");
        if (!source.webUrl.empty())
            document.SetAgent(OpenWeb(source));
        else
            document.SetAgent(OpenDatabase(source, err));
        document.LoadTests(source.kind, source.tests);
        PrintFailures(document, err);
        if (document.GetTestCount() == 0) throw std::runtime_error("No test could be loaded.");
        return;
    }
    const bool fromStore = !source.store.empty() && !source.tests.empty();
    if (fromStore == !source.dir.empty() || (source.store.empty() != source.tests.empty()))
        throw std::invalid_argument(std::string("give either --store DIR --tests N[,N...] or --dir TESTDIR"));
    if (fromStore) {
        document.SetAgent(OpenStore(source.store));
        document.LoadTests(source.kind, source.tests);
    } else {
        auto agent = std::make_shared<ko::CDataAgentFile>();
        if (!agent->SetChosenDirectory(source.dir)) throw std::runtime_error(agent->GetLastError());
        document.SetAgent(agent);
        document.LoadChosenTest(source.kind);
    }
    PrintFailures(document, err);
    if (document.GetTestCount() == 0) throw std::runtime_error("No test could be loaded.");
}

}  // namespace cli
