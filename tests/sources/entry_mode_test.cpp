// SPDX-License-Identifier: GPL-3.0-or-later
#include "sources/entry_mode.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/support/temp_dir_test.h"

namespace {

namespace fs = std::filesystem;

class EntryMode : public testsupport::TempDirTest {
protected:
    void Touch(const std::string& relative) const
    {
        const fs::path path = dir_ / relative;
        fs::create_directories(path.parent_path());
        std::ofstream(path).put('\n');
    }
};

TEST_F(EntryMode, MarkerFileAndDrivesDecideTheMode)
{
    const std::string work = Path("work");
    fs::create_directories(work);
    const std::vector<ko::CDrive> drives = {{'D', Path("d")}, {'J', Path("j")}, {'Q', Path("q")}};
    EXPECT_EQ(ko::DecideEntryMode(std::nullopt, drives).mode, ko::EEntryMode::W);
    EXPECT_EQ(ko::DecideEntryMode(work, drives).mode, ko::EEntryMode::B) << "no marker file";

    Touch(std::string("work/") + ko::kDataEntryMarker);
    ko::CEntryDecision decision = ko::DecideEntryMode(work, drives);
    EXPECT_EQ(decision.mode, ko::EEntryMode::B);
    EXPECT_TRUE(decision.driveMissing);

    Touch(std::string("d/") + ko::kUdsDriveIdentifier);
    Touch(std::string("q/") + ko::kUdsDriveIdentifier);
    decision = ko::DecideEntryMode(work, drives);
    EXPECT_EQ(decision.mode, ko::EEntryMode::A);
    EXPECT_EQ(decision.drive, 'Q') << "the later of two drives carrying the store";
    EXPECT_FALSE(decision.driveMissing);
}

TEST(DriveMappings, LettersMapToFoldersAndMalformedEntriesAreSkipped)
{
    const std::vector<ko::CDrive> drives =
        ko::MappedDrives("u=/srv/uds:bad:K=/media/k::7=/x:U=/srv/later:Q=");
    ASSERT_EQ(drives.size(), 2u);
    EXPECT_EQ(drives[0].letter, 'K');
    EXPECT_EQ(drives[0].root, "/media/k");
    EXPECT_EQ(drives[1].letter, 'U');
    EXPECT_EQ(drives[1].root, "/srv/later") << "the later entry for a letter wins";
    EXPECT_EQ(ko::DriveRoot(drives, 'u'), "/srv/later");
    EXPECT_EQ(ko::DriveRoot(drives, 'J'), "");
    EXPECT_TRUE(ko::MappedDrives("").empty());
}

}  // namespace
