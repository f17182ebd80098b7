// SPDX-License-Identifier: GPL-3.0-or-later
// The sample store: every file reads back through the format readers, the
// curves are physically plausible, and two runs write the same bytes.
#include "samples/sample_store.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <set>

#include "formats/directory.h"
#include "formats/ev5_biomechanics.h"
#include "formats/ev5_component.h"
#include "formats/ev5_vehicle.h"
#include "formats/file.h"
#include "formats/file_name.h"
#include "formats/ip5_file.h"
#include "formats/points.h"
#include "formats/uds_file.h"
#include "tests/support/temp_dir_test.h"

namespace {

namespace fs = std::filesystem;
using testsupport::Bytes;

// One curve as read back: y values and the header's time step.
struct CCurve {
    std::vector<double> y;
    double step = 0.0;
    std::string status;
};

// One store for the whole suite (writing it is the slow part).
class SampleStoreTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        // ctest runs every test in a process of its own, side by side.
        dir_ = fs::temp_directory_path() / ("velder_sample_store_" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        written_ = ko::WriteSampleStore(dir_.string());
    }
    static void TearDownTestSuite() { fs::remove_all(dir_); }

    std::string Directory(ko::TestKind kind, int number, bool uds) const
    {
        ko::CDirectory directory;
        directory.SetPathStyle(ko::CDirectory::kSlashStyle);
        directory.SetRoot(dir_.string());
        directory.SetDatabase(kind);
        directory.SetTestNumber(number);
        return uds ? directory.GetUDSDirectory() : directory.GetEVDataDirectory();
    }

    // The test file of the test, found as the file agent finds it.
    std::string TestText(ko::TestKind kind, int number, const std::string& extension) const
    {
        ko::CFile file;
        file.SetDirectory(Directory(kind, number, false));
        std::string name;
        file.FindByExtension(extension, name);
        file.ReadAll();
        return file.GetContents();
    }

    // Every curve of a test read back from its UDS file (rows with data only).
    template <class Test>
    std::map<int, CCurve> UDSCurves(const Test& test, ko::TestKind kind, int number) const
    {
        std::map<int, CCurve> curves;
        for (const auto& row : test.GetInstrumentations()) {
            if (row->GetDASTAT() == "NO") continue;
            ko::CFileName name;  // an EV5 file has no SIGNALNAME: the generated name must match
            name.SetDatabase(test.GetDatabase()->GetName());
            name.SetTestNumber(number);
            name.SetCurveNumber(row->GetCURNO());
            name.SetQuantity(row->GetYUNITS());
            name.SetStatus(row->GetDASTAT());
            name.SetFilter(0.0);
            if (!row->GetSIGNALNAME().empty()) {
                EXPECT_EQ(row->GetSIGNALNAME(), name.GetUDSName());
            }
            ko::CUDSFile file;
            file.Read(Directory(kind, number, true) + "/" + name.GetUDSName());
            EXPECT_EQ(file.GetCURNO(), row->GetCURNO());
            EXPECT_EQ(file.GetTSTNO(), number);
            EXPECT_EQ(file.GetNFP(), row->GetNFP());
            EXPECT_EQ(static_cast<int>(file.GetPointCount()), row->GetNLP() - row->GetNFP() + 1);
            EXPECT_FLOAT_EQ(file.GetDEL(), static_cast<float>(row->GetDELT() * 1e-6));
            curves[row->GetCURNO()] = {file.GetY(), file.GetDEL(), file.GetSTATUS()};
        }
        return curves;
    }

    static inline fs::path dir_;
    static inline std::vector<std::string> written_;
};

// Change of speed in km/h: the integral of an acceleration in G's.
double SpeedChange(const CCurve& curve)
{
    double sum = 0.0;
    for (double y : curve.y) sum += y;
    return -sum * curve.step * 9.80665 * 3.6;
}

