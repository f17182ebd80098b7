// SPDX-License-Identifier: GPL-3.0-or-later
#include "sources/data_agent_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <memory>
#include <string>
#include <vector>

#include "agent_files.h"
#include "formats/file_name.h"
#include "test_records.h"

namespace {

using velder_test::MakeRow;
using velder_test::MakeVehicleTest;

constexpr int kTest = 1234;

std::shared_ptr<ko::CVehicleTest> SampleTest(int number = kTest)
{
    auto test = MakeVehicleTest(number);
    auto measured = MakeRow<ko::veh::CInstrumentation>(1);
    measured->SetVEHNO(1);
    measured->SetNFP(-10);
    measured->SetNLP(-8);
    measured->SetDELT(100.0);
    test->AddInstrumentation(measured);
    test->AddInstrumentation(MakeRow<ko::veh::CInstrumentation>(2, "NO"));
    return test;
}

std::string GeneratedName(int test, int curve)
{
    ko::CFileName name;
    name.SetDatabase("vehdb");
    name.SetTestNumber(test);
    name.SetFilter(0.0);
    name.SetCurveNumber(curve);
    name.SetQuantity("G'S");
    name.SetStatus("AM");
    return name.GetUDSName();
}

class FileAgent : public velder_test::AgentFilesTest {
protected:
    // A chosen directory holding the sample test's EV5 file; curves of kind curveKind.
    std::string ChosenTest(int curveKind)
    {
        const std::string dir = Sub("test");
        PutEV5(dir + "/v01234_000.ev5", SampleTest(), kTest);
        EXPECT_TRUE(agent_.SetTestFileDirectory(dir, 5)) << agent_.GetLastError();
        EXPECT_TRUE(agent_.SetCurveFileDirectory(dir, curveKind)) << agent_.GetLastError();
        return dir;
    }
    bool Load(int curve, std::shared_ptr<ko::CNSignal>& signal)
    {
        return agent_.SetTestNumber(kTest) && agent_.SetCurveNumber(curve) && agent_.LoadSignal(signal);
    }

