// SPDX-License-Identifier: GPL-3.0-or-later
// Converting signals to and from UDS-1992 file objects.
#include "formats/uds_signal.h"

#include <gtest/gtest.h>

#include "core/failure.h"
#include "core/signal.h"
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
