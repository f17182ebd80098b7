// SPDX-License-Identifier: GPL-3.0-or-later
#include "sources/header_filler.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "formats/points.h"
#include "formats/uds_file.h"
#include "sources/header_blocks.h"
#include "test_records.h"

namespace {

using velder_test::MakeBioTest;
using velder_test::MakeComTest;
using velder_test::MakeRow;
using velder_test::MakeVehicleTest;

std::shared_ptr<ko::veh::CVehicle> MakeVehicle(int number)
{
    auto vehicle = std::make_shared<ko::veh::CVehicle>();
    vehicle->SetVEHNO(number);
    vehicle->SetMAKE("FORD");
    vehicle->SetMAKED("FORD MOTOR");
    vehicle->SetMODEL("TAU");
    vehicle->SetMODELD("");
    vehicle->SetYEAR(1998);
    vehicle->SetBODY("4S");
    vehicle->SetBODYD("FOUR DOOR SEDAN");
    vehicle->SetENGINE("4CTF");
    vehicle->SetENGINED("");
    vehicle->SetVEHTWT(1650);
    vehicle->SetVEHSPD(56.0);
    vehicle->SetVEHCOM("PRODUCTION");
    return vehicle;
}

std::shared_ptr<ko::veh::CBarrier> MakeBarrier()
{
    auto barrier = std::make_shared<ko::veh::CBarrier>();
    barrier->SetBARRIG("R");
    barrier->SetBARRIGD("RIGID");
    barrier->SetBARSHP("FLB");
    barrier->SetBARSHPD("");
    barrier->SetBARCOM("LOAD CELL WALL");
    return barrier;
}

std::shared_ptr<ko::veh::COccupant> MakeOccupant(int vehicle, const std::string& location)
{
    auto occupant = std::make_shared<ko::veh::COccupant>();
    occupant->SetVEHNO(vehicle);
    occupant->SetOCCLOC(location);
    occupant->SetOCCTYP("H3");
    occupant->SetOCCAGE(35);
    occupant->SetOCCSEX("M");
    occupant->SetOCCWT(78);
    occupant->SetDUMSIZ("50");
    occupant->SetHIC(512);
    occupant->SetT1(0.061);
    occupant->SetT2(0.075);
    occupant->SetCLIP3M(44.5);
    occupant->SetCSI(300);
    return occupant;
}

ko::CUDSFile VehicleHeader(const ko::CVehicleTest& test, int curve)
{
    ko::CUDSFile file;
    ko::FillVehHeader(file, test, curve);
    return file;
}

TEST(VehicleHeader, CurveFieldsFromTheRow)
{
    auto test = MakeVehicleTest(4321);
    auto row = MakeRow<ko::veh::CInstrumentation>(7);
    row->SetSENLOC("01");
    test->AddInstrumentation(row);
    const ko::CUDSFile file = VehicleHeader(*test, 7);
    EXPECT_EQ(file.GetTSTSRC(), "VEHICLE DB");
    EXPECT_EQ(file.GetTSTNO(), 4321);
    EXPECT_EQ(file.GetTSTNAM(), "4321");
    EXPECT_EQ(file.GetTITLE(), "FRONTAL IMPACT");
    EXPECT_EQ(file.GetTSTCFN(), "VTB");
    EXPECT_EQ(file.GetIMPANG(), 15);
    EXPECT_FLOAT_EQ(file.GetCLSSPD(), 56.3f);
    EXPECT_EQ(file.GetCURNO(), 7);
    EXPECT_EQ(file.GetCURNAM(), "7");
    EXPECT_EQ(file.GetSENLOC(), "01");
    EXPECT_EQ(file.GetAXIS(), "XG");
    EXPECT_EQ(file.GetDESC(), "HEAD X");
    EXPECT_EQ(file.GetNLP(), 2);
    EXPECT_FLOAT_EQ(file.GetINIVEL(), 12.5f);
    EXPECT_FLOAT_EQ(file.GetPREFIL(), 1650.0f);
    EXPECT_FLOAT_EQ(file.GetSCLFAC(), 2.0f);
}

TEST(VehicleHeader, DescriptionElseCode)
{
    auto test = MakeVehicleTest(1);
    auto coded = MakeRow<ko::veh::CInstrumentation>(1);
    auto described = MakeRow<ko::veh::CInstrumentation>(2);
    described->SetSENATTD("HEAD CG");
    described->SetYUNITSD("G");
    described->SetXUNITSD("SECONDS");
    described->SetDASTATD("AS MEASURED");
    test->AddInstrumentation(coded);
    test->AddInstrumentation(described);
    const ko::CUDSFile first = VehicleHeader(*test, 1);
    EXPECT_EQ(first.GetSENATT(), "HDCG");
    EXPECT_EQ(first.GetYUNITS(), "G'S");
    EXPECT_EQ(first.GetXUNITS(), "SEC");
    EXPECT_EQ(first.GetSTATUS(), "AM");
    EXPECT_EQ(first.GetTSTPRF(), "TRC");
    test->TestRecord().SetTSTPRFD("TRANSPORTATION RESEARCH");
    const ko::CUDSFile second = VehicleHeader(*test, 2);
    EXPECT_EQ(second.GetSENATT(), "HEAD CG");
    EXPECT_EQ(second.GetYUNITS(), "G");
    EXPECT_EQ(second.GetXUNITS(), "SECONDS");
    EXPECT_EQ(second.GetSTATUS(), "AS MEASURED");
    EXPECT_EQ(second.GetTSTPRF(), "TRANSPORTATION RESEARCH");
}

TEST(VehicleHeader, DataFormAndTimeStep)
{
    auto test = MakeVehicleTest(1);
    test->AddInstrumentation(MakeRow<ko::veh::CInstrumentation>(1, "AM", 0.0));
    test->AddInstrumentation(MakeRow<ko::veh::CInstrumentation>(2, "AM", 125.0));
    const ko::CUDSFile xy = VehicleHeader(*test, 1);
    EXPECT_EQ(xy.GetFILEFORM(), "X-Y");
    EXPECT_EQ(xy.GetCHANFORM(), "X-Y");
    EXPECT_FLOAT_EQ(xy.GetDEL(), 0.0f);
    const ko::CUDSFile y = VehicleHeader(*test, 2);
    EXPECT_EQ(y.GetFILEFORM(), "Y");
    EXPECT_EQ(y.GetCHANFORM(), "Y");
    EXPECT_FLOAT_EQ(y.GetDEL(), 125e-6f);
}

// CURTYP is set only for XTYPE "TIME" with XUNITS exactly "SEC"; the vehicle
// loader supplies an empty XTYPE from XUNITS "SEC" or XUNITSD "SECONDS".
TEST(VehicleHeader, TimeAndSecondsAreExact)
{
    struct Case {
        std::string xtype, xunits, xunitsd, curtyp, resultType;
    };
    const std::vector<Case> cases = {
        {"TIME", "SEC", "", "TIME SERIES", "TIME"},
        {"TIME", "SECONDS", "", "", "TIME"},
        {"TIME", "sec", "", "", "TIME"},
        {"time", "SEC", "", "", "time"},
        {"", "SEC", "", "", "TIME"},
        {"", "S", "SECONDS", "", "TIME"},
        {"", "S", "Seconds", "", ""},
        {"DISTANCE", "SEC", "", "", "DISTANCE"},
    };
    for (const Case& c : cases) {
        auto test = MakeVehicleTest(1);
        auto row = MakeRow<ko::veh::CInstrumentation>(1);
        row->SetXTYPE(c.xtype);
        row->SetXUNITS(c.xunits);
        row->SetXUNITSD(c.xunitsd);
        test->AddInstrumentation(row);
        ko::CUDSFile file;
        file.SetCURTYP("");
        ko::FillVehHeader(file, *test, 1);
        EXPECT_EQ(file.GetCURTYP(), c.curtyp) << c.xtype << "/" << c.xunits;
        EXPECT_EQ(file.GetXTYPE(), c.resultType) << c.xtype << "/" << c.xunits << "/" << c.xunitsd;
    }
}

TEST(VehicleHeader, BarrierWhenVehicleNumberIsZero)
{
    auto test = MakeVehicleTest(1);
    test->SetBarrier(MakeBarrier());
    test->AddVehicle(MakeVehicle(1));
    auto barrierRow = MakeRow<ko::veh::CInstrumentation>(1);
    barrierRow->SetVEHNO(0);
    auto vehicleRow = MakeRow<ko::veh::CInstrumentation>(2);
    vehicleRow->SetVEHNO(1);
    test->AddInstrumentation(barrierRow);
    test->AddInstrumentation(vehicleRow);

    const ko::CUDSFile barrier = VehicleHeader(*test, 1);
    EXPECT_EQ(barrier.GetVehicleNumber1(), 0);
    EXPECT_EQ(barrier.GetMake1(), "RIGID");
    EXPECT_EQ(barrier.GetModel1(), "FLB");
    EXPECT_EQ(barrier.GetCD2(), "LOAD CELL WALL");
    EXPECT_EQ(barrier.GetYear1(), 0);
    EXPECT_EQ(barrier.GetBodyType1(), "");
    EXPECT_FLOAT_EQ(barrier.GetVehicleWeight1(), 0.0f);

    const ko::CUDSFile vehicle = VehicleHeader(*test, 2);
    EXPECT_EQ(vehicle.GetVehicleNumber1(), 1);
    EXPECT_EQ(vehicle.GetMake1(), "FORD MOTOR");
    EXPECT_EQ(vehicle.GetModel1(), "TAU");
    EXPECT_EQ(vehicle.GetYear1(), 1998);
    EXPECT_EQ(vehicle.GetBodyType1(), "FOUR DOOR SEDAN");
    EXPECT_EQ(vehicle.GetEngineType1(), "4CTF");
    EXPECT_FLOAT_EQ(vehicle.GetVehicleWeight1(), 1650.0f);
    EXPECT_FLOAT_EQ(vehicle.GetVEHSPD1(), 56.0f);
    EXPECT_EQ(vehicle.GetCD2(), "PRODUCTION");
}

TEST(VehicleHeader, BarrierWithoutVehiclesAndNothingWithoutBarrier)
{
    auto test = MakeVehicleTest(1);
    auto row = MakeRow<ko::veh::CInstrumentation>(1);
    row->SetVEHNO(2);
    test->AddInstrumentation(row);
    ko::CUDSFile file;
    file.SetMake1("STALE");
    ko::FillVehHeader(file, *test, 1);
    EXPECT_EQ(file.GetMake1(), "");
    EXPECT_EQ(file.GetCD2(), "");
    test->SetBarrier(MakeBarrier());
    EXPECT_EQ(VehicleHeader(*test, 1).GetMake1(), "RIGID");
    // A vehicle number the test does not hold leaves the block empty.
    test->AddVehicle(MakeVehicle(1));
    EXPECT_EQ(VehicleHeader(*test, 1).GetMake1(), "");
}

TEST(VehicleHeader, OccupantAtTheRowsSeat)
{
    auto test = MakeVehicleTest(1);
    test->AddOccupant(MakeOccupant(1, "02"));
    test->AddOccupant(MakeOccupant(1, "01"));
    test->AddOccupant(MakeOccupant(1, "NA"));
    test->GetOccupants()[0]->SetOCCTYP("H2");
    auto row = MakeRow<ko::veh::CInstrumentation>(1);
    row->SetVEHNO(1);
    row->SetSENLOC("01");
    test->AddInstrumentation(row);
    const ko::CUDSFile file = VehicleHeader(*test, 1);
    EXPECT_EQ(file.GetType1(), "H3");
    EXPECT_EQ(file.GetAge1(), 35);
    EXPECT_EQ(file.GetSex1(), "M");
    EXPECT_FLOAT_EQ(file.GetWeight1(), 78.0f);
    EXPECT_EQ(file.GetSize1(), "50");
    EXPECT_FLOAT_EQ(file.GetHIC(), 512.0f);
    EXPECT_FLOAT_EQ(file.GetT1(), 0.061f);
    EXPECT_FLOAT_EQ(file.GetT2(), 0.075f);
    EXPECT_FLOAT_EQ(file.GetCLIP3M(), 44.5f);
    EXPECT_FLOAT_EQ(file.GetCSI(), 300.0f);

    // "NA" and "OT" clear the block even where an occupant record has that location.
    for (const char* location : {"NA", "OT"}) {
        row->SetSENLOC(location);
        const ko::CUDSFile none = VehicleHeader(*test, 1);
        EXPECT_EQ(none.GetType1(), "") << location;
        EXPECT_EQ(none.GetAge1(), 0) << location;
        EXPECT_FLOAT_EQ(none.GetHIC(), 0.0f) << location;
        EXPECT_EQ(none.GetSENLOC(), location);
    }
}

TEST(VehicleHeader, FailuresNameTheMissingRecord)
{
    auto test = MakeVehicleTest(1);
    ko::CUDSFile file;
    EXPECT_THROW(ko::FillVehHeader(file, *test, 3), std::logic_error);
    EXPECT_THROW(ko::FillVehHeader(file, ko::CVehicleTest(), 3), std::logic_error);
}

TEST(BioHeader, BiologicalOccupantAndRestraints)
{
    auto test = MakeBioTest(88, "CD");
    auto row = MakeRow<ko::bio::CInstrumentation>(5);
    row->SetSENLOC("HD");
    test->AddInstrumentation(row);
    auto occupant = std::make_shared<ko::bio::CBiologicalOccupant>();
    occupant->SetOCCAGE(61);
    occupant->SetBOCCSEX("F");
    occupant->SetOCCWT(57);
    test->SetBiologicalOccupant(occupant);
    auto gauge = std::make_shared<ko::bio::CChestBandGauge>();
    gauge->SetBANDNO(2);
    gauge->SetGAGENO(14);
    gauge->SetCURNO(5);
    test->AddChestBandGauge(gauge);
    auto belt = std::make_shared<ko::bio::CRestraint>();
    belt->SetRSTTYP("3PT");
    belt->SetRSTTYPD("THREE POINT BELT");
    test->AddRestraint(belt);
    auto injury = std::make_shared<ko::bio::COccupantInjury>();
    injury->SetAIS("4");
    test->AddInjury(injury);

    ko::CUDSFile file;
    ko::FillBioHeader(file, *test, 5);
    EXPECT_EQ(file.GetTSTSRC(), "BIOMECHANICS DB");
    EXPECT_EQ(file.GetTSTPRF(), "UMTRI");
    EXPECT_EQ(file.GetSENLOC(), "HD");
    EXPECT_EQ(file.GetBANDNO(), 2);
    EXPECT_EQ(file.GetGAGNO(), 14);
    EXPECT_EQ(file.GetType1(), "CD");
    EXPECT_EQ(file.GetAge1(), 61);
    EXPECT_EQ(file.GetSex1(), "F");
    EXPECT_FLOAT_EQ(file.GetWeight1(), 57.0f);
    EXPECT_EQ(file.GetAIS(), "4");
    EXPECT_EQ(file.GetFirstRestraint1(), "THREE POINT BELT");
    EXPECT_EQ(file.GetSecondRestraint1(), "");
}

TEST(BioHeader, DummyOccupantAndNoGauge)
{
    auto test = MakeBioTest(88, "H3");
    test->AddInstrumentation(MakeRow<ko::bio::CInstrumentation>(5));
    ko::CUDSFile file;
    ko::FillBioHeader(file, *test, 5);
    EXPECT_EQ(file.GetType1(), "H3");
    EXPECT_EQ(file.GetSex1(), "");
    EXPECT_FLOAT_EQ(file.GetHIC(), 0.0f);
    EXPECT_EQ(file.GetBANDNO(), 0);
    EXPECT_EQ(file.GetFirstRestraint1(), "");
    EXPECT_EQ(file.GetAIS(), "");

    auto dummy = std::make_shared<ko::bio::CDummyOccupant>();
    dummy->SetDOCCSEX("M");
    dummy->SetDCOMPWT(80);
    dummy->SetDUMSIZ("50");
    dummy->SetHIC(700);
    dummy->SetCLIP3M(51.5);
    dummy->SetCSI(410);
    test->SetDummyOccupant(dummy);
    for (const char* type : {"AIR", "PAD"}) {
        auto restraint = std::make_shared<ko::bio::CRestraint>();
        restraint->SetRSTTYP(type);
        test->AddRestraint(restraint);
    }
    ko::FillBioHeader(file, *test, 5);
    EXPECT_EQ(file.GetSex1(), "M");
    EXPECT_FLOAT_EQ(file.GetWeight1(), 80.0f);
    EXPECT_EQ(file.GetSize1(), "50");
    EXPECT_FLOAT_EQ(file.GetHIC(), 700.0f);
    EXPECT_FLOAT_EQ(file.GetCLIP3M(), 51.5f);
    EXPECT_FLOAT_EQ(file.GetCSI(), 410.0f);
    EXPECT_EQ(file.GetFirstRestraint1(), "AIR");
    EXPECT_EQ(file.GetSecondRestraint1(), "PAD");
}

TEST(BioHeader, HighestAIS)
{
    auto injuries = [](std::vector<std::string> values) {
        ko::CRecordList<ko::bio::COccupantInjury> rows;
        for (const auto& value : values) {
            rows.push_back(std::make_shared<ko::bio::COccupantInjury>());
            rows.back()->SetAIS(value);
        }
        return ko::HighestAIS(rows);
    };
    EXPECT_EQ(injuries({}), "0");
    EXPECT_EQ(injuries({"2", "5", "1"}), "5");
    EXPECT_EQ(injuries({"O", "3", "9"}), "3");
    EXPECT_EQ(injuries({"9", "O"}), "O");
    EXPECT_EQ(injuries({"0", "9"}), "0");
    EXPECT_EQ(injuries({"7", "X", ""}), "0");
    EXPECT_EQ(injuries({"6", "9"}), "6");
}

TEST(ComponentHeader, CommonRulesWithoutSensorLocation)
{
    auto test = MakeComTest(500);
    auto row = MakeRow<ko::com::CInstrumentation>(3);
    row->SetDASTATD("AS MEASURED");
    test->AddInstrumentation(row);
    ko::CUDSFile file;
    ko::FillComHeader(file, *test, 3);
    EXPECT_EQ(file.GetTSTSRC(), "COMPONENT DB");
    EXPECT_EQ(file.GetTSTNO(), 500);
    EXPECT_EQ(file.GetTITLE(), "SEAT PULL");
    EXPECT_EQ(file.GetSTATUS(), "AS MEASURED");
    EXPECT_EQ(file.GetSENLOC(), "");
    EXPECT_EQ(file.GetTSTCFN(), "OTH");
    EXPECT_THROW(ko::FillComHeader(file, *test, 4), std::range_error);
}

TEST(TextCurve, XFromFirstPointAndTimeStep)
{
    ko::CPoints points;
    points.Parse("0.5,1\n0.6,2\n0.7,3\n");
    ko::CUDSFile file;
    ko::SetTextCurveData(file, points, -10, 100.0);
    ASSERT_EQ(file.GetPointCount(), 3u);
    EXPECT_DOUBLE_EQ(file.GetX()[0], -0.0009);
    EXPECT_DOUBLE_EQ(file.GetX()[1], -0.0008);
    EXPECT_DOUBLE_EQ(file.GetX()[2], -0.0007);
    EXPECT_EQ(file.GetY(), (std::vector<double>{1, 2, 3}));
    // Without a positive time step the file's x values stay.
    ko::SetTextCurveData(file, points, -10, 0.0);
    EXPECT_EQ(file.GetX(), (std::vector<double>{0.5, 0.6, 0.7}));
}

}  // namespace
