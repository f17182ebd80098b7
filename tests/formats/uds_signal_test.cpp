// SPDX-License-Identifier: GPL-3.0-or-later
// Converting signals to and from UDS-1992 file objects.
#include "formats/uds_signal.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <tuple>

#include "core/failure.h"
#include "core/signal.h"
#include "formats/file.h"
#include "formats/uds_file.h"
#include "tests/core/ops_test_signal.h"
#include "tests/support/temp_dir_test.h"

namespace ko::test {
namespace {

using UDSSignalTest = testsupport::TempDirTest;

CUDSFile SampleFile()
{
    CUDSFile f;
    f.SetNFP(-2);
    f.SetNLP(1);
    f.SetDEL(0.5f);
    f.SetData({-1.0, -0.5, 0.0, 0.5}, {1, 4, 2, 3});
    f.SetSTATUS("AM");
    f.SetCLIP3M(33.5f);
    f.SetINIVEL(48.25f);
    f.SetFCUT(0.0f);
    f.SetPREFIL(1700.0f);
    f.SetYear1(1997);
    f.SetTITLE("SLED");
    f.SetFileName("c1_2.uds");
    f.SetDirectory("/store");
    f.SetAttachment("HDCG");
    return f;
}

TEST_F(UDSSignalTest, SetFromUDSFileTakesHeaderDataAndCarriedTexts)
{
    const CUDSFile f = SampleFile();
    CNSignal s;
    SetFromUDSFile(s, f);
    EXPECT_EQ(s.GetY(), f.GetY());
    EXPECT_EQ(s.GetX(), f.GetX());
    EXPECT_EQ(std::tuple(s.GetStatus(), s.GetSTATUS(), s.GetTITLE(), s.GetFileName(), s.GetDirectory(),
                         s.GetAttachment()),
              std::tuple("AS MEASURED", "AS MEASURED", "SLED", "c1_2.uds", "/store", "HDCG"));
    EXPECT_EQ(
        std::tuple(s.GetCLIP3M(), s.GetINIVEL(), s.GetDEL(), s.GetStartTime(), s.GetEndTime(), s.GetYMax()),
        std::tuple(33.5, 48.25, 0.5, -1.0, 0.5, 4.0));
    EXPECT_EQ(std::pair(s.GetChannelClass(), s.GetPointCount()), std::pair(1001, 4));
}

TEST_F(UDSSignalTest, ChannelClassFromFileFrequencies)
{
    CUDSFile f = SampleFile();
    f.SetPREFIL(1650.0f);
    CNSignal s;
    SetFromUDSFile(s, f);
    EXPECT_EQ(s.GetChannelClass(), 1000);
    f.SetFCUT(300.0f);
    SetFromUDSFile(s, std::move(f));
    EXPECT_EQ(s.GetChannelClass(), 180);
    EXPECT_EQ(s.GetY(), (Values{1, 4, 2, 3}));
    EXPECT_EQ(FailureOf([] {
                  CNSignal s;
                  SetFromUDSFile(s, CUDSFile());
              }),
              "No Information.");  // no points
}

TEST_F(UDSSignalTest, ToUDSFileChoosesFormAndNarrows)
{
    CNSignal s;
    SetFromUDSFile(s, SampleFile());
    s.SetFILEID("SOMETHING");
    s.SetDEL(0.1);
    s.SetStatus("qd");
    CUDSFile f;
    ToUDSFile(s, f);
    EXPECT_EQ(std::tuple(f.GetFILEID(), f.GetFILEFORM(), f.GetSTATUS(), f.GetAttachment()),
              std::tuple("UDS-1992", "Y", "QUESTIONABLE DATA", "HDCG"));
    EXPECT_EQ(std::pair(f.GetDEL(), f.GetCLIP3M()), std::pair(0.1f, 33.5f));
    EXPECT_EQ(f.GetY(), s.GetY());
    s.SetDEL(0.0);
    ToUDSFile(s, f);
    EXPECT_EQ(f.GetFILEFORM(), "X-Y");
}

TEST_F(UDSSignalTest, SampledSignalComesBackWithSinglePrecisionX)
{
    const auto s = SampledSignal(0.0001, -100, Values(1000, 2.0));
    WriteUDS(*s, Path("y.uds"));
    CUDSFile f;
    f.Read(Path("y.uds"));
    EXPECT_EQ(f.GetFILEFORM(), "Y");
    CNSignal back;
    SetFromUDSFile(back, f);
    for (int i = 0; i < 1000; ++i)
        ASSERT_EQ(back.GetX()[i], static_cast<double>(static_cast<float>(i - 100) * 0.0001f));
    EXPECT_NE(back.GetX()[1], s->GetX()[1]);
    back.GenerateX();
    EXPECT_EQ(back.GetX()[1],
              static_cast<double>(0.0001f) * -99.0);  // DEL is the file's single-precision step
}

TEST_F(UDSSignalTest, UnsampledSignalIsWrittenWithExplicitX)
{
    auto s = XYSignal({0.0, 0.25, 1.0}, {5, 6, 7});
    WriteUDS(*s, Path("xy.uds"));
    CUDSFile f;
    f.Read(Path("xy.uds"));
    EXPECT_EQ(f.GetFILEFORM(), "X-Y");
    EXPECT_EQ(f.GetX(), s->GetX());
    EXPECT_EQ(f.GetY(), s->GetY());
}

// A 2-D signal read from a file holds no z and writes the same file again,
// sampled and with explicit x.
TEST_F(UDSSignalTest, SignalWithoutZWritesTheSameFile)
{
    const Values y = Tabulate(2600, [](double i) { return 30.0 * std::sin(i * 0.01); });
    for (const auto& s : {SampledSignal(0.0001, -1000, y), XYSignal(Ramp(2600, 0.25, -0.5), y)}) {
        WriteUDS(*s, Path("a.uds"));
        CUDSFile file;
        file.Read(Path("a.uds"));
        CNSignal read;
        SetFromUDSFile(read, std::move(file));
        EXPECT_TRUE(read.GetZ().empty());
        WriteUDS(read, Path("b.uds"));
        EXPECT_EQ(ReadFileText(Path("b.uds")), ReadFileText(Path("a.uds")));
    }
}

// The extremes a read file hands over are the ones a scan of the signal finds,
// to the bit: across data records and pieces, for a falling x, for explicit x
// and where +0 and -0 both occur at an extreme.
TEST_F(UDSSignalTest, ReadSignalKeepsTheExtremesAScanFinds)
{
    const auto bits = [](double v) { return std::bit_cast<std::uint64_t>(v); };
    Values mixed =
        Tabulate(2600, [](double i) { return 30.0 * std::sin(i * 0.01) - (i == 2222 ? 99.0 : 0.0); });
    Values zeroTop = Tabulate(3000, [](double i) { return i < 1500 ? -std::abs(std::sin(i)) : -0.0; });
    zeroTop[2999] = 0.0;
    zeroTop[1700] = 0.0;
    Values firstZeroNegative = Tabulate(2000, [](double i) { return -1.0 - i; });
    firstZeroNegative[0] = -0.0;
    firstZeroNegative[1000] = 0.0;
    Values zeroBottom = Tabulate(1100, [](double i) { return static_cast<int>(i) % 7 == 0 ? -0.0 : i; });
    zeroBottom[5] = 0.0;
    const std::vector<std::shared_ptr<CNSignal>> signals{
        SampledSignal(0.0001, -1000, mixed),          SampledSignal(-0.5, 3, mixed),
        SampledSignal(0.001, -1500, zeroTop),         SampledSignal(0.25, 0, zeroBottom),
        XYSignal(Ramp(1100, -0.5, 10.0), zeroBottom), XYSignal(Ramp(2600, 0.001, -1.3), mixed),
        SampledSignal(0.5, 0, firstZeroNegative)};
    for (std::size_t k = 0; k < signals.size(); ++k) {
        WriteUDS(*signals[k], Path("e.uds"));
        CUDSFile file;
        file.Read(Path("e.uds"));
        CNSignal read;
        SetFromUDSFile(read, std::move(file));
        CNSignal scanned = read;
        scanned.RefreshExtremes();
        EXPECT_EQ(std::tuple(bits(read.GetXMax()), bits(read.GetXMin()), bits(read.GetYMax()),
                             bits(read.GetYMin())),
                  std::tuple(bits(scanned.GetXMax()), bits(scanned.GetXMin()), bits(scanned.GetYMax()),
                             bits(scanned.GetYMin())))
            << "signal " << k;
    }
}

TEST_F(UDSSignalTest, WriteFailuresAreLogicErrors)
{
    CNSignal s;
    s.SetXY({0.0, 0.25}, {5, 6});
    EXPECT_EQ(FailureOf([&] { WriteUDS(s, Path("bad.uds")); }), "Equal array indices, NFP = NLP");
    s.SetNLP(1);
    EXPECT_THROW(WriteUDS(s, Path("no/such/dir.uds")), ko::CFailure);
    EXPECT_FALSE(std::filesystem::exists(Path("bad.uds")));
}

}  // namespace
}  // namespace ko::test
