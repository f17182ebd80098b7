// SPDX-License-Identifier: GPL-3.0-or-later
// velder-cli db import, the database source options and velder-serve on a
// database, all on the sample store.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "samples/sample_store.h"
#include "tests/support/serve_process.h"

namespace {

namespace fs = std::filesystem;

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

// The sample store and its database (vehicle test 102 held), made once per process.
class CliDatabaseTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        root_ = fs::temp_directory_path() / ("velder_cli_db_" + std::to_string(::getpid()));
        fs::remove_all(root_);
        ko::WriteSampleStore((root_ / "store").string());
    }
    static void TearDownTestSuite() { fs::remove_all(root_); }

    static CliRun Run(const std::string& args)
    {
        const auto out = root_ / "stdout", err = root_ / "stderr";
        const int raw = std::system(
            (std::string(VELDER_CLI) + " " + args + " >" + out.string() + " 2>" + err.string()).c_str());
        auto text = [](const fs::path& path) {
            std::ifstream in(path, std::ios::binary);
            return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        };
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, text(out), text(err)};
    }
    static std::string Store() { return (root_ / "store").string(); }
    static std::string Url() { return "sqlite:" + (root_ / "db").string(); }
    static std::string Database() { return "--db-url " + Url() + " --uds " + Store(); }

    static inline fs::path root_;
};

TEST_F(CliDatabaseTest, DatabaseSourceGivesTheFileSourceOutput)
{
    const std::string import = "db import --store " + Store() + " --db-url " + Url() + " --holding 102";
    for (int round = 0; round < 2; ++round) {  // the second import replaces the first
        const CliRun run = Run(import);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, "imported 8 tests\n");
    }
    const CliRun listed = Run("tests " + Database() + " --db vehdb");
    ASSERT_EQ(listed.status, 0) << listed.err;
    const CliRun files = Run("tests --store " + Store() + " --db vehdb");
    EXPECT_EQ(listed.out.rfind("102\t"), listed.out.find("102\t"));
    EXPECT_EQ(listed.out.size(), files.out.size());
    EXPECT_GT(listed.out.find("102\t"), listed.out.find("104\t"));  // production before holding

    for (const std::string command : {"titles", "channel --title 0 --cfc 60", "summary"}) {
        const std::string tests = " --tests 101,102,103 --db vehdb";
        const CliRun fromDb = Run(command + " " + Database() + tests);
        const CliRun fromFiles = Run(command + " --store " + Store() + tests);
        ASSERT_EQ(fromDb.status, 0) << command << ": " << fromDb.err;
        EXPECT_EQ(fromDb.out, fromFiles.out) << command;
    }
    const CliRun unknown = Run("titles " + Database() + " --tests 999 --db vehdb");
    EXPECT_EQ(unknown.status, 1);
    EXPECT_NE(unknown.err.find("Test Number: 999 is invalid."), std::string::npos) << unknown.err;
    EXPECT_EQ(
        Run("titles --db-url postgresql://u:pw@127.0.0.1:1/x --uds " + Store() + " --tests 101 --db vehdb")
            .status,
        1);
}

TEST_F(CliDatabaseTest, ServerOnTheDatabaseGivesTheFileSourceOutput)
{
    ASSERT_EQ(Run("db import --store " + Store() + " --db-url " + Url() + " --holding 102").status, 0);
    const velder_test::ServeProcess server({"--db-url", Url(), "--uds", Store()});
    const std::string tests = " --tests 101,102,103 --db vehdb";
    const CliRun web = Run("titles --web-url " + server.Url() + tests);
    ASSERT_EQ(web.status, 0) << web.err;
    EXPECT_EQ(web.out, Run("titles --store " + Store() + tests).out);
    const CliRun list = Run("tests --web-url " + server.Url() + " --db vehdb");
    ASSERT_EQ(list.status, 0) << list.err;
    EXPECT_EQ(list.out, Run("tests " + Database() + " --db vehdb").out);  // the database's own order
}

}  // namespace
