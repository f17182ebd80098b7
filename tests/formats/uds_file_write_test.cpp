// SPDX-License-Identifier: GPL-3.0-or-later
// Writing UDS-1992 files and reading them back.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>
#include <random>
#include <sstream>

#include "core/failure.h"
#include "formats/uds_file.h"
#include "tests/support/temp_dir_test.h"

namespace {

using testsupport::Bytes;

class UDSWriteTest : public testsupport::TempDirTest {
protected:
    static std::string WriteError(ko::CUDSFile& f, const std::string& path)
    {
        return testsupport::MessageOf([&] { f.Write(path); });
    }
    static void Fill(ko::CUDSFile& f, int nfp, std::size_t n, const char* form)
    {
        f.SetNFP(nfp);
        f.SetNLP(nfp + static_cast<int>(n) - 1);
        f.SetFILEFORM(form);
        std::vector<double> x(n), y(n);
        for (std::size_t i = 0; i < n; ++i) {
            x[i] = 0.001 * static_cast<double>(i);
            y[i] = static_cast<float>(std::sin(static_cast<double>(i)));
        }
        f.SetData(x, y);
    }
};

// Random upper-case text without trailing blanks, shorter than or as long as width.
std::string RandomText(std::mt19937& rng, int width)
{
    static const std::string chars = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 -/'";
    std::string s(std::uniform_int_distribution<int>(0, width)(rng), ' ');
    for (char& c : s) c = chars[std::uniform_int_distribution<std::size_t>(0, chars.size() - 1)(rng)];
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

void Randomise(ko::CUDSFields& f, std::mt19937& rng)
{
    auto set = [&](const ko::UDSFieldInfo& info, auto member) {
        using T = std::remove_reference_t<decltype(f.*member)>;
        if constexpr (std::is_same_v<T, std::string>)
            f.*member = RandomText(rng, info.width);
        else if constexpr (std::is_same_v<T, std::int32_t>)
            f.*member = std::uniform_int_distribution<std::int32_t>(100, 1 << 30)(rng);
        else
            f.*member = std::uniform_real_distribution<float>(-1e6f, 1e6f)(rng);
    };
    ko::CUDSFields::VisitFields(set);
    f.SetFILEID("UDS-1992");
}

void ExpectSameFields(const ko::CUDSFields& a, const ko::CUDSFields& b)
{
    ko::CUDSFields::VisitFields([&](const ko::UDSFieldInfo& info, auto member) {
        if (std::string(info.name) != "NUMFORM") {
            EXPECT_EQ(a.*member, b.*member) << info.name;
        }
    });
}

TEST_F(UDSWriteTest, RandomHeadersAndDataRoundTrip)
{
    std::mt19937 rng(20240611);
    for (int round = 0; round < 12; ++round) {
        ko::CUDSFile out;
        Randomise(out, rng);
        const bool xy = round % 2 == 0;
        const bool sun = round % 4 < 2;
        const std::size_t n = std::uniform_int_distribution<std::size_t>(2, 400)(rng);
        out.SetFILEFORM(xy ? "X-Y" : "Y");
        out.SetNFP(std::uniform_int_distribution<int>(-300, 300)(rng));
        out.SetNLP(out.GetNFP() + static_cast<int>(n) - 1);
        out.SetBigEndian(sun);
        std::vector<double> x(n), y(n);
        for (std::size_t i = 0; i < n; ++i) {
            x[i] = std::uniform_real_distribution<float>(-1, 1)(rng);
            y[i] = std::uniform_real_distribution<float>(-1e4f, 1e4f)(rng);
        }
        out.SetData(x, y);
        out.Write(Path("r.uds"));
        ko::CUDSFile in;
        in.Read(Path("r.uds"));
        EXPECT_EQ(in.GetNUMFORM(), sun ? "SUN" : "IEEE");
        ExpectSameFields(out, in);
        EXPECT_EQ(in.GetY(), y);
        if (xy) {
            EXPECT_EQ(in.GetX(), x);
        }
    }
}

TEST_F(UDSWriteTest, SunWritesBigEndianAndRewriteIsByteIdentical)
{
    ko::CUDSFile f;
    Fill(f, -10, 300, "X-Y");
    f.SetBigEndian(true);
    f.Write(Path("a.uds"));
    const auto a = Bytes(Path("a.uds"));
    ASSERT_EQ(a.size(), 512u * (2 + 3 + 3));
    EXPECT_EQ(std::vector<unsigned char>(a.begin() + 12, a.begin() + 16),
              (std::vector<unsigned char>{0, 0, 0, 1}));
    EXPECT_EQ(std::string(a.begin() + 26, a.begin() + 31), "SUN  ");
    EXPECT_EQ(std::string(a.begin() + 512 * 2, a.begin() + 512 * 2 + 12), "Y DATA      ");
    EXPECT_EQ(std::string(a.begin() + 512 * 5, a.begin() + 512 * 5 + 12), "X DATA      ");
    EXPECT_EQ(a[512 * 4 + 12 + 4 * 50], 0);  // slot after the last value of a block

    ko::CUDSFile back;
    back.Read(Path("a.uds"));
    back.SetBigEndian(true);
    back.Write(Path("b.uds"));
    EXPECT_EQ(Bytes(Path("b.uds")), a);
}

TEST_F(UDSWriteTest, LongBlocksCrossWriteChunks)
{
    ko::CUDSFile f;
    Fill(f, 5, 40001, "X-Y");  // several 16000-value chunks, last record holding one value
    f.Write(Path("long.uds"));
    EXPECT_EQ(Bytes(Path("long.uds")).size(), 512u * (2 + 2 * 321));
    ko::CUDSFile back;
    back.Read(Path("long.uds"));
    std::vector<double> x(f.GetX().size());
    for (std::size_t i = 0; i < x.size(); ++i) x[i] = static_cast<float>(f.GetX()[i]);
    EXPECT_EQ(back.GetY(), f.GetY());
    EXPECT_EQ(back.GetX(), x);
}

TEST_F(UDSWriteTest, WriteValuesNeedsMatchingX)
{
    ko::CUDSFile f;
    Fill(f, 0, 3, "X-Y");
    EXPECT_THROW(f.WriteValues(Path("v.uds"), {0.0, 1.0}, {1.0, 2.0, 3.0}), ko::CFailure);
    f.SetFILEFORM("Y");
    f.WriteValues(Path("v.uds"), {}, {1.0, 2.0, 3.0});
    ko::CUDSFile back;
    back.Read(Path("v.uds"));
    EXPECT_EQ(back.GetY(), (std::vector<double>{1, 2, 3}));
}

TEST_F(UDSWriteTest, SecondObjectRecordOnlyWhenUsed)
{
    ko::CUDSFile f;
    Fill(f, 0, 10, "Y");
    f.SetType2("   ");
    f.Write(Path("one.uds"));
    auto bytes = Bytes(Path("one.uds"));
    EXPECT_EQ(bytes.size(), 3u * 512);
    EXPECT_EQ(std::string(bytes.begin() + 512, bytes.begin() + 521), "CURVE HDR");

    f.SetType2("H3");
    f.Write(Path("two.uds"));
    bytes = Bytes(Path("two.uds"));
    EXPECT_EQ(bytes.size(), 4u * 512);
    EXPECT_EQ(std::string(bytes.begin() + 512, bytes.begin() + 521), "CMP-2 HDR");
    ko::CUDSFile back;
    back.Read(Path("two.uds"));
    EXPECT_EQ(back.GetType2(), "H3");
    EXPECT_EQ(back.GetY(), f.GetY());
}

TEST_F(UDSWriteTest, NumbersFromNamesYearAndTexts)
{
    ko::CUDSFile f;
    Fill(f, 0, 4, "X-Y");
    f.SetTSTNAM("1234");
    f.SetCURNAM("x7");
    f.SetYear1(97);
    f.SetYear2(12);
    f.SetVehicleNumber2(2);
    f.SetTITLE("a title that is much longer than the seventy characters which the field holds......");
    f.SetMake1("volvo\t ");
    f.SetRD2(std::numeric_limits<float>::quiet_NaN());
    f.Write(Path("n.uds"));
    EXPECT_EQ(f.GetTSTNO(), 1234);
    ko::CUDSFile back;
    back.Read(Path("n.uds"));
    EXPECT_EQ(back.GetTSTNO(), 1234);
    EXPECT_EQ(back.GetCURNO(), 0);
    EXPECT_EQ(back.GetYear1(), 1997);
    EXPECT_EQ(back.GetYear2(), 12);
    EXPECT_EQ(back.GetTITLE().size(), 70u);
    EXPECT_EQ(back.GetTITLE().substr(0, 7), "A TITLE");
    EXPECT_EQ(back.GetMake1(), "VOLVO");
    EXPECT_EQ(back.GetRD2(), 0.0f);
}

TEST_F(UDSWriteTest, UnknownFormWritesNoData)
{
    ko::CUDSFile f;
    Fill(f, 0, 4, "ABC");
    f.Write(Path("u.uds"));
    EXPECT_EQ(Bytes(Path("u.uds")).size(), 2u * 512);
}

TEST_F(UDSWriteTest, FailuresLeaveExistingFileIntact)
{
    ko::CUDSFile f;
    Fill(f, 0, 5, "Y");
    f.Write(Path("keep.uds"));
    const auto good = Bytes(Path("keep.uds"));

    f.SetNLP(5);
    EXPECT_EQ(WriteError(f, Path("keep.uds")), "NLP - NFP + 1: 6 does not equal to array size: 5");
    EXPECT_EQ(Bytes(Path("keep.uds")), good);
    EXPECT_EQ(Entries(), 1u);

    f.SetNLP(0);
    EXPECT_EQ(WriteError(f, Path("x.uds")), "Equal array indices, NFP = NLP");
    f.SetNLP(-1);
    EXPECT_EQ(WriteError(f, Path("x.uds")), "Crossed array indices, NFP > NLP");
    EXPECT_EQ(WriteError(f, ""), "Failure to write file due to empty path and file name.");
    f.SetNLP(4);
    EXPECT_EQ(WriteError(f, Path("missing/x.uds")), "Failure to open file for writing.");
    f.SetNFP(-2147483647 - 1);
    f.SetNLP(2147483647);
    EXPECT_EQ(WriteError(f, Path("x.uds")), "NLP - NFP + 1: 4294967296 does not equal to array size: 5");
}

TEST(UDSFileData, PointListAndSequencesAgree)
{
    ko::CUDSFile f;
    f.SetData({1, 2}, {3, 4});
    ASSERT_EQ(f.GetPoints().size(), 2u);
    EXPECT_EQ(f.GetPoints()[1]->x, 2.0);
    EXPECT_EQ(f.GetPoints()[1]->z, 0.0);
    auto p = std::make_shared<ko::CPoint<double>>(5.0, 6.0, 7.0);
    f.SetPoints({p});
    EXPECT_EQ(f.GetZ(), std::vector<double>{7.0});
    EXPECT_THROW(f.SetData({1}, {1, 2}), ko::CFailure);
    EXPECT_THROW(f.SetPoints({nullptr}), ko::CFailure);
    EXPECT_EQ(f.GetPointCount(), 1u);
}

}  // namespace
