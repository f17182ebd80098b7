// SPDX-License-Identifier: GPL-3.0-or-later
// The database source against the file source on the generated store, imported
// once into SQLite (and into PostgreSQL when VELDER_TEST_DB_URL names a server,
// as scripts/with-postgres sets it): loading the 50 tests' records, and
// selecting one title (the curves come from the same UDS files).
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "bench/bench_main.h"
#include "bench/generated_store.h"
#include "db/connection.h"
#include "document/document.h"
#include "sources/data_agent_file.h"
#include "sources/data_agent_otl.h"
#include "sources/db_import.h"

namespace {

using namespace benchstore;

ko::db::CLogin Login()
{
    const char* user = std::getenv("VELDER_TEST_DB_USER");
    const char* password = std::getenv("VELDER_DB_PASSWORD");
    return {user ? user : "", password ? password : ""};
}

// The store imported into the database of url, once per process; false on failure.
bool Imported(const std::string& url)
{
    static std::map<std::string, bool> done;
    if (const auto found = done.find(url); found != done.end()) return found->second;
    try {
        ko::db::CConnection connection(url, Login(), true);
        done[url] = ko::ImportStore(Store(), connection, {}).empty();
    } catch (const std::exception&) {
        done[url] = false;
    }
    return done[url];
}

const std::string& SQLiteUrl()
{
    static const struct Folder {
        std::filesystem::path path =
            std::filesystem::temp_directory_path() / ("velder_bench_db_" + std::to_string(::getpid()));
        ~Folder() { std::filesystem::remove_all(path); }
    } folder;
    static const std::string url = "sqlite:" + folder.path.string();
    return url;
}

std::shared_ptr<ko::CDataAgent> FileAgent(benchmark::State& state)
{
    auto agent = std::make_shared<ko::CDataAgentFile>();
    if (!agent->SetStoreRoot(Store())) state.SkipWithError(agent->GetLastError().c_str());
    return agent;
}

std::shared_ptr<ko::CDataAgent> DatabaseAgent(benchmark::State& state, const std::string& url)
{
    auto agent = std::make_shared<ko::CDataAgentOtl>();
    if (!Imported(url)) {
        state.SkipWithError("the store could not be imported");
        return agent;
    }
    agent->SetTnsName(url);
    agent->SetUDSDrive(Store());
    const auto login = Login();
    if (!agent->Login(login.user, login.password)) state.SkipWithError(agent->GetLastError().c_str());
    return agent;
}

std::shared_ptr<ko::CDocument> Loaded(benchmark::State& state, std::shared_ptr<ko::CDataAgent> agent)
{
    auto document = std::make_shared<ko::CDocument>(std::move(agent));
    document->LoadTests(ko::TestKind::Vehicle, TestNumbers());
    if (document->GetTestCount() != kTests || document->GetTitleCount() != kChannels)
        state.SkipWithError("the store did not load whole");
    return document;
}

void Load(benchmark::State& state, const std::shared_ptr<ko::CDataAgent>& agent)
{
    for (auto _ : state) benchmark::DoNotOptimize(Loaded(state, agent));
}

void Select(benchmark::State& state, const std::shared_ptr<ko::CDataAgent>& agent)
{
    const auto document = Loaded(state, agent);
    for (auto _ : state) {
        document->SelectTitle(kSelectedTitle);
        if (document->GetCurrentSignals().size() != kTests) state.SkipWithError("a signal did not load");
    }
}

void BM_LoadTestsFromFiles(benchmark::State& state)
{
    Load(state, FileAgent(state));
}
void BM_LoadTestsFromSQLite(benchmark::State& state)
{
    Load(state, DatabaseAgent(state, SQLiteUrl()));
}
void BM_SelectTitleFromFiles(benchmark::State& state)
{
    Select(state, FileAgent(state));
}
void BM_SelectTitleFromSQLite(benchmark::State& state)
{
    Select(state, DatabaseAgent(state, SQLiteUrl()));
}

void PostgreSQL(benchmark::State& state, bool select)
{
    const char* url = std::getenv("VELDER_TEST_DB_URL");
    if (!url || std::string(url).rfind("postgresql:", 0) != 0) {
        state.SkipWithError("no PostgreSQL server (run under scripts/with-postgres)");
        for (auto _ : state) {
        }
        return;
    }
    select ? Select(state, DatabaseAgent(state, url)) : Load(state, DatabaseAgent(state, url));
}
void BM_LoadTestsFromPostgreSQL(benchmark::State& state)
{
    PostgreSQL(state, false);
}
void BM_SelectTitleFromPostgreSQL(benchmark::State& state)
{
    PostgreSQL(state, true);
}

BENCHMARK(BM_LoadTestsFromFiles)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadTestsFromSQLite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadTestsFromPostgreSQL)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SelectTitleFromFiles)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SelectTitleFromSQLite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SelectTitleFromPostgreSQL)->Unit(benchmark::kMillisecond);

}  // namespace

VELDER_BENCHMARK_MAIN()
