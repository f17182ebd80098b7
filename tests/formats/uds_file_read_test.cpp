// SPDX-License-Identifier: GPL-3.0-or-later
// Reading hand-built UDS-1992 images.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>

#include "core/failure.h"
#include "formats/uds_file.h"
#include "tests/formats/uds_image.h"
#include "tests/support/temp_dir_test.h"

namespace {

using udstest::Basic;
using udstest::Encoding;
using udstest::Image;

std::string ReadError(const std::vector<unsigned char>& bytes, ko::CUDSFile* out = nullptr)
{
    ko::CUDSFile local;
    return testsupport::MessageOf([&] { (out ? *out : local).ReadBuffer(bytes.data(), bytes.size()); });
}

std::vector<float> Ramp(std::size_t n, float start)
{
    std::vector<float> v(n);
    for (std::size_t i = 0; i < n; ++i) v[i] = start + static_cast<float>(i);
    return v;
}

TEST(UDSReadNumbers, SunReversesEveryIntegerAndReal)
{
    Image img = Basic(Encoding::SUN, "X-Y", 10, 12, 0.0f, 2);
    img.Int(49, 4321);             // TSTNO
    img.Real(177, 56.5f);          // CLSSPD
    img.Real(309, 77.25f);         // occupant weight at an odd offset
    img.Real(512 + 334, -1.5f);    // RD1
    img.Real(512 + 350, 2.0e-7f);  // RD5
    img.Data(2, "Y DATA", {1.5f, -2.5f, 3.0f});
    img.Data(3, "X DATA", {0.1f, 0.2f, 0.3f});
    ko::CUDSFile f;
    f.ReadBuffer(img.bytes.data(), img.bytes.size());
    EXPECT_EQ(f.GetNUMFORM(), "SUN");
    EXPECT_EQ(f.GetVERNO(), 1);
    EXPECT_EQ(f.GetTSTNO(), 4321);
    EXPECT_EQ(f.GetCLSSPD(), 56.5f);
    EXPECT_EQ(f.GetWeight1(), 77.25f);
    EXPECT_EQ(f.GetRD1(), -1.5f);
    EXPECT_EQ(f.GetRD5(), 2.0e-7f);
    EXPECT_EQ(f.GetY(), (std::vector<double>{1.5, -2.5, 3.0}));
    EXPECT_EQ(f.GetX(), (std::vector<double>{0.1f, 0.2f, 0.3f}));
    EXPECT_TRUE(f.GetZ().empty());  // all zeros
    EXPECT_EQ(f.GetPoints()[2]->z, 0.0);
}

TEST(UDSReadNumbers, VaxRealsFromKnownBytePatterns)
{
    Image img = Basic(Encoding::VAX, "X-Y", 1, 4, 0.0f, 2);
    img.Int(49, 77);
    img.Raw(177, {0x80, 0x40, 0x00, 0x00});  // 1.0
    img.Raw(290, {0x20, 0xC1, 0x00, 0x00});  // -2.5
    img.Raw(294, {0x12, 0x80, 0x34, 0x56});  // exponent byte 0x80: 0.0
    img.Raw(309, {0x12, 0x00, 0x34, 0x56});  // exponent byte 0x00: 0.0
    img.Data(2, "Y DATA", {0.001f, 12345.678f, -3.0e-5f, 1.0e20f});
    img.Data(3, "X DATA", {1, 2, 3, 4});
    ko::CUDSFile f;
    f.ReadBuffer(img.bytes.data(), img.bytes.size());
    EXPECT_EQ(f.GetTSTNO(), 77);
    EXPECT_EQ(f.GetNFP(), 1);
    EXPECT_EQ(f.GetCLSSPD(), 1.0f);
    EXPECT_EQ(f.GetVehicleWeight1(), -2.5f);
    EXPECT_EQ(f.GetVEHSPD1(), 0.0f);
    EXPECT_EQ(f.GetWeight1(), 0.0f);
    EXPECT_EQ(f.GetY(), (std::vector<double>{0.001f, 12345.678f, -3.0e-5f, 1.0e20f}));
}

TEST(UDSReadNumbers, NaNBitPatternsReadAsZero)
{
    Image img = Basic(Encoding::IEEE, "X-Y", 0, 1, 0.0f, 2);
    img.Raw(177, {0x00, 0x00, 0xC0, 0x7F});        // quiet NaN
    img.Raw(512 + 298, {0x01, 0x00, 0x80, 0xFF});  // signalling NaN, sign set
    img.Data(2, "Y DATA", {1, 2});
    img.Raw(2 * 512 + 16, {0xFF, 0xFF, 0xFF, 0x7F});
    img.Data(3, "X DATA", {0, 1});
    ko::CUDSFile f;
    f.ReadBuffer(img.bytes.data(), img.bytes.size());
    EXPECT_EQ(f.GetCLSSPD(), 0.0f);
    EXPECT_EQ(f.GetFCUT(), 0.0f);
    EXPECT_EQ(f.GetY(), (std::vector<double>{1, 0}));
}

TEST(UDSReadHeader, TextFieldRules)
{
    Image img = Basic(Encoding::IEEE, "y", 0, 1, 0.5f, 1);
    img.Text(65, 70, "  crash\ttest \t\r\n");  // TITLE: leading blanks stay, trailing white space goes
    img.Text(217, 15, "ford", '\0');           // Make padded with NULs keeps them
    img.Text(512, 12, "curve hdr");
    img.Data(2, "y data", {4, 5});
    ko::CUDSFile f;
    f.ReadBuffer(img.bytes.data(), img.bytes.size());
    EXPECT_EQ(f.GetTITLE(), "  CRASH\tTEST");
    EXPECT_EQ(f.GetMake1(), std::string("FORD") + std::string(11, '\0'));
    EXPECT_EQ(f.GetFILEFORM(), "Y");
    EXPECT_EQ(f.GetY(), (std::vector<double>{4, 5}));
}

TEST(UDSReadHeader, SecondObjectRecord)
{
    Image img = Basic(Encoding::IEEE, "Y", 0, 1, 0.5f, 2);  // records 1 to 3 are rewritten
    img.Text(512, 12, "CMP-2 HDR");
    img.Int(512 + 12, 2);
    img.Text(512 + 48, 15, "Volvo");
    img.Int(512 + 88, 97);
    img.Real(512 + 121, 1500.5f);
    img.Real(512 + 140, 80.5f);
    img.Text(512 + 166, 20, "BELT");
    img.Text(1024, 12, "CURVE HDR");
    img.Int(1024 + 278, 0);
    img.Int(1024 + 282, 1);
    img.Real(1024 + 286, 0.5f);
    img.Int(257, 97);
    img.Data(3, "Y DATA", {1, 2});
    ko::CUDSFile f;
    f.ReadBuffer(img.bytes.data(), img.bytes.size());
    EXPECT_EQ(f.GetVehicleNumber2(), 2);
    EXPECT_EQ(f.GetMake2(), "VOLVO");
    EXPECT_EQ(f.GetYear2(), 97);  // never widened
    EXPECT_EQ(f.GetYear1(), 1997);
    EXPECT_EQ(f.GetVehicleWeight2(), 1500.5f);
    EXPECT_EQ(f.GetWeight2(), 80.5f);
    EXPECT_EQ(f.GetSecondRestraint2(), "BELT");
    EXPECT_EQ(f.GetDEL(), 0.5f);
    EXPECT_EQ(f.GetY(), (std::vector<double>{1, 2}));
}

TEST(UDSReadHeader, YearWidening)
{
    for (auto [stored, read] : std::vector<std::pair<int, int>>{
             {97, 1997}, {50, 1950}, {49, 2049}, {12, 2012}, {0, 0}, {100, 100}}) {
        Image img = Basic(Encoding::IEEE, "Y", 0, 1, 0.5f, 1);
        img.Int(257, stored);
        img.Data(2, "Y DATA", {1, 2});
        ko::CUDSFile f;
        f.ReadBuffer(img.bytes.data(), img.bytes.size());
        EXPECT_EQ(f.GetYear1(), read) << stored;
    }
}

TEST(UDSReadData, YFileComputesSinglePrecisionX)
{
    Image img = Basic(Encoding::IEEE, "Y", -100, 899, 0.0001f, 8);
    for (std::size_t r = 0; r < 8; ++r) img.Data(2 + r, "Y DATA", Ramp(125, 125.0f * r));
    ko::CUDSFile f;
    f.ReadBuffer(img.bytes.data(), img.bytes.size());
    ASSERT_EQ(f.GetPointCount(), 1000u);
    for (int i = 0; i < 1000; ++i) {
        ASSERT_EQ(f.GetX()[i], static_cast<double>(static_cast<float>(i - 100) * 0.0001f)) << i;
        ASSERT_EQ(f.GetY()[i], i);
    }
    EXPECT_EQ(f.GetPoints().size(), 1000u);
    EXPECT_EQ(f.GetPoints()[999]->y, 999.0);
}

TEST(UDSReadData, LastRecordHoldsOneValue)
{
    Image img = Basic(Encoding::IEEE, "Y", -100, 900, 0.0001f, 9);
    for (std::size_t r = 0; r < 9; ++r) img.Data(2 + r, "Y DATA", Ramp(125, 125.0f * r));
    ko::CUDSFile f;
    f.ReadBuffer(img.bytes.data(), img.bytes.size());
    ASSERT_EQ(f.GetPointCount(), 1001u);
    EXPECT_EQ(f.GetY().back(), 1000.0);
    img.bytes.resize(img.bytes.size() - 512);
    EXPECT_EQ(ReadError(img.bytes), "File size too small - Insufficient data points");
}

TEST(UDSReadData, InterleavedXYBlocks)
{
    Image img = Basic(Encoding::IEEE, "X-Y", 0, 199, 0.0f, 4);
    img.Data(2, "Y DATA", Ramp(125, 0));
    img.Data(3, "X DATA", Ramp(125, 1000));
    img.Data(4, "Y DATA", Ramp(125, 125));
    img.Data(5, "X DATA", Ramp(125, 1125));
    ko::CUDSFile f;
    f.ReadBuffer(img.bytes.data(), img.bytes.size());
    ASSERT_EQ(f.GetPointCount(), 200u);
    EXPECT_EQ(f.GetY()[130], 130.0);
    EXPECT_EQ(f.GetX()[130], 1130.0);
    EXPECT_EQ(f.GetX()[199], 1199.0);
}

TEST(UDSReadData, ShortXBlockIsRejected)
{
    Image img = Basic(Encoding::IEEE, "X-Y", 0, 129, 0.0f, 4);
    img.Data(2, "Y DATA", Ramp(125, 0));
    img.Data(3, "Y DATA", Ramp(125, 125));
    img.Data(4, "Y DATA", Ramp(125, 250));
    img.Data(5, "X DATA", Ramp(125, 0));
    ko::CUDSFile f;
    EXPECT_EQ(ReadError(img.bytes, &f), "Insufficient data points - X DATA records hold 125 of 130 values");
    EXPECT_EQ(f.GetPointCount(), 0u);
    img.Data(2, "X DATA", Ramp(125, 0));
    img.Data(3, "X DATA", Ramp(125, 0));
    EXPECT_EQ(ReadError(img.bytes), "Insufficient data points - Y DATA records hold 125 of 130 values");
}

TEST(UDSReadData, BlockAndFormFailures)
{
    Image img = Basic(Encoding::IEEE, "X-Y", 0, 1, 0.0f, 2);
    img.Data(2, "Y DATA", {1, 2});
    img.Data(3, "Z DATA", {1, 2});
    ko::CUDSFile f;
    EXPECT_EQ(ReadError(img.bytes, &f), "Unknown Data Block");
    EXPECT_TRUE(f.GetPoints().empty());
    img.Text(16, 10, "Y");
    EXPECT_EQ(ReadError(img.bytes), "Unknown Data Block");
    img.Text(16, 10, "XYZ");
    EXPECT_EQ(ReadError(img.bytes), "Format is not known.");
    img.Int(512 + 278, 1);
    EXPECT_EQ(ReadError(img.bytes), "Equal array indices, NFP = NLP in file");
    img.Int(512 + 278, 2);
    EXPECT_EQ(ReadError(img.bytes), "Crossed array indices, NFP > NLP in file");
    img.Int(512 + 278, -2147483647 - 1);
    img.Int(512 + 282, 2147483647);
    EXPECT_EQ(ReadError(img.bytes), "File size too small - Insufficient data points");
}

TEST(UDSReadFailures, SizesAndIdentity)
{
    EXPECT_EQ(ReadError({}), "Data buffer too small");
    EXPECT_EQ(ReadError(std::vector<unsigned char>(1000, 0)), "File size not a multiple of 512 bytes.");
    Image img = Basic(Encoding::IEEE, "Y", 0, 1, 0.5f, 0);
    EXPECT_EQ(ReadError(std::vector<unsigned char>(img.bytes.begin(), img.bytes.begin() + 512)),
              "Data buffer too small");
    EXPECT_EQ(ReadError(std::vector<unsigned char>(512, 0)), "Not a UDS-1992 Signal File");
    img.Text(0, 12, "UDS-1993");
    EXPECT_EQ(ReadError(img.bytes), "Not a UDS-1992 Signal File");
    img.Text(0, 12, "uds-1992");
    EXPECT_EQ(ReadError(img.bytes), "File size too small - Insufficient data points");
    ko::CUDSFile f;
    EXPECT_THROW(f.ReadBuffer(nullptr, 1024), ko::CFailure);
}

TEST(UDSReadFailures, HeaderRecords)
{
    Image img = Basic(Encoding::IEEE, "Y", 0, 10, 0.001f, 1);
    img.Text(26, 5, "CRAY");  // an unknown number form reads every number as zero
    EXPECT_EQ(ReadError(img.bytes), "Equal array indices, NFP = NLP in file");
    img = Basic(Encoding::IEEE, "Y", 0, 1, 0.5f, 1);
    img.Text(512, 12, "CURVE HDR", '\0');
    EXPECT_EQ(ReadError(img.bytes), "Invalid 3rd Record Header");
    Image second(2, Encoding::IEEE);  // a second object record leaves no room for the curve
    second.Text(0, 12, "UDS-1992");
    second.Text(512, 12, "CMP-2 HDR");
    EXPECT_EQ(ReadError(second.bytes), "Data buffer too small");
}

class UDSReadFileTest : public testsupport::TempDirTest {
protected:
    static std::string Error(const std::string& path)
    {
        return testsupport::MessageOf([&] { ko::CUDSFile().Read(path); });
    }
};

TEST_F(UDSReadFileTest, ReadsFromDiskAndReportsFileFailures)
{
    Image img = Basic(Encoding::SUN, "Y", 0, 2, 0.25f, 1);
    img.Int(257, 12);
    img.Data(2, "Y DATA", {7, 8, 9});
    ko::CUDSFile f;
    f.Read(Put("good.uds", img.bytes));
    EXPECT_EQ(f.GetY(), (std::vector<double>{7, 8, 9}));
    EXPECT_EQ(f.GetX(), (std::vector<double>{0, 0.25, 0.5}));
    EXPECT_EQ(f.GetYear1(), 2012);

    EXPECT_EQ(Error(""), "Failure read file due to empty path and file name.");
    const std::string missing = (dir_ / "missing.uds").string();
    EXPECT_EQ(Error(missing), "Failure to open file: " + missing + " for reading.");
    EXPECT_EQ(Error(dir_.string()), "Failure to open file: " + dir_.string() + " for reading.");
    const std::string fifo = (dir_ / "fifo.uds").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(Error(fifo), "Failure to open file: " + fifo + " for reading.") << "refused, not waited on";
    EXPECT_EQ(Error(Put("odd.uds", std::vector<unsigned char>(1000))),
              "File size not a multiple of 512 bytes.");
    EXPECT_EQ(Error(Put("empty.uds", {})), "Data buffer too small");
}

}  // namespace