    ko::CDataAgentFile agent_;
};

TEST_F(FileAgent, SetUpOperations)
{
    EXPECT_EQ(agent_.GetTestFileMode(), 2);
    EXPECT_EQ(agent_.GetTestFile()->GetKind(), 21);
    EXPECT_FALSE(agent_.SetTestFileDirectory(Dir(), 200));
    EXPECT_EQ(agent_.GetLastError(), "");
    EXPECT_EQ(agent_.GetTestFileMode(), 2);
    EXPECT_EQ(agent_.GetTestFile()->GetKind(), 21);

    EXPECT_FALSE(agent_.SetTestFileDirectory(Dir() + "/missing", 5));
    EXPECT_EQ(agent_.GetLastError(), "Invalid Directory: " + Dir() + "/missing/");
    EXPECT_FALSE(agent_.SetCurveFileDirectory("", 5));
    EXPECT_EQ(agent_.GetLastError(), "Path is empty.");
    EXPECT_EQ(agent_.GetCurveFileMode(), 2);

    EXPECT_FALSE(agent_.SetIntrusionFileDirectory(Dir() + "/missing"));
    EXPECT_EQ(agent_.GetIntrusionFile(), nullptr);
    EXPECT_EQ(agent_.GetCurveFileMode(), 2);
    EXPECT_TRUE(agent_.SetIntrusionFileDirectory(Dir()));
    EXPECT_EQ(agent_.GetIntrusionFile()->GetKind(), 5);
    EXPECT_EQ(agent_.GetCurveFileMode(), 1);

    EXPECT_TRUE(agent_.SetZipFile(Dir() + "/tests.zip"));
    EXPECT_EQ(agent_.GetTestFile()->GetFileName(), "tests.zip");
    EXPECT_EQ(agent_.GetTestFile()->GetKind(), 23);
    EXPECT_EQ(agent_.GetTestFileMode(), 1);
}

TEST_F(FileAgent, TestFileKindsAndMessages)
{
    // Derived mode with the initial kind 21.
    EXPECT_FALSE(agent_.LoadTest(7, std::make_shared<ko::CVehicleTest>()));
    EXPECT_EQ(agent_.GetLastError(), "Failure to load test number: 7\nUnknow File Type.");
    EXPECT_EQ(agent_.GetVehicleTest(), nullptr);

    ASSERT_TRUE(agent_.SetZipFile(Dir() + "/tests.zip"));
    EXPECT_FALSE(agent_.LoadTest(ko::TestKind::Vehicle));
    EXPECT_EQ(agent_.GetLastError(), "Failure to load test number: 7\nZip File Type: Not Developed.");
    ASSERT_TRUE(agent_.SetTestFileDirectory(Dir(), 22));
    EXPECT_FALSE(agent_.LoadTest(ko::TestKind::Component));
    EXPECT_EQ(agent_.GetLastError(), "Failure to load test number: 7\nXML File Type: Not Developed.");
    ASSERT_TRUE(agent_.SetTestFileDirectory(Dir(), 21));
    EXPECT_FALSE(agent_.LoadTest(ko::TestKind::Biomechanics));
    EXPECT_EQ(agent_.GetLastError(), "Failure to load test number: 7\nUnknown File Type.");
    ASSERT_TRUE(agent_.SetTestFileDirectory(Dir(), 5));
    EXPECT_FALSE(agent_.LoadTest(ko::TestKind::Vehicle));
    EXPECT_EQ(agent_.GetLastError(),
              "Failure to load test number: 7\nA file with the extension: ev5 was not found.");
    EXPECT_FALSE(agent_.LoadTest(ko::TestKind::None));
    EXPECT_EQ(agent_.GetLastError(), "Failure to load test number: 7\nInvalid Database: kind code 2");
    EXPECT_EQ(agent_.GetVehicleTest(), nullptr);
}

TEST_F(FileAgent, NoTestNumberNoFirstLine)
{
    ASSERT_TRUE(agent_.SetTestFileDirectory(Dir(), 24));
    EXPECT_FALSE(agent_.LoadTest(ko::TestKind::Vehicle));
    EXPECT_EQ(agent_.GetLastError(), "A file with the extension: e5x was not found.");
}

TEST_F(FileAgent, GeneratedSignalNamesAndUDSCurves)
{
    const std::string dir = ChosenTest(21);
    auto test = std::make_shared<ko::CVehicleTest>();
    ASSERT_TRUE(agent_.LoadTest(kTest, test)) << agent_.GetLastError();
    ASSERT_EQ(test->GetInstrumentations().size(), 2u);
    EXPECT_EQ(test->GetInstrumentation(1)->GetSIGNALNAME(), GeneratedName(kTest, 1));
    EXPECT_EQ(test->GetInstrumentation(2)->GetSIGNALNAME(), "");

    std::shared_ptr<ko::CNSignal> signal;
    ASSERT_TRUE(agent_.SetTest(test));
    EXPECT_FALSE(Load(2, signal));
    EXPECT_EQ(agent_.GetLastError(), "No UDS file - Curve Number: 2 Datstat: NO");
    // The read looks for the generated name.
    EXPECT_FALSE(Load(1, signal));
    EXPECT_NE(agent_.GetLastError().find(GeneratedName(kTest, 1)), std::string::npos)
        << agent_.GetLastError();

    PutUDS(dir + "/" + GeneratedName(kTest, 1), {5.0, 6.0, 7.0, 8.0});
    ASSERT_TRUE(Load(1, signal)) << agent_.GetLastError();
    EXPECT_EQ(signal->GetY(), (std::vector<double>{5.0, 6.0, 7.0, 8.0}));
    // The header is the file's own, not one built from the records.
    EXPECT_EQ(signal->GetTSTSRC(), "USER DATA");
    EXPECT_EQ(signal->GetFileName(), GeneratedName(kTest, 1));
    EXPECT_EQ(signal->GetAttachment(), "HDCG");
    EXPECT_EQ(agent_.GetPointCount(), 4);
}

TEST_F(FileAgent, SignalNamesStayInTheCurveDirectory)
{
    const std::string dir = Sub("test");
    auto test = SampleTest();
    test->GetInstrumentation(1)->SetSIGNALNAME("../outside.uds");
    PutEV5(dir + "/v01234_000.e5x", test, kTest, true);
    ASSERT_TRUE(agent_.SetTestFileDirectory(dir, 24));
    ASSERT_TRUE(agent_.SetCurveFileDirectory(dir, 21));
    ASSERT_TRUE(agent_.LoadTest(ko::TestKind::Vehicle)) << agent_.GetLastError();
    EXPECT_EQ(agent_.GetVehicleTest()->GetInstrumentation(1)->GetSIGNALNAME(), "../outside.uds");
    PutUDS(Dir() + "/outside.uds", {1.0, 2.0});
    std::shared_ptr<ko::CNSignal> signal;
    EXPECT_FALSE(Load(1, signal));
    EXPECT_EQ(agent_.GetLastError(), "Invalid Signal Name: ../outside.uds");
}

TEST_F(FileAgent, TextCurvesFromNFPAndDELT)
{
    // Kinds 1 to 4 find the curve by the name's curve piece, kind 5 by the extension.
    const std::string dir = ChosenTest(1);
    PutText(dir + "/v01234_001.asc", "1.5\n2.5\n3.5\n");
    ASSERT_TRUE(agent_.LoadTest(ko::TestKind::Vehicle)) << agent_.GetLastError();
    std::shared_ptr<ko::CNSignal> signal;
    ASSERT_TRUE(Load(1, signal)) << agent_.GetLastError();
    ASSERT_EQ(signal->GetX().size(), 3u);
    EXPECT_DOUBLE_EQ(signal->GetX()[0], -0.0009);
    EXPECT_DOUBLE_EQ(signal->GetX()[1], -0.0008);
    EXPECT_DOUBLE_EQ(signal->GetX()[2], -0.0007);
    EXPECT_EQ(signal->GetY(), (std::vector<double>{1.5, 2.5, 3.5}));
    EXPECT_EQ(signal->GetTSTSRC(), "ASCII DATA");
    EXPECT_EQ(signal->GetTITLE(), "FRONTAL IMPACT");
    EXPECT_EQ(signal->GetFileName(), "v01234_001.asc");
    EXPECT_EQ(agent_.GetCurveFile()->GetKind(), 5);
    EXPECT_EQ(agent_.GetPointCount(), 3);

    EXPECT_FALSE(Load(7, signal));
    EXPECT_EQ(agent_.GetLastError(), "Curve Number: 7 could not be found in the Intrumentation.");
}

TEST_F(FileAgent, TextCurveWithStrayTrailingMaterial)
{
    const std::string dir = ChosenTest(5);
    PutText(dir + "/curve.001", "0.0,1\r\n0.1,2\r\n0.2,3\r\n\r\nEnd of data\r\n\tchecksum 99\r\n");
    ASSERT_TRUE(agent_.LoadTest(ko::TestKind::Vehicle)) << agent_.GetLastError();
    std::shared_ptr<ko::CNSignal> signal;
    ASSERT_TRUE(Load(1, signal)) << agent_.GetLastError();
    EXPECT_EQ(signal->GetY(), (std::vector<double>{1, 2, 3}));
    PutText(dir + "/curve.001", "0.0,1\n0.1,two\n");
    EXPECT_FALSE(Load(1, signal));
    EXPECT_EQ(agent_.GetLastError().rfind("Failure to parse the file: " + dir + "/curve.001", 0), 0u)
        << agent_.GetLastError();
    EXPECT_TRUE(signal->GetY().empty());
}

TEST_F(FileAgent, CurveFileKinds)
{
    ChosenTest(22);
    ASSERT_TRUE(agent_.LoadTest(ko::TestKind::Vehicle)) << agent_.GetLastError();
    std::shared_ptr<ko::CNSignal> signal;
    EXPECT_FALSE(Load(1, signal));
    EXPECT_EQ(agent_.GetLastError(), "Unknown File Type.");
    ASSERT_TRUE(agent_.SetCurveFileDirectory(Dir(), 5));
    EXPECT_FALSE(Load(1, signal));
    EXPECT_EQ(agent_.GetLastError(), "Curve Number Extension: 1 was not found.");
}

TEST_F(FileAgent, IntrusionFile)
{
    const std::string dir = ChosenTest(21);
    PutText(dir + "/v01234.ip5",
            "# Source: Intrusion Data\n# Date: <01/02/2003>\n----- INTRUSION -----\n"
            "1|1|DASH|10|20|30|11|21|31|R1\n1|2|TOE|10|20|30|12|22|32|R1\n----- END -----\n");
    ASSERT_TRUE(agent_.SetIntrusionFileDirectory(dir));
    ASSERT_TRUE(agent_.LoadTest(ko::TestKind::Vehicle)) << agent_.GetLastError();
    ASSERT_EQ(agent_.GetVehicleTest()->GetIntrusions().size(), 2u);
    EXPECT_EQ(agent_.GetVehicleTest()->GetIntrusions()[1]->GetIPLOC(), "TOE");

    PutText(dir + "/v01234.ip5", "# Source: Intrusion Data\n1|1|DASH\n");
    EXPECT_FALSE(agent_.LoadTest(ko::TestKind::Vehicle));
    EXPECT_EQ(agent_.GetLastError(),
              "Failure to load test number: 1234\nIntrusion pipe count is 2 and not 9 or 10.");
    EXPECT_EQ(agent_.GetVehicleTest(), nullptr);
}

// A chosen directory holding UDS curves is read with the UDS curve kind.
TEST_F(FileAgent, ChosenDirectoryWithUDSCurves)
{
    const std::string dir = Sub("test");
    PutEV5(dir + "/v01234_000.ev5", SampleTest(), kTest);
    EXPECT_TRUE(agent_.SetChosenDirectory(dir)) << agent_.GetLastError();
    EXPECT_EQ(agent_.GetCurveFile()->GetKind(), 5);
    EXPECT_EQ(agent_.GetIntrusionFile(), nullptr);
    PutUDS(dir + "/" + GeneratedName(kTest, 1), {1.0, 2.0});
    PutText(dir + "/v01234.ip5", "# Source: Intrusion Data\n----- INTRUSION -----\n----- END -----\n");
    EXPECT_TRUE(agent_.SetChosenDirectory(dir)) << agent_.GetLastError();
    EXPECT_EQ(agent_.GetTestFile()->GetKind(), 5);
    EXPECT_NE(agent_.GetIntrusionFile(), nullptr);

    // The test number comes from the test file's name when none is set.
    ASSERT_TRUE(agent_.LoadTest(ko::TestKind::Vehicle)) << agent_.GetLastError();
    EXPECT_EQ(agent_.GetTestNumber()->GetNumber(), kTest);
    EXPECT_EQ(agent_.GetVehicleTest()->TestRecord().GetTSTNO(), kTest);
    std::shared_ptr<ko::CNSignal> signal;
    ASSERT_TRUE(Load(1, signal)) << agent_.GetLastError();
    EXPECT_EQ(signal->GetY(), (std::vector<double>{1.0, 2.0}));
    EXPECT_EQ(agent_.GetCurveFile()->GetKind(), 21);

    const std::string other = Sub("other");
    PutEV5(other + "/v00042_000.ev5", SampleTest(42), 42);
    ASSERT_TRUE(agent_.SetChosenDirectory(other));
    ASSERT_TRUE(agent_.LoadTest(ko::TestKind::Vehicle)) << agent_.GetLastError();
    EXPECT_EQ(agent_.GetVehicleTest()->TestRecord().GetTSTNO(), 42);

    EXPECT_FALSE(agent_.SetChosenDirectory(Sub("empty")));
    EXPECT_EQ(agent_.GetLastError(), "A file with the extension: ev5 was not found.");
    EXPECT_EQ(agent_.GetTestFile()->GetDirectory(), other + "/");
}

// Each curve of a chosen directory is read from its own file: the text curve of
// its curve number when there is one, else its UDS file; a stray UDS file of an
// earlier export switches nothing.
TEST_F(FileAgent, ChosenDirectoryReadsEachCurveFromItsOwnFile)
{
    const std::string dir = Sub("test");
    auto test = SampleTest();
    test->AddInstrumentation(MakeRow<ko::veh::CInstrumentation>(3));
    test->AddInstrumentation(MakeRow<ko::veh::CInstrumentation>(4));
    PutEV5(dir + "/v01234_000.ev5", test, kTest);
    PutText(dir + "/curve.001", "1.5\n2.5\n3.5\n");
    PutUDS(dir + "/earlier_export.uds", {9.0, 9.0});
    PutUDS(dir + "/" + GeneratedName(kTest, 3), {3.0, 4.0});
    ASSERT_TRUE(agent_.SetChosenDirectory(dir)) << agent_.GetLastError();
    ASSERT_TRUE(agent_.LoadTest(ko::TestKind::Vehicle)) << agent_.GetLastError();

    std::shared_ptr<ko::CNSignal> signal;
    ASSERT_TRUE(Load(1, signal)) << agent_.GetLastError();
    EXPECT_EQ(signal->GetY(), (std::vector<double>{1.5, 2.5, 3.5}));
    EXPECT_EQ(signal->GetTSTSRC(), "ASCII DATA");
    ASSERT_TRUE(Load(3, signal)) << agent_.GetLastError();
    EXPECT_EQ(signal->GetY(), (std::vector<double>{3.0, 4.0}));
    EXPECT_EQ(signal->GetFileName(), GeneratedName(kTest, 3));

    const std::string in = " in " + dir + "/";
    EXPECT_FALSE(Load(4, signal));
    EXPECT_EQ(agent_.GetLastError(), "Curve Number: 4: neither a text curve file with the extension 4" + in +
                                         " nor the UDS file " + dir + "/" + GeneratedName(kTest, 4) +
                                         " was found.");
    EXPECT_FALSE(Load(2, signal));
    EXPECT_EQ(
        agent_.GetLastError(),
        "No UDS file - Curve Number: 2 Datstat: NO, and no text curve file with the extension 2" + in + ".");
}

// A store root in the derived layout: any of its tests by number, and its list.
// Test 3 has an EV5 extension file and text curves, test 20 an IP5 file.
TEST_F(FileAgent, StoreRoot)
{
    for (int number : {20, 1234, 3}) {
        const auto [evdata, uds] = StoreDirs(number);
        auto test = SampleTest(number);
        test->TestRecord().SetTSTTYP(number == 20 ? "NCAP" : "RES");
        const std::string stem = evdata + "/v" + ko::ZeroPadded(number, 5) + "_000";
        PutEV5(stem + (number == 3 ? ".e5x" : ".ev5"), test, number, number == 3);
        if (number == 3)
            PutText(stem + ".001", "3\n0\n");
        else
            PutUDS(uds + "/" + GeneratedName(number, 1), {static_cast<double>(number), 0.0});
    }
    PutText(StoreDirs(20).first + "/v00020.ip5", "# Source: Intrusion Data\n1|1|DASH|1|2|3|4|5|6|R\n");
    StoreDirs(77);  // a test directory without a test file
    std::vector<int> numbers;
    EXPECT_FALSE(agent_.GetStoreTestNumbers(ko::TestKind::Vehicle, numbers));
    EXPECT_FALSE(agent_.SetStoreRoot(Dir() + "/missing"));
    ASSERT_TRUE(agent_.SetStoreRoot(Dir())) << agent_.GetLastError();

    ASSERT_TRUE(agent_.GetStoreTestNumbers(ko::TestKind::Vehicle, numbers)) << agent_.GetLastError();
    EXPECT_EQ(numbers, (std::vector<int>{3, 20, 1234}));
    EXPECT_TRUE(agent_.GetStoreTestNumbers(ko::TestKind::Component, numbers));
    EXPECT_TRUE(numbers.empty());

    ASSERT_TRUE(agent_.LoadTestList(ko::TestKind::Vehicle)) << agent_.GetLastError();
    ASSERT_EQ(agent_.GetVehTestList().size(), 3u);
    EXPECT_EQ(agent_.GetVehTestList()[1]->GetTSTNO(), 20);
    EXPECT_EQ(agent_.GetVehTestList()[1]->GetTSTTYP(), "NCAP");
    EXPECT_EQ(agent_.GetVehTestList()[2]->GetTSTTYP(), "RES");

    // Each test is read from its own directories.
    for (int number : {1234, 3, 20}) {
        auto test = std::make_shared<ko::CVehicleTest>();
        ASSERT_TRUE(agent_.LoadTest(number, test)) << agent_.GetLastError();
        EXPECT_EQ(test->GetIntrusions().size(), number == 20 ? 1u : 0u);
        std::shared_ptr<ko::CNSignal> signal;
        ASSERT_TRUE(agent_.SetTest(test) && agent_.SetCurveNumber(1) && agent_.LoadSignal(signal))
            << agent_.GetLastError();
        EXPECT_EQ(signal->GetY(), (std::vector<double>{static_cast<double>(number), 0.0}));
        EXPECT_EQ(signal->GetTSTSRC(), number == 3 ? "ASCII DATA" : "USER DATA");
    }
    EXPECT_FALSE(agent_.LoadTest(77, std::make_shared<ko::CVehicleTest>()));
    EXPECT_EQ(agent_.GetLastError(),
              "Failure to load test number: 77\nA file with the extension: ev5 was not found.");

    // A FIFO in place of the row's UDS file is passed over, not waited on.
    const auto [evdata, uds] = StoreDirs(1234);
    const std::string udsPath = uds + "/" + GeneratedName(1234, 1);
    std::filesystem::remove(udsPath);
    ASSERT_EQ(::mkfifo(udsPath.c_str(), 0600), 0);
    PutText(evdata + "/v01234_000.001", "7\n8\n");
    auto test = std::make_shared<ko::CVehicleTest>();
    ASSERT_TRUE(agent_.LoadTest(1234, test)) << agent_.GetLastError();
    std::shared_ptr<ko::CNSignal> signal;
    ASSERT_TRUE(agent_.SetTest(test) && agent_.SetCurveNumber(1) && agent_.LoadSignal(signal))
        << agent_.GetLastError();
    EXPECT_EQ(signal->GetY(), (std::vector<double>{7.0, 8.0}));
    EXPECT_EQ(signal->GetTSTSRC(), "ASCII DATA");
    std::filesystem::remove(evdata + "/v01234_000.001");
    EXPECT_FALSE(agent_.SetTest(test) && agent_.SetCurveNumber(1) && agent_.LoadSignal(signal));
    EXPECT_NE(agent_.GetLastError().find(" nor the UDS file " + udsPath + " was found."), std::string::npos)
        << agent_.GetLastError();
}

TEST_F(FileAgent, StoreListSinkAndUnreadableTest)
{
    const auto [evdata, uds] = StoreDirs(5);
    PutEV5(evdata + "/v00005_000.ev5", SampleTest(5), 5);
    const auto broken = StoreDirs(6);
    PutText(broken.first + "/v00006_000.ev5", "# Source: EV5\n----- TEST -----\n1|2\n");
    ASSERT_TRUE(agent_.SetStoreRoot(Dir()));
    std::vector<int> seen;
    agent_.SetVehListSink(
        [&](const std::shared_ptr<ko::veh::CSelection>& row) { seen.push_back(row->GetTSTNO()); });
    // The readable tests are listed; the unreadable ones are named in the list warning.
    EXPECT_TRUE(agent_.LoadTestList(ko::TestKind::Vehicle)) << agent_.GetLastError();
    EXPECT_EQ(seen, (std::vector<int>{5}));
    EXPECT_TRUE(agent_.GetVehTestList().empty());
    const std::string& warning = agent_.GetListWarning();
    EXPECT_EQ(warning.rfind("These tests could not be read and are not listed:\n"
                            "Failure to load test number: 6\n",
                            0),
              0u)
        << warning;
    EXPECT_EQ(warning.find("number: 5"), std::string::npos) << warning;

    PutEV5(broken.first + "/v00006_000.ev5", SampleTest(6), 6);
    EXPECT_TRUE(agent_.LoadTestList(ko::TestKind::Vehicle));
    EXPECT_EQ(seen, (std::vector<int>{5, 5, 6}));
    EXPECT_EQ(agent_.GetListWarning(), "");
}

TEST_F(FileAgent, CodesValuesAndListWithoutStore)
{
    EXPECT_FALSE(agent_.LoadCodes(1, ko::TestKind::Vehicle));
    EXPECT_FALSE(agent_.LoadValues(3));
    EXPECT_NE(agent_.GetValues(), nullptr);
    EXPECT_TRUE(agent_.LoadTestList(ko::TestKind::Vehicle));
    EXPECT_TRUE(agent_.GetVehTestList().empty());
}

}  // namespace
