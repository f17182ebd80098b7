// SPDX-License-Identifier: GPL-3.0-or-later
// velder-cli over the web (velder-serve on the sample store, verified HTTPS)
// prints what it prints for the same tests from the store itself.
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

class CliWeb : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        root_ = new fs::path(fs::temp_directory_path() / ("velder_cliweb_" + std::to_string(::getpid())));
        fs::remove_all(*root_);
        ko::WriteSampleStore((*root_ / "store").string());
        velder_test::MakeTestCertificates(*root_);
        server_ = new velder_test::ServeProcess({"--store", Store(), "--cert", (*root_ / "cert.pem").string(),
                                                 "--key", (*root_ / "key.pem").string()});
    }
    static void TearDownTestSuite()
    {
        delete server_;
        fs::remove_all(*root_);
        delete root_;
    }
    static std::string Store() { return (*root_ / "store").string(); }
    static std::string Web()
    {
        return "--web-url " + server_->Url() + " --ca-file " + (*root_ / "ca.pem").string();
    }

    static CliRun Cli(const std::string& args)
    {
        const fs::path out = *root_ / "stdout", err = *root_ / "stderr";
        const int raw = std::system(
            (std::string(VELDER_CLI) + " " + args + " >" + out.string() + " 2>" + err.string()).c_str());
        const auto text = [](const fs::path& path) {
            std::ifstream in(path, std::ios::binary);
            return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        };
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, text(out), text(err)};
    }

    static fs::path* root_;
    static velder_test::ServeProcess* server_;
};

fs::path* CliWeb::root_ = nullptr;
velder_test::ServeProcess* CliWeb::server_ = nullptr;

TEST_F(CliWeb, SameOutputAsTheStore)
{
    for (const std::string command :
         {"titles --tests 101,102,103,104 --db vehdb",
          "channel --tests 101,102,103 --db vehdb --title 3 --cfc 180", "summary --tests 201,202 --db comdb",
          "titles --tests 301,302 --db biodb"}) {
        const CliRun web = Cli(command + " " + Web());
        const CliRun store = Cli(command + " --store " + Store());
        ASSERT_EQ(web.status, 0) << command << "\n" << web.err;
        EXPECT_EQ(web.out, store.out) << command;
        EXPECT_NE(web.out, "");
    }
    const CliRun web = Cli("tests --db vehdb " + Web());
    ASSERT_EQ(web.status, 0) << web.err;
    EXPECT_EQ(web.out, Cli("tests --db vehdb --store " + Store()).out);
}

TEST_F(CliWeb, CertificateAndTestFailures)
{
    CliRun run = Cli("titles --tests 101 --db vehdb --web-url " + server_->Url());
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("KORVA Web Connection Error: \nError: (60) "), std::string::npos) << run.err;
    run = Cli("titles --tests 101 --db vehdb --insecure --web-url " + server_->Url());
    EXPECT_EQ(run.status, 0) << run.err;
    run = Cli("titles --tests 101,99 --db vehdb " + Web());
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("Test Number: 99 is invalid."), std::string::npos) << run.err;
    EXPECT_EQ(Cli("titles --tests 101 --db vehdb --insecure --store " + Store()).status, 1);
}

}  // namespace