TEST_F(SampleStoreTest, VehicleTestsReadBackWithTheirCurves)
{
    const std::map<int, std::pair<std::string, std::size_t>> tests{
        {101, {"e5x", 18}}, {102, {"ev5", 16}}, {103, {"e5x", 21}}};
    std::set<std::string> statuses;
    for (const auto& [number, expected] : tests) {
        auto test = std::make_shared<ko::CVehicleTest>();
        const std::string text = TestText(ko::TestKind::Vehicle, number, expected.first);
        if (expected.first == "e5x")
            ko::CEV5VehExt(test, number).Read(text);
        else
            ko::CEV5Veh(test, number).Read(text);
        ASSERT_EQ(test->GetInstrumentations().size(), expected.second) << number;
        EXPECT_EQ(test->GetTest()->GetTOTCRV(), static_cast<int>(expected.second));
        for (const auto& row : test->GetInstrumentations()) statuses.insert(row->GetDASTAT());
        const auto curves = UDSCurves(*test, ko::TestKind::Vehicle, number);
        EXPECT_NEAR(SpeedChange(curves.at(1)), 56.0 * (number == 103 ? 1840.0 / 3460.0 * 2.0 : 1.0), 0.5);
        EXPECT_NEAR(SpeedChange(curves.at(7)), SpeedChange(curves.at(1)), 0.5);  // the driver's chest
    }
    EXPECT_EQ(statuses, (std::set<std::string>{"AM", "CF", "CM", "NO", "QD"}));
}

TEST_F(SampleStoreTest, CarIntoCarChannelStatuses)
{
    auto test = std::make_shared<ko::CVehicleTest>();
    ko::CEV5VehExt(test, 103).Read(TestText(ko::TestKind::Vehicle, 103, "e5x"));
    EXPECT_EQ(test->GetVehicles().size(), 2u);
    const auto curves = UDSCurves(*test, ko::TestKind::Vehicle, 103);
    EXPECT_EQ(curves.size(), 20u);  // curve 18 has no data and no file
    EXPECT_EQ(curves.count(18), 0u);
    EXPECT_EQ(curves.at(11).status, "QUESTIONABLE DATA");
    const auto [low, high] = std::minmax_element(curves.at(11).y.begin(), curves.at(11).y.end());
    EXPECT_FLOAT_EQ(*low, -2500.0f);  // the saturated femur
    EXPECT_EQ(curves.at(16).status, "CHANNEL FAILED");
    for (double y : curves.at(16).y) ASSERT_NEAR(y, -2.1, 1.0);
    EXPECT_EQ(curves.at(21).status, "COMPUTED");
    for (std::size_t i = 0; i < curves.at(21).y.size(); i += 97) {
        const double x = curves.at(4).y[i], y = curves.at(5).y[i], z = curves.at(6).y[i];
        EXPECT_NEAR(curves.at(21).y[i], std::sqrt(x * x + y * y + z * z), 1e-3);
    }
    EXPECT_NEAR(SpeedChange(curves.at(19)), 112.0 * 1620.0 / 3460.0, 0.5);  // the second car
}

TEST_F(SampleStoreTest, TextCurvesAndIntrusions)
{
    auto test = std::make_shared<ko::CVehicleTest>();
    ko::CEV5Veh(test, 104).Read(TestText(ko::TestKind::Vehicle, 104, "ev5"));
    ASSERT_EQ(test->GetInstrumentations().size(), 18u);
    EXPECT_FALSE(fs::exists(Directory(ko::TestKind::Vehicle, 104, true)) &&
                 !fs::is_empty(Directory(ko::TestKind::Vehicle, 104, true)));
    ko::CFile file;
    file.SetDirectory(Directory(ko::TestKind::Vehicle, 104, false));
    file.SetKind(ko::CFile::kCurveInExtension);
    for (const auto& row : test->GetInstrumentations()) {
        std::string name;
        file.FindByCurveExtension(row->GetCURNO(), name);
        ko::CPoints points;
        points.ReadFile(file.GetDirectory() + name);
        ASSERT_EQ(static_cast<int>(points.size()), row->GetNLP() - row->GetNFP() + 1) << name;
        EXPECT_NEAR(points[0]->x, row->GetNFP() * row->GetDELT() * 1e-6, 1e-9);
        if (row->GetCURNO() == 1) {
            CCurve curve{{}, 1e-4, ""};
            for (const auto& point : points) curve.y.push_back(point->y);
            EXPECT_NEAR(SpeedChange(curve), 64.0, 0.5);
        }
    }
    ko::CIP5File intrusions(104);
    intrusions.Read(TestText(ko::TestKind::Vehicle, 104, "ip5"));
    ASSERT_EQ(intrusions.GetIntrusions().size(), 6u);
    EXPECT_EQ(intrusions.GetIntrusions()[0]->GetIPLOC(), "STEERING COLUMN");
    EXPECT_EQ(intrusions.GetIntrusions()[0]->GetTSTNO(), 104);
}

