// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/atomic_file.h"
#include "tests/formats/uds_temp_dir.h"

namespace {

class AtomicFileTest : public udstest::TempDirTest {
protected:
    static std::string Content(const std::string& p)
    {
        const auto bytes = Bytes(p);
        return std::string(bytes.begin(), bytes.end());
    }
};

TEST_F(AtomicFileTest, ReplacesTargetAndLeavesNoTemporary)
{
    const std::string target = Path("out.txt");
    ko::WriteFileAtomically(target, std::string_view("first"));
    ko::WriteFileAtomically(target, std::string_view("second"));
    EXPECT_EQ(Content(target), "second");
    EXPECT_EQ(Entries(), 1u);
}

TEST_F(AtomicFileTest, LongestFileNameStillWritable)
{
    const std::string target = Path(std::string(255, 'a'));
    ko::WriteFileAtomically(target, std::string_view("long"));
    EXPECT_EQ(Content(target), "long");
    EXPECT_EQ(Entries(), 1u);
}

TEST_F(AtomicFileTest, AbandonedWriteKeepsOldContent)
{
    const std::string target = Path("out.txt");
    ko::WriteFileAtomically(target, std::string_view("good"));
    {
        ko::CAtomicFile file(target);
        ASSERT_TRUE(file.Open());
        ASSERT_TRUE(file.Write("partial", 7));
    }
    EXPECT_EQ(Content(target), "good");
    EXPECT_EQ(Entries(), 1u);
}

TEST_F(AtomicFileTest, MissingDirectoryFails)
{
    const std::string target = Path("missing/out.txt");
    EXPECT_THROW(ko::WriteFileAtomically(target, std::string_view("x")), std::runtime_error);
    ko::CAtomicFile file("");
    EXPECT_FALSE(file.Open());
}

TEST_F(AtomicFileTest, RenameOntoDirectoryFailsAndCleansUp)
{
    const std::string target = Path("sub");
    std::filesystem::create_directories(Path("sub/child"));
    EXPECT_THROW(ko::WriteFileAtomically(target, std::string_view("x")), std::runtime_error);
    EXPECT_EQ(Entries(), 1u);
}

}  // namespace
