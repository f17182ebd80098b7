// SPDX-License-Identifier: GPL-3.0-or-later
// Converting signals to and from UDS-1992 file objects.
#include <gtest/gtest.h>



#include "core/signal.h"
#include "formats/uds_file.h"
#include "tests/formats/uds_temp_dir.h"

namespace {


using UDSSignalTest = udstest::TempDirTest;

ko::CUDSFile SampleFile()
{
    ko::CUDSFile f;
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
    const ko::CUDSFile f = SampleFile();
    ko::CNSignal s;
    s.SetFromUDSFile(f);
    EXPECT_EQ(s.GetY(), f.GetY());
    EXPECT_EQ(s.GetX(), f.GetX());
    EXPECT_EQ(s.GetStatus(), "AS MEASURED");
    EXPECT_EQ(s.GetSTATUS(), "AS MEASURED");
    EXPECT_EQ(s.GetCLIP3M(), 33.5);
    EXPECT_EQ(s.GetINIVEL(), 48.25);
    EXPECT_EQ(s.GetDEL(), 0.5);
    EXPECT_EQ(s.GetTITLE(), "SLED");
    EXPECT_EQ(s.GetFileName(), "c1_2.uds");
    EXPECT_EQ(s.GetDirectory(), "/store");
    EXPECT_EQ(s.GetAttachment(), "HDCG");
    EXPECT_EQ(s.GetChannelClass(), 1001);
    EXPECT_EQ(s.GetPointCount(), 4);
    EXPECT_EQ(s.GetStartTime(), -1.0);
    EXPECT_EQ(s.GetEndTime(), 0.5);
    EXPECT_EQ(s.GetYMax(), 4.0);
}

TEST_F(UDSSignalTest, ChannelClassFromFileFrequencies)
{
    ko::CUDSFile f = SampleFile();
    f.SetPREFIL(1650.0f);
    ko::CNSignal s;
    s.SetFromUDSFile(f);
    EXPECT_EQ(s.GetChannelClass(), 1000);
    f.SetFCUT(300.0f);
    s.SetFromUDSFile(std::move(f));
    EXPECT_EQ(s.GetChannelClass(), 180);
    EXPECT_EQ(s.GetY(), (std::vector<double>{1, 4, 2, 3}));
}

TEST_F(UDSSignalTest, FileWithoutPointsIsRejected)
{
    ko::CUDSFile empty;
    ko::CNSignal s;
    try {
        s.SetFromUDSFile(empty);
        FAIL();
    } catch (const std::logic_error& e) {
        EXPECT_STREQ(e.what(), "No Information.");
    }
}

TEST_F(UDSSignalTest, ToUDSFileChoosesFormAndNarrows)
{
    ko::CNSignal s;
    s.SetFromUDSFile(SampleFile());
    s.SetFILEID("SOMETHING");
    s.SetDEL(0.1);
    s.SetStatus("qd");
    ko::CUDSFile f;
    s.ToUDSFile(f);
    EXPECT_EQ(f.GetFILEID(), "UDS-1992");
    EXPECT_EQ(f.GetFILEFORM(), "Y");
    EXPECT_EQ(f.GetDEL(), 0.1f);
    EXPECT_EQ(f.GetSTATUS(), "QUESTIONABLE DATA");
    EXPECT_EQ(f.GetCLIP3M(), 33.5f);
    EXPECT_EQ(f.GetAttachment(), "HDCG");
    EXPECT_EQ(f.GetY(), s.GetY());
    s.SetDEL(0.0);
    s.ToUDSFile(f);
    EXPECT_EQ(f.GetFILEFORM(), "X-Y");
}

TEST_F(UDSSignalTest, SampledSignalComesBackWithSinglePrecisionX)
{
    ko::CNSignal s;
    s.SetDEL(0.0001);
    s.SetNFP(-100);
    s.SetNLP(899);
    s.SetY(std::vector<double>(1000, 2.0));
    s.WriteUDS(Path("y.uds"));
    ko::CUDSFile f;
    f.Read(Path("y.uds"));
    EXPECT_EQ(f.GetFILEFORM(), "Y");
    ko::CNSignal back;
    back.SetFromUDSFile(f);
    for (int i = 0; i < 1000; ++i)
        ASSERT_EQ(back.GetX()[i], static_cast<double>(static_cast<float>(i - 100) * 0.0001f));
    EXPECT_NE(back.GetX()[1], s.GetX()[1]);
    back.GenerateX();
    EXPECT_EQ(back.GetX()[1], static_cast<double>(0.0001f) * -99.0);  // DEL is the file's single-precision step
}

TEST_F(UDSSignalTest, UnsampledSignalIsWrittenWithExplicitX)
{
    ko::CNSignal s;
    s.SetXY({0.0, 0.25, 1.0}, {5, 6, 7});
    s.SetNLP(2);
    s.WriteUDS(Path("xy.uds"));
    ko::CUDSFile f;
    f.Read(Path("xy.uds"));
    EXPECT_EQ(f.GetFILEFORM(), "X-Y");
    EXPECT_EQ(f.GetX(), s.GetX());
    EXPECT_EQ(f.GetY(), s.GetY());
}

TEST_F(UDSSignalTest, WriteFailuresAreLogicErrors)
{
    ko::CNSignal s;
    s.SetXY({0.0, 0.25}, {5, 6});
    try {
        s.WriteUDS(Path("bad.uds"));
        FAIL();
    } catch (const std::logic_error& e) {
        EXPECT_STREQ(e.what(), "Equal array indices, NFP = NLP");
    }
    s.SetNLP(1);
    EXPECT_THROW(s.WriteUDS(Path("no/such/dir.uds")), std::logic_error);
    EXPECT_FALSE(std::filesystem::exists(Path("bad.uds")));
}

}  // namespace