TEST_F(SampleStoreTest, ComponentAndBiomechanicsTests)
{
    auto sled = std::make_shared<ko::CComTest>();
    ko::CEV5ComExt(sled, 201).Read(TestText(ko::TestKind::Component, 201, "e5x"));
    EXPECT_EQ(UDSCurves(*sled, ko::TestKind::Component, 201).size(), 5u);
    auto tilt = std::make_shared<ko::CComTest>();
    ko::CEV5Com(tilt, 202).Read(TestText(ko::TestKind::Component, 202, "ev5"));
    ASSERT_TRUE(tilt->GetRollover());
    EXPECT_EQ(tilt->GetRollover()->GetSTAR(), 4);
    const auto tilted = UDSCurves(*tilt, ko::TestKind::Component, 202);
    EXPECT_NEAR(tilted.at(1).y.back(), 48.0, 0.3);  // the table angle at the end

    auto dummy = std::make_shared<ko::CBioTest>();
    ko::CEV5BioExt(dummy, 301).Read(TestText(ko::TestKind::Biomechanics, 301, "e5x"));
    ASSERT_TRUE(dummy->GetDummyOccupant());
    EXPECT_FALSE(dummy->GetBiologicalOccupant());
    EXPECT_NEAR(SpeedChange(UDSCurves(*dummy, ko::TestKind::Biomechanics, 301).at(1)), 48.0, 0.5);
    auto human = std::make_shared<ko::CBioTest>();
    ko::CEV5Bio(human, 302).Read(TestText(ko::TestKind::Biomechanics, 302, "ev5"));
    ASSERT_TRUE(human->GetBiologicalOccupant() && human->GetAnthropometric());
    EXPECT_EQ(human->GetTest()->GetOCCTYP(), "CD");
    EXPECT_EQ(human->GetAnthropometric()->GetSTATUR(), 1760);
    EXPECT_EQ(human->GetRibBendings().size(), 3u);
    EXPECT_EQ(human->GetInjuries().size(), 3u);
    ASSERT_EQ(human->GetChestBandGauges().size(), 3u);
    const auto curves = UDSCurves(*human, ko::TestKind::Biomechanics, 302);
    for (const auto& gauge : human->GetChestBandGauges()) EXPECT_EQ(curves.count(gauge->GetCURNO()), 1u);
}

TEST_F(SampleStoreTest, SameBytesOnEveryRunAndNothingElseLeft)
{
    std::vector<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(dir_))
        if (entry.is_regular_file()) files.push_back(entry.path().string());
    EXPECT_EQ(files.size(), written_.size());  // no temporary files left behind
    std::map<std::string, std::vector<unsigned char>> first;
    for (const std::string& path : written_) first[path] = Bytes(path);
    const auto again = ko::WriteSampleStore(dir_.string());  // over the first store
    ASSERT_EQ(again, written_);
    for (const std::string& path : written_) EXPECT_EQ(Bytes(path), first[path]) << path;
    // The headers carry the test date, not the day of writing.
    EXPECT_EQ(TestText(ko::TestKind::Vehicle, 102, "ev5").substr(0, 35),
              "# Source: EV5\n# Date: <04/21/2004>\n");
    EXPECT_EQ(ko::SampleStoreContents().size(), 8u);
}

}  // namespace
