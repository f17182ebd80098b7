// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/atomic_file.h"

#include <gtest/gtest.h>

#include "tests/support/temp_dir_test.h"

namespace {

using testsupport::Bytes;

class AtomicFileTest : public testsupport::TempDirTest {
protected:
    std::string Content(const std::string& name) const
    {
        const auto bytes = Bytes(Path(name));
        return std::string(bytes.begin(), bytes.end());
    }
};

TEST_F(AtomicFileTest, ReplacesTargetsUpToTheLongestNameAndLeavesNoTemporary)
{
    for (const std::string& name : {std::string("out.txt"), std::string(255, 'a')}) {
        ko::WriteFileAtomically(Path(name), std::string_view("first"));
        ko::WriteFileAtomically(Path(name), std::string_view("second"));
        EXPECT_EQ(Content(name), "second") << name.size();
        EXPECT_EQ(Entries(), 1u);
        std::filesystem::remove(Path(name));
    }
}

TEST_F(AtomicFileTest, AbandonedWriteKeepsOldContent)
{
    ko::WriteFileAtomically(Path("out.txt"), std::string_view("good"));
    {
        ko::CAtomicFile file(Path("out.txt"));
        ASSERT_TRUE(file.Open());
        ASSERT_TRUE(file.Write("partial", 7));
    }
    EXPECT_EQ(Content("out.txt"), "good");
    EXPECT_EQ(Entries(), 1u);
}

TEST_F(AtomicFileTest, FailuresCleanUp)
{
    EXPECT_THROW(ko::WriteFileAtomically(Path("missing/out.txt"), std::string_view("x")), std::runtime_error);
    EXPECT_FALSE(ko::CAtomicFile("").Open());
    // Renaming onto a directory fails.
    std::filesystem::create_directories(Path("sub/child"));
    EXPECT_THROW(ko::WriteFileAtomically(Path("sub"), std::string_view("x")), std::runtime_error);
    EXPECT_EQ(Entries(), 1u);
}

}  // namespace
