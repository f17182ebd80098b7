// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/support/temp_dir_test.h"

namespace {

using ko::CFile;
using testsupport::MessageOf;

class FileTest : public testsupport::TempDirTest {
protected:
    std::string Touch(const std::string& name, const std::string& text = "x") const
    {
        std::ofstream(Path(name), std::ios::binary) << text;
        return Path(name);
    }
    std::string Dir() const { return dir_.string(); }
    // The first regular file of the directory as the file system lists it.
    std::string FirstListed() const
    {
        for (const auto& entry : std::filesystem::directory_iterator(dir_)) {
            if (entry.is_regular_file()) return entry.path().filename().string();
        }
        return {};
    }
    CFile InDir(int kind = 200) const
    {
        CFile file;
        file.SetDirectory(Dir());
        file.SetKind(kind);
        return file;
    }
};

TEST_F(FileTest, SettersAndTheirMessages)
{
    CFile file;
    EXPECT_EQ(MessageOf([&] { file.SetDirectory(""); }), "Path is empty.");
    EXPECT_EQ(MessageOf([&] { file.SetDirectory("C:\\data"); }), "Invalid Directory: C:\\data\\");
    EXPECT_EQ(MessageOf([&] { file.SetDirectory(Path("missing")); }),
              "Invalid Directory: " + Path("missing") + "/");
    EXPECT_EQ(file.GetDirectory(), "");
    EXPECT_EQ(MessageOf([&] { file.ComposePath(); }), "Empty path");
    file.SetDirectory(Dir());
    EXPECT_EQ(file.GetDirectory(), Dir() + "/");
    EXPECT_EQ(MessageOf([&] { file.ComposePath(); }), "Empty file name");
    EXPECT_EQ(MessageOf([&] { file.SetFileName(""); }), "File Name is empty.");
    EXPECT_EQ(MessageOf([&] { file.SetPathAndFileName(""); }), "Path and File Name is empty.");
    EXPECT_EQ(MessageOf([&] { file.SetPathAndFileName(Dir() + "/"); }), "File Name is empty.");
    EXPECT_EQ(MessageOf([&] { file.SetPathAndFileName("bare.txt"); }), "Path is empty.");
    EXPECT_EQ(file.GetFileName(), "");
}

TEST_F(FileTest, ReadsWholeFiles)
{
    const std::string text = std::string("line one\nline two\r\n") + '\0' + "binary";
    Touch("t.ev5", text);
    CFile file;
    file.SetPathAndFileName(Path("t.ev5"));
    EXPECT_EQ(file.GetFullPath(), Path("t.ev5"));
    EXPECT_TRUE(file.DirectoryExists());
    EXPECT_TRUE(file.FileExists());
    file.ReadAll();
    EXPECT_EQ(file.GetContents(), text);

    file.SetFileName("absent.ev5");
    EXPECT_FALSE(file.FileExists());
    EXPECT_EQ(MessageOf([&] { file.ReadAll(); }),
              "Failure to open file: " + Path("absent.ev5") + " for reading.");
    EXPECT_EQ(file.GetContents(), text);
    std::filesystem::create_directory(Path("sub"));
    file.SetFileName("sub");
    EXPECT_EQ(MessageOf([&] { file.ReadAll(); }), "Failure to open file: " + Path("sub") + " for reading.");
}

// A FIFO is refused at once, not waited on; a file that reports no size
// (as /proc files do) is read to its end; a large file comes back whole.
TEST_F(FileTest, ReadsOnlyRegularFilesToTheirEnd)
{
    const std::string fifo = Path("fifo.ev5");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(MessageOf([&] { ko::ReadFileText(fifo); }), "Failure to open file: " + fifo + " for reading.");

    const std::string status = ko::ReadFileText("/proc/self/status");
    EXPECT_NE(status.find("Name:"), std::string::npos);
    EXPECT_EQ(status.back(), '\n');

    std::string large(300 * 1024 + 7, '\0');
    for (std::size_t i = 0; i < large.size(); ++i) large[i] = static_cast<char>(i * 31 % 251);
    EXPECT_EQ(ko::ReadFileText(Touch("large.bin", large)), large);
    EXPECT_EQ(ko::ReadFileText(Touch("empty.ev5", "")), "");
}

TEST_F(FileTest, SearchesNeedAnExistingDirectory)
{
    CFile file;
    std::string found;
    EXPECT_EQ(MessageOf([&] { file.FindUDSByCurve(7, found); }), "Invalid path");
    EXPECT_EQ(MessageOf([&] { file.FindByCurveExtension(7, found); }), "Invalid path");
    EXPECT_EQ(MessageOf([&] { file.FindByExtension("ev5", found); }), "Invalid path");
    EXPECT_EQ(MessageOf([&] { file.FindByExtension("", found); }), "Extension is empty");
}

TEST_F(FileTest, UDSByCurve)
{
    Touch("c12345_0007fa0.uds");  // 18 characters: never a UDS name
    Touch("c12345_008fa0.uds");
    std::filesystem::create_directory(Path("c12345_009fa0.uds"));
    CFile file = InDir();
    std::string found;
    EXPECT_EQ(MessageOf([&] { file.FindUDSByCurve(7, found); }),
              "A UDS file was not found for Curve Number: 7");
    EXPECT_EQ(MessageOf([&] { file.FindUDSByCurve(9, found); }),
              "A UDS file was not found for Curve Number: 9");
    EXPECT_EQ(file.GetFileName(), "");

    file.FindUDSByCurve(8, found);
    EXPECT_EQ(found, "c12345_008fa0.uds");
    EXPECT_EQ(file.GetFullPath(), Path(found));
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directory(dir_);
    Touch("c12345_007fa0.uds");
    Touch("C12345_007FA0.UDS");
    file.FindUDSByCurve(7, found);
    EXPECT_EQ(found, FirstListed());
    EXPECT_EQ(file.GetFileName(), found);
}

TEST_F(FileTest, CurveInTheExtension)
{
    for (const std::string extension : {"7", "07", "007"}) {
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directory(dir_);
        Touch("c12345.8");
        Touch("c12345." + extension);
        CFile file = InDir(CFile::kCurveInExtension);
        std::string found;
        file.FindByCurveExtension(7, found);
        EXPECT_EQ(found, "c12345." + extension);
    }
    Touch("c12345.042");
    Touch("c12345.123");
    CFile file = InDir(CFile::kCurveInExtension);
    std::string found;
    file.FindByCurveExtension(42, found);
    EXPECT_EQ(found, "c12345.042");
    file.FindByCurveExtension(123, found);
    EXPECT_EQ(found, "c12345.123");
    EXPECT_EQ(MessageOf([&] { file.FindByCurveExtension(70, found); }),
              "Curve Number Extension: 70 was not found.");
    EXPECT_EQ(MessageOf([&] { file.FindByCurveExtension(1000, found); }),
              "Curve Number Extension: 1000 was not found.");

    // Any other kind reads characters 7-9 of the name.
    Touch("v00101_070.txt");
    file.SetKind(1);
    file.FindByCurveExtension(70, found);
    EXPECT_EQ(found, "v00101_070.txt");
    EXPECT_EQ(MessageOf([&] { file.FindByCurveExtension(99, found); }),
              "Curve Number Extension: 99 was not found.");
}

TEST_F(FileTest, ByExtension)
{
    Touch("notes.txt");
    Touch("V00101.IP5");
    CFile file = InDir();
    std::string found;
    file.FindByExtension("ip5", found);
    EXPECT_EQ(found, "V00101.IP5");
    EXPECT_EQ(file.GetFullPath(), Path("V00101.IP5"));
    EXPECT_EQ(MessageOf([&] { file.FindByExtension("ev5", found); }),
              "A file with the extension: ev5 was not found.");
    // The extension is compared as given: upper case never matches.
    EXPECT_EQ(MessageOf([&] { file.FindByExtension("IP5", found); }),
              "A file with the extension: IP5 was not found.");
}

}  // namespace
