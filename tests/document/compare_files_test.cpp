// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/compare_files.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/signal.h"
#include "document/run_folder.h"
#include "formats/uds_file.h"
#include "formats/uds_signal.h"
#include "tests/support/temp_dir_test.h"

namespace {

namespace fs = std::filesystem;

class CompareFilesTest : public testsupport::TempDirTest {
protected:
    std::shared_ptr<ko::CNSignal> Sampled(std::vector<double> y) const
    {
        auto signal = std::make_shared<ko::CNSignal>();
        signal->SetDEL(0.001);
        signal->SetNFP(0);
        signal->SetNLP(static_cast<int>(y.size()) - 1);
        signal->SetY(std::move(y));
        return signal;
    }
};

TEST_F(CompareFilesTest, UnchangedSignalsGoAsTheirOwnFilesTheOthersAsTemporaryFiles)
{
    auto own = Sampled({1, 2, 3});
    WriteUDS(*own, Path("own.uds"));
    own->SetDirectory(dir_.string());
    own->SetFileName("own.uds");
    auto changed = Sampled({4, 5, 6, 7});
    changed->SetModified(true);
    auto missing = Sampled({8, 9});
    missing->SetDirectory(dir_.string());
    missing->SetFileName("gone.uds");
    std::string folder;
    {
        ko::CRunFolder run(dir_.string());
        const auto files = ko::CompareFiles({own, changed, missing}, true, run);
        folder = run.Path();
        ASSERT_EQ(files.size(), 3u);
        EXPECT_EQ(files[0], Path("own.uds"));
        for (std::size_t i : {1u, 2u}) {
            EXPECT_EQ(fs::path(files[i]).parent_path(), fs::path(folder));
            EXPECT_EQ(fs::path(files[i]).filename().string().rfind("UDS", 0), 0u);
        }
        ko::CUDSFile back;
        back.Read(files[1]);
        EXPECT_EQ(back.GetY(), changed->GetY());
        EXPECT_EQ(ko::CompareArgumentText({"/a.uds", "/b.uds"}), "/a.uds /b.uds ");
        const auto web = ko::CompareFiles({own}, false, run);
        EXPECT_NE(web[0], Path("own.uds"));
    }
    EXPECT_FALSE(fs::exists(folder)) << "the run folder goes with its run";
}

TEST_F(CompareFilesTest, FoldersOfEndedRunsAreRemoved)
{
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ::waitpid(child, nullptr, 0);
    const auto make = [&](const std::string& name) {
        fs::create_directories(dir_ / name);
        return dir_ / name;
    };
    const auto ended = make("velder-run-" + std::to_string(child) + "-abc123");
    const auto mine = make("velder-run-" + std::to_string(::getpid()) + "-abc123");
    const auto running = make("velder-run-1-abc123");
    const auto other = make("velder-other-" + std::to_string(child));
    ko::CRunFolder::RemoveStale(dir_.string());
    EXPECT_FALSE(fs::exists(ended));
    EXPECT_TRUE(fs::exists(mine));
    EXPECT_TRUE(fs::exists(running));
    EXPECT_TRUE(fs::exists(other));
}

}  // namespace
