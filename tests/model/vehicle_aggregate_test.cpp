// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "model/vehicle_test.h"
#include "tests/model/fails_with.h"

namespace ko {
namespace {

std::shared_ptr<veh::CInstrumentation> Curve(int curveNumber, const std::string& sensorType = "AC")
{
    auto row = std::make_shared<veh::CInstrumentation>();
    row->SetCURNO(curveNumber);
    row->SetSENTYP(sensorType);
    return row;
}

std::shared_ptr<veh::COccupant> Occupant(int vehicleNumber, const std::string& location)
{
    auto occupant = std::make_shared<veh::COccupant>();
    occupant->SetVEHNO(vehicleNumber);
    occupant->SetOCCLOC(location);
    return occupant;
}

TEST(VehicleTest, EveryForwarderFailsWithoutATestRecord)
{
    CVehicleTest test;
    const std::string noRecord = "Invalid Vehicle Test";
    KO_VEH_TEST_COLUMNS(KO_EXPECT_FORWARDER_FAILS, KO_EXPECT_FORWARDER_FAILS)
    EXPECT_TRUE(FailsWith<ko::CFailure>([&] { test.TestRecord(); }, noRecord));
}

TEST(VehicleTest, ForwardersReachTheTestRecord)
{
    CVehicleTest test;
    auto record = std::make_shared<veh::CTest>();
    test.SetTest(record);
    test.SetTITLE("FRONTAL");
    test.SetCLSSPD(56.3);
    test.SetSECURITY("PUBLIC");
    EXPECT_EQ(record->GetTITLE(), "FRONTAL");
    EXPECT_EQ(test.GetCLSSPD(), 56.3);
    EXPECT_EQ(record->GetSECURITY(), "PUBLIC");
    EXPECT_THROW(test.SetTSTNO(0), std::out_of_range);
}

TEST(VehicleTest, SetTestNumberReportsLoadAndRangeFailures)
{
    CVehicleTest test;
    EXPECT_FALSE(test.SetTestNumber(5));
    EXPECT_EQ(test.GetLastError(),
              "Failure to load test number: 5\n\rPlease check:\n\r1. If TRACK.STATUS (PRODUCTION/HOLDING) "
              "consists with info in INST/H_INST table.2. If UDS files exist.\n\r");
    test.SetTest(std::make_shared<veh::CTest>());
    EXPECT_TRUE(test.SetTestNumber(77));
    EXPECT_EQ(test.GetTSTNO(), 77);
    EXPECT_FALSE(test.SetTestNumber(0));
    EXPECT_EQ(test.GetLastError(), "Test Number: 0 is out of range.  Range 1 to 99999");
    EXPECT_EQ(test.GetTSTNO(), 77);
}

TEST(VehicleTest, NullBarrierIsRefusedAndTheOldOneKept)
{
    CVehicleTest test;
    auto barrier = std::make_shared<veh::CBarrier>();
    test.SetBarrier(barrier);
    EXPECT_TRUE(
        FailsWith<std::invalid_argument>([&] { test.SetBarrier(nullptr); }, "barrier is pointer is invalid"));
    EXPECT_EQ(test.GetBarrier(), barrier);
}

TEST(VehicleTest, CountsFollowTheListsWhileTheTestRecordExists)
{
    CVehicleTest test;
    test.AddInstrumentation(Curve(1));
    auto record = std::make_shared<veh::CTest>();
    record->SetTOTCRV(40);
    test.SetTest(record);
    EXPECT_EQ(record->GetTOTCRV(), 40);  // setting the record changes nothing in it
    test.AddInstrumentation(Curve(2));
    EXPECT_EQ(record->GetTOTCRV(), 2);
    test.SetInstrumentations({Curve(1), Curve(2), Curve(3)});
    EXPECT_EQ(record->GetTOTCRV(), 3);
    test.SetVehicles({std::make_shared<veh::CVehicle>(), std::make_shared<veh::CVehicle>()});
    test.AddOccupant(Occupant(1, "01"));
    EXPECT_EQ(record->GetVehicleCount(), 2);
    EXPECT_EQ(record->GetOccupantCount(), 1);
    test.ClearVehicles();
    test.ClearInstrumentations();
    EXPECT_EQ(record->GetVehicleCount(), 0);
    EXPECT_EQ(record->GetTOTCRV(), 0);
    EXPECT_EQ(record->GetOccupantCount(), 1);
    EXPECT_THROW(test.AddOccupant(nullptr), std::invalid_argument);
    EXPECT_THROW(test.SetInstrumentations({Curve(4), nullptr}), std::invalid_argument);
    EXPECT_EQ(record->GetOccupantCount(), 1);
    EXPECT_TRUE(test.GetInstrumentations().empty());
}

TEST(VehicleTest, LookupsReturnTheFirstInLoadOrder)
{
    CVehicleTest test;
    test.SetInstrumentations({Curve(3, "FIRST"), Curve(7, "SECOND"), Curve(7, "THIRD")});
    EXPECT_EQ(test.GetInstrumentation(7)->GetSENTYP(), "SECOND");
    auto first = Occupant(2, "01");
    test.SetOccupants({first, Occupant(2, "01")});
    EXPECT_EQ(test.GetOccupant(2, "01"), first);
    auto restraint = std::make_shared<veh::CRestraint>();
    restraint->SetVEHNO(1);
    restraint->SetOCCLOC("03");
    restraint->SetRSTNO(2);
    test.AddRestraint(restraint);
    EXPECT_EQ(test.GetRestraint(1, "03", 2), restraint);
    auto vehicle = std::make_shared<veh::CVehicle>();
    vehicle->SetVEHNO(2);
    test.AddVehicle(vehicle);
    EXPECT_EQ(test.GetVehicle(2), vehicle);
}

TEST(VehicleTest, LookupMissesNameTheirKeys)
{
    CVehicleTest test;
    test.AddInstrumentation(Curve(3));
    test.AddOccupant(Occupant(2, "01"));
    const std::string occupant = " could not be found in the Occupant object.";
    EXPECT_TRUE(FailsWith<ko::CFailure>([&] { test.GetInstrumentation(7); },
                                        "Curve Number: 7 could not be found in the Intrumentation."));
    EXPECT_TRUE(FailsWith<ko::CFailure>([&] { test.GetOccupant(1, "01"); },
                                        "Vehicle Number: 1 and Occupant Location: 01" + occupant));
    EXPECT_TRUE(FailsWith<ko::CFailure>([&] { test.GetOccupant(2, "1"); },
                                        "Vehicle Number: 2 and Occupant Location: 1" + occupant));
    EXPECT_TRUE(FailsWith<ko::CFailure>(
        [&] { test.GetRestraint(1, "01", 4); },
        "Vehicle Number: 1 and Occupant Location: 01 and Restraint Number: 4" + occupant));
    EXPECT_TRUE(FailsWith<ko::CFailure>([&] { test.GetVehicle(9); },
                                        "Vehicle Number: 9 could not be found in the Vehicle object."));
}

TEST(VehicleTest, CopiesShareRecordsAndDatabase)
{
    CVehicleTest test;
    test.SetTest(std::make_shared<veh::CTest>());
    test.AddInstrumentation(Curve(1));
    CVehicleTest copy = test;
    EXPECT_EQ(copy.GetTest(), test.GetTest());
    EXPECT_EQ(copy.GetInstrumentations()[0], test.GetInstrumentations()[0]);
    EXPECT_EQ(copy.GetDatabase(), test.GetDatabase());
    copy.AddInstrumentation(Curve(2));
    EXPECT_EQ(test.GetInstrumentations().size(), 1u);

    // Lists are shared until one side changes them, whichever side that is.
    test.AddIntrusion(std::make_shared<veh::CIntrusion>());
    CVehicleTest second = test;
    test.AddIntrusion(std::make_shared<veh::CIntrusion>());
    test.SetInstrumentations({Curve(7), Curve(8), Curve(9)});
    EXPECT_EQ(second.GetIntrusions().size(), 1u);
    EXPECT_EQ(second.GetInstrumentations().size(), 1u);
    EXPECT_EQ(test.GetInstrumentations().size(), 3u);
    CVehicleTest third = second;
    second.ClearInstrumentations();
    EXPECT_TRUE(second.GetInstrumentations().empty());
    ASSERT_EQ(third.GetInstrumentations().size(), 1u);
    EXPECT_EQ(third.GetInstrumentation(1), copy.GetInstrumentations()[0]);
}

}  // namespace
}  // namespace ko
