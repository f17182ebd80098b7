// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/save_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include "core/atomic_file.h"
#include "core/signal.h"
#include "document/save_names.h"
#include "document/signal_output.h"
#include "formats/uds_file.h"
#include "tests/document/document_fixtures.h"
#include "tests/support/temp_dir_test.h"

namespace {

using doc_test::MakeSignal;
using testsupport::Bytes;

TEST(SaveNamesTest, RepeatedNamesGetASuffixBeforeTheExtension)
{
    ko::CSaveNames names;
    for (const std::string name :
         {"a.txt", "a.txt", "a_2.txt", "a.txt", "Plus 1 Sigma", "Plus 1 Sigma", ".hidden", ".hidden"}) {
        const std::string chosen = names.Distinct(name);
        names.Take(chosen);
    }
    for (const char* name : {"a.txt", "a_2.txt", "a_3.txt", "a_2_2.txt", "Plus 1 Sigma", "Plus 1 Sigma_2",
                             ".hidden", ".hidden_2"})
        EXPECT_TRUE(names.Taken(name)) << name;
    EXPECT_EQ(names.Distinct("b.uds"), "b.uds");
}

class SaveFileTest : public testsupport::TempDirTest {
protected:
    static void WriteText(const std::string& path, const std::string& text)
    {
        std::ofstream(path, std::ios::binary) << text;
    }
    static std::string Text(const std::string& path)
    {
        const auto bytes = Bytes(path);
        return {bytes.begin(), bytes.end()};
    }
};

TEST_F(SaveFileTest, TargetsAreFreeExistingOrInputs)
{
    auto signal = MakeSignal({0, 1}, {1, 2});
    signal->SetDirectory(dir_.string());
    signal->SetFileName("in.uds");
    WriteText(Path("in.uds"), "source");
    WriteText(Path("other.uds"), "other");
    const auto inputs = ko::InputFiles({signal, MakeSignal({0}, {0})});
    ASSERT_EQ(inputs.size(), 1u);
    EXPECT_EQ(ko::TargetState(Path("new.uds"), inputs), ko::CTarget::Free);
    EXPECT_EQ(ko::TargetState(Path("other.uds"), inputs), ko::CTarget::Exists);
    EXPECT_EQ(ko::TargetState(dir_.string() + "/./in.uds", inputs), ko::CTarget::Input);
}

TEST_F(SaveFileTest, NeverReplacesUnlessAllowedAndLeavesNoStagingFile)
{
    const auto writer = [](const std::string& text) {
        return [text](const std::string& path) { ko::WriteFileAtomically(path, text); };
    };
    ko::SaveFile(Path("a.txt"), ko::CReplace::Never, writer("first"));
    EXPECT_EQ(Text(Path("a.txt")), "first");
    try {
        ko::SaveFile(Path("a.txt"), ko::CReplace::Never, writer("second"));
        ADD_FAILURE() << "replaced";
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(std::string(e.what()), "File exists: " + Path("a.txt"));
    }
    EXPECT_EQ(Text(Path("a.txt")), "first");
    ko::SaveFile(Path("a.txt"), ko::CReplace::Allowed, writer("third"));
    EXPECT_EQ(Text(Path("a.txt")), "third");
    EXPECT_THROW(ko::SaveFile(Path("b.txt"), ko::CReplace::Allowed,
                              [](const std::string&) { throw std::logic_error("writer failed"); }),
                 std::logic_error);
    EXPECT_EQ(Entries(), 1u);
}

TEST_F(SaveFileTest, MissingOrReadOnlyFolderFailsCleanly)
{
    const auto none = [](const std::string&) {};
    EXPECT_THROW(ko::SaveFile(Path("missing/a.txt"), ko::CReplace::Never, none), std::runtime_error);
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    std::filesystem::create_directory(Path("ro"));
    std::filesystem::permissions(Path("ro"),
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    EXPECT_THROW(ko::SaveFile(Path("ro/a.txt"), ko::CReplace::Never, none), std::runtime_error);
    std::filesystem::permissions(Path("ro"), std::filesystem::perms::owner_all);
}

// A file-size limit stands in for a full disk.
TEST_F(SaveFileTest, AFullDiskKeepsTheOldFile)
{
    auto signal = std::make_shared<ko::CNSignal>();
    signal->SetDEL(0.0001);
    signal->SetNFP(0);
    signal->SetNLP(19999);
    signal->SetY(std::vector<double>(20000, 1.5));
    WriteText(Path("full.uds"), "old");
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = old;
    tiny.rlim_cur = 4096;
    ::setrlimit(RLIMIT_FSIZE, &tiny);
    std::string failure;
    try {
        ko::SaveFile(Path("full.uds"), ko::CReplace::Allowed,
                     [&](const std::string& path) { ko::SaveUDS(*signal, path); });
    } catch (const std::exception& e) {
        failure = e.what();
    }
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
    EXPECT_FALSE(failure.empty());
    EXPECT_EQ(Text(Path("full.uds")), "old");
    EXPECT_EQ(Entries(), 1u);
    ko::SaveFile(Path("full.uds"), ko::CReplace::Allowed,
                 [&](const std::string& path) { ko::SaveUDS(*signal, path); });
    ko::CUDSFile back;
    back.Read(Path("full.uds"));
    EXPECT_EQ(back.GetNLP(), 19999);
}

}  // namespace
