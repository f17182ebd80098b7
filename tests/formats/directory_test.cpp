// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/directory.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "tests/support/temp_dir_test.h"

namespace {

using ko::CDirectory;

CDirectory Directory(const std::string& database, int test)
{
    CDirectory directory;
    directory.SetDatabase(database);
    directory.SetTestNumber(test);
    return directory;
}

TEST(Directory, NewDirectoryIsVehicleOnDriveQ)
{
    CDirectory directory;
    EXPECT_EQ(directory.GetDatabase()->GetKind(), ko::TestKind::Vehicle);
    EXPECT_EQ(directory.GetPathStyle(), CDirectory::kBackslashStyle);
    EXPECT_EQ(directory.GetRoot(), "Q:\\");
    EXPECT_EQ(directory.GetPath(), "Q:\\");
}

TEST(Directory, BackslashAreas)
{
    CDirectory directory = Directory("comdb", 12345);
    EXPECT_EQ(directory.GetUDSDirectory(), "Q:\\uds\\comdb\\c10000\\c12300\\c12345\\");
    EXPECT_EQ(directory.GetEVDataDirectory(), "Q:\\evdata\\comdb\\c10000\\c12300\\c12345\\");
    EXPECT_EQ(directory.GetPhotosDirectory(), "Q:\\photos\\comdb\\c10000\\c12300\\");
    EXPECT_EQ(directory.GetReportsDirectory(), "Q:\\reports\\comdb\\c10000\\c12300\\");
    EXPECT_EQ(directory.GetVideosDirectory(), "Q:\\videos\\comdb\\c10000\\c12300\\");
    EXPECT_EQ(directory.GetPath(), "Q:\\videos\\comdb\\c10000\\c12300\\");

    EXPECT_EQ(Directory("biodb", 12345).GetUDSDirectory(), "Q:\\uds\\biodb\\b10000\\b12300\\b12345\\");
    EXPECT_EQ(Directory("biodb", 7).GetUDSDirectory(), "Q:\\uds\\biodb\\b00000\\b00000\\b00007\\");
}

TEST(Directory, SlashStyleUsesTheStoreRoot)
{
    CDirectory directory = Directory("comdb", 12345);
    directory.SetPathStyle(CDirectory::kSlashStyle);
    EXPECT_EQ(directory.GetPath(), "/array/data");
    EXPECT_EQ(directory.GetUDSDirectory(), "/array/data/uds/comdb/c10000/c12300/c12345");
    EXPECT_EQ(directory.GetPhotosDirectory(), "/array/data/photos/comdb/c10000/c12300");

    directory.SetRoot("/tmp/store/");
    EXPECT_EQ(directory.GetRoot(), "/tmp/store");
    EXPECT_EQ(directory.GetEVDataDirectory(), "/tmp/store/evdata/comdb/c10000/c12300/c12345");
    directory.SetRoot("/");
    EXPECT_EQ(directory.GetReportsDirectory(), "/reports/comdb/c10000/c12300");

    // Leaving slash style returns to the drive root; coming back keeps the store root.
    directory.SetPathStyle(CDirectory::kBackslashStyle);
    EXPECT_EQ(directory.GetPath(), "Q:\\");
    directory.SetPathStyle(CDirectory::kSlashStyle);
    EXPECT_EQ(directory.GetRoot(), "/");
    EXPECT_EQ(directory.GetSeparator(), "/");
    EXPECT_EQ(directory.GetTrailingSeparator(), "");
}

TEST(Directory, DriveRoots)
{
    CDirectory directory = Directory("vehdb", 250);
    directory.SetRoot("d");
    EXPECT_EQ(directory.GetRoot(), "d:\\");
    EXPECT_EQ(directory.GetUDSDirectory(), "d:\\uds\\vehdb\\v00000\\v00200\\v00250\\");
    directory.SetRoot("");
    EXPECT_EQ(directory.GetRoot(), "d:\\");

    EXPECT_EQ(testsupport::MessageOf([&] { directory.SetRoot("9:\\"); }), "No alphabet letter dir root.");
    EXPECT_EQ(directory.GetRoot(), "");
    EXPECT_EQ(directory.GetPath(), "");
    EXPECT_EQ(directory.GetSeparator(), "");
    EXPECT_EQ(directory.GetTrailingSeparator(), "");
}

TEST(Directory, FailedSettersKeepTheirValues)
{
    CDirectory directory = Directory("biodb", 42);
    const auto database = directory.GetDatabase();
    EXPECT_THROW(directory.SetDatabase("x"), std::invalid_argument);
    EXPECT_EQ(directory.GetDatabase(), database);
    EXPECT_THROW(directory.SetTestNumber(0), std::out_of_range);
    EXPECT_EQ(directory.GetTestNumber()->GetNumber(), 42);

    directory.SetDatabase(ko::TestKind::Component);
    EXPECT_EQ(directory.GetDatabase()->GetName(), "comdb");
    EXPECT_NE(directory.GetDatabase(), database);
    directory.SetDatabase(ko::TestKind::None);  // no kind: a new vehicle database
    EXPECT_EQ(directory.GetDatabase()->GetName(), "vehdb");
}

}  // namespace
