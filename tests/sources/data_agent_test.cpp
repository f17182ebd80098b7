// SPDX-License-Identifier: GPL-3.0-or-later
#include "sources/data_agent.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "formats/uds_file.h"
#include "test_records.h"

namespace {

using velder_test::MakeBioTest;
using velder_test::MakeComTest;
using velder_test::MakeRow;
using velder_test::MakeVehicleTest;

// An agent whose curves are three fixed points under the base header.
class CFixedAgent : public ko::CDataAgent {
protected:
    void FillVehSignal(ko::CUDSFile& file) override
    {
        file.SetData({0.0, 1e-4, 2e-4}, {1.0, 4.0, 2.0});
        CDataAgent::FillVehSignal(file);
    }
};

// An agent whose fill throws something that is not a standard exception.
class CThrowingAgent : public ko::CDataAgent {
protected:
    void FillVehSignal(ko::CUDSFile&) override { throw 42; }
};

std::shared_ptr<ko::CVehicleTest> VehicleWithCurve(int test, int curve)
{
    auto vehicle = MakeVehicleTest(test);
    vehicle->AddInstrumentation(MakeRow<ko::veh::CInstrumentation>(curve));
    return vehicle;
}

TEST(DataAgent, LoadTestByKind)
{
    CFixedAgent agent;
    EXPECT_TRUE(agent.LoadTest(ko::TestKind::Biomechanics));
    EXPECT_EQ(agent.GetDatabase()->GetKind(), ko::TestKind::Biomechanics);
    ASSERT_NE(agent.GetBioTest(), nullptr);
    EXPECT_EQ(agent.GetBioTest()->GetTest(), nullptr);

    // Collision warning selects the vehicle database and creates nothing.
    EXPECT_TRUE(agent.LoadTest(ko::TestKind::CollisionWarning));
    EXPECT_EQ(agent.GetDatabase()->GetKind(), ko::TestKind::Vehicle);
    EXPECT_EQ(agent.GetVehicleTest(), nullptr);

    EXPECT_FALSE(agent.LoadTest(ko::TestKind::None));
    EXPECT_EQ(agent.GetLastError(), "");
    EXPECT_EQ(agent.GetDatabase()->GetKind(), ko::TestKind::Vehicle);
}

TEST(DataAgent, LoadTestByClass)
{
    CFixedAgent agent;
    EXPECT_FALSE(agent.SetCurveNumber(0));
    EXPECT_NE(agent.GetLastError(), "");
    // A load empties the last-error text first.
    EXPECT_TRUE(agent.LoadTest(12, std::make_shared<ko::CComTest>()));
    EXPECT_EQ(agent.GetLastError(), "");
    EXPECT_EQ(agent.GetTestNumber()->GetNumber(), 12);
    EXPECT_EQ(agent.GetDatabase()->GetKind(), ko::TestKind::Component);
    ASSERT_NE(agent.GetComTest(), nullptr);

    EXPECT_FALSE(agent.LoadTest(std::make_shared<ko::CTestType>()));
    EXPECT_EQ(agent.GetLastError(), "Failure to determine the correct database.");
    EXPECT_FALSE(agent.LoadTest(nullptr));
    EXPECT_EQ(agent.GetLastError(), "Failure to determine the correct database.");
    EXPECT_FALSE(agent.LoadTest(0u, std::make_shared<ko::CVehicleTest>()));
    EXPECT_EQ(agent.GetLastError(), "Test Number: 0 is out of range.  Range 1 to 99999");
}

TEST(DataAgent, NumberRanges)
{
    CFixedAgent agent;
    EXPECT_TRUE(agent.SetTestNumber(99999));
    EXPECT_FALSE(agent.SetTestNumber(100000));
    EXPECT_EQ(agent.GetLastError(), "Test Number: 100000 is out of range.  Range 1 to 99999");
    EXPECT_FALSE(agent.SetTestNumber(4000000000u));
    EXPECT_EQ(agent.GetLastError(), "Test Number: 4000000000 is out of range.  Range 1 to 99999");
    EXPECT_EQ(agent.GetTestNumber()->GetNumber(), 99999);
    EXPECT_FALSE(agent.SetCurveNumber(1000));
    EXPECT_EQ(agent.GetLastError(), "Curve Number: 1000 is out of range.");
    EXPECT_FALSE(agent.SetCurveNumber(3000000000u));
    EXPECT_EQ(agent.GetLastError(), "Curve Number: 3000000000 is out of range.");
    EXPECT_TRUE(agent.SetCurveNumber(999));
    EXPECT_EQ(agent.GetCurveNumber()->GetText(), "999");
}

TEST(DataAgent, MediaChecksAndValueTable)
{
    CFixedAgent agent;
    EXPECT_FALSE(agent.LoadMedia(ko::TestKind::None, ko::MediaKind::Photo, 1, 1));
    EXPECT_EQ(agent.GetLastError(), "Unknown Database");
    EXPECT_FALSE(agent.LoadMedia(ko::TestKind::Vehicle, ko::MediaKind::None, 1, 1));
    EXPECT_EQ(agent.GetLastError(), "Unknown Media");
    EXPECT_FALSE(agent.LoadMedia(ko::TestKind::Vehicle, ko::MediaKind::Photo, 1, 0));
    EXPECT_EQ(agent.GetLastError(), "Invalid Sequence Number");
    EXPECT_TRUE(agent.LoadMedia(ko::TestKind::Vehicle, ko::MediaKind::Video, 1, 2));

    EXPECT_EQ(agent.GetValues(), nullptr);
    EXPECT_TRUE(agent.LoadValues(7));
    ASSERT_NE(agent.GetValues(), nullptr);
    const auto values = agent.GetValues();
    EXPECT_TRUE(agent.LoadValues(3));
    EXPECT_EQ(agent.GetValues(), values);
}

TEST(DataAgent, SetTestCopiesAndSelects)
{
    CFixedAgent agent;
    auto bio = MakeBioTest(3, "H3");
    EXPECT_TRUE(agent.SetTest(bio));
    EXPECT_EQ(agent.GetDatabase()->GetKind(), ko::TestKind::Biomechanics);
    ASSERT_NE(agent.GetBioTest(), nullptr);
    EXPECT_NE(agent.GetBioTest(), bio);
    EXPECT_EQ(agent.GetBioTest()->TestRecord().GetTSTNO(), 3);
    EXPECT_FALSE(agent.SetTest(std::make_shared<ko::CTestType>()));
    EXPECT_EQ(agent.GetLastError(), "Failure to determine the correct database.");
    EXPECT_EQ(agent.GetDatabase()->GetKind(), ko::TestKind::Biomechanics);
    agent.ClearTests();
    EXPECT_EQ(agent.GetBioTest(), nullptr);
}

TEST(DataAgent, LoadSignalInTheDocumentsOrder)
{
    CFixedAgent agent;
    const auto test = VehicleWithCurve(4321, 7);
    std::shared_ptr<ko::CNSignal> signal;
    ASSERT_TRUE(agent.SetTest(test));
    ASSERT_TRUE(agent.SetTestNumber(4321));
    ASSERT_TRUE(agent.SetCurveNumber(7));
    ASSERT_TRUE(agent.LoadSignal(signal)) << agent.GetLastError();
    ASSERT_NE(signal, nullptr);
    EXPECT_EQ(signal->GetTSTNO(), 4321);
    EXPECT_EQ(signal->GetCURNO(), 7);
    EXPECT_EQ(signal->GetTSTSRC(), "VEHICLE DB");
    EXPECT_EQ(signal->GetY(), (std::vector<double>{1.0, 4.0, 2.0}));
    EXPECT_DOUBLE_EQ(signal->GetYMax(), 4.0);
}

TEST(DataAgent, FailuresLeaveAnEmptySignal)
{
    CFixedAgent agent;
    auto previous = std::make_shared<ko::CNSignal>();
    auto signal = previous;
    // No current test of the selected database.
    EXPECT_FALSE(agent.LoadSignal(signal));
    EXPECT_EQ(agent.GetLastError(), "Invalid Vehicle Test");
    ASSERT_NE(signal, nullptr);
    EXPECT_NE(signal, previous);
    EXPECT_TRUE(signal->GetY().empty());

    ASSERT_TRUE(agent.SetTest(VehicleWithCurve(1, 7)));
    ASSERT_TRUE(agent.SetCurveNumber(8));
    EXPECT_FALSE(agent.LoadSignal(signal));
    EXPECT_EQ(agent.GetLastError(), "Curve Number: 8 could not be found in the Intrumentation.");
    EXPECT_TRUE(signal->GetY().empty());

    agent.GetDatabase()->SetKind(ko::TestKind::CollisionWarning);
    ko::CUDSFile file;
    EXPECT_FALSE(agent.FillSignal(file));
    EXPECT_EQ(agent.GetLastError(), "Invalid Database");

    CThrowingAgent throwing;
    ASSERT_TRUE(throwing.SetTest(VehicleWithCurve(1, 7)));
    EXPECT_FALSE(throwing.FillSignal(file));
    EXPECT_EQ(throwing.GetLastError(), "Unknown failure.");
}

TEST(DataAgent, BaseFillsEachDatabase)
{
    CFixedAgent agent;
    auto com = MakeComTest(9);
    com->AddInstrumentation(MakeRow<ko::com::CInstrumentation>(2));
    ASSERT_TRUE(agent.SetTest(com));
    ASSERT_TRUE(agent.SetCurveNumber(2));
    ko::CUDSFile file;
    ASSERT_TRUE(agent.FillSignal(file)) << agent.GetLastError();
    EXPECT_EQ(file.GetTSTSRC(), "COMPONENT DB");
    auto bio = MakeBioTest(10, "HU");
    bio->AddInstrumentation(MakeRow<ko::bio::CInstrumentation>(2));
    ASSERT_TRUE(agent.SetTest(bio));
    ASSERT_TRUE(agent.FillSignal(file)) << agent.GetLastError();
    EXPECT_EQ(file.GetTSTSRC(), "BIOMECHANICS DB");
    EXPECT_EQ(file.GetAIS(), "0");
}

}  // namespace
