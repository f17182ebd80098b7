// SPDX-License-Identifier: GPL-3.0-or-later
#include "sources/header_filler.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "core/failure.h"
#include "formats/points.h"
#include "formats/uds_file.h"
#include "sources/header_blocks.h"
#include "test_records.h"

namespace {

using velder_test::MakeBioTest;
using velder_test::MakeComTest;
using velder_test::MakeRow;
using velder_test::MakeVehicleTest;

std::shared_ptr<ko::veh::CInstrumentation> AddVehicleRow(ko::CVehicleTest& test, int curve, int vehicle = 1,
                                                         const std::string& location = "01")
{
    auto row = MakeRow<ko::veh::CInstrumentation>(curve);
    row->SetVEHNO(vehicle);
    row->SetSENLOC(location);
    test.AddInstrumentation(row);
    return row;
}

ko::CUDSFile VehicleHeader(const ko::CVehicleTest& test, int curve)
{
    ko::CUDSFile file;
    ko::FillVehHeader(file, test, curve);
    return file;
}

TEST(VehicleHeader, DescriptionElseCode)
{
    auto test = MakeVehicleTest(4321);
    AddVehicleRow(*test, 1);
    auto described = AddVehicleRow(*test, 2);
    described->SetSENATTD("HEAD CG");
    described->SetYUNITSD("G");
    described->SetXUNITSD("SECONDS");
    described->SetDASTATD("AS MEASURED");
    const ko::CUDSFile first = VehicleHeader(*test, 1);
    EXPECT_EQ(first.GetTSTSRC(), "VEHICLE DB");
    EXPECT_EQ(first.GetTSTNAM(), "4321");
    EXPECT_EQ(first.GetCURNAM(), "1");
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

TEST(VehicleHeader, DataFormAndTimeStepInSeconds)
{
    auto test = MakeVehicleTest(1);
    AddVehicleRow(*test, 1)->SetDELT(0.0);
    AddVehicleRow(*test, 2)->SetDELT(125.0);
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
    };
    for (const Case& c : cases) {
        auto test = MakeVehicleTest(1);
        auto row = AddVehicleRow(*test, 1);
        row->SetXTYPE(c.xtype);
        row->SetXUNITS(c.xunits);
        row->SetXUNITSD(c.xunitsd);
        ko::CUDSFile file;
        file.SetCURTYP("");
        ko::FillVehHeader(file, *test, 1);
        EXPECT_EQ(file.GetCURTYP(), c.curtyp) << c.xtype << "/" << c.xunits;
        EXPECT_EQ(file.GetXTYPE(), c.resultType) << c.xtype << "/" << c.xunits << "/" << c.xunitsd;
    }
}

TEST(VehicleHeader, BarrierOrVehicle)
{
    auto test = MakeVehicleTest(1);
    AddVehicleRow(*test, 1, 0);
    AddVehicleRow(*test, 2, 1);
    AddVehicleRow(*test, 3, 2);
    // Without a barrier record and without vehicles every field is empty.
    ko::CUDSFile file;
    file.SetMake1("STALE");
    ko::FillVehHeader(file, *test, 2);
    EXPECT_EQ(file.GetMake1(), "");

    auto barrier = std::make_shared<ko::veh::CBarrier>();
    barrier->SetBARRIG("R");
    barrier->SetBARRIGD("RIGID");
    barrier->SetBARSHP("FLB");
    barrier->SetBARCOM("LOAD CELL WALL");
    test->SetBarrier(barrier);
    // A test without vehicles uses its barrier for any vehicle number.
    EXPECT_EQ(VehicleHeader(*test, 2).GetMake1(), "RIGID");

    auto vehicle = std::make_shared<ko::veh::CVehicle>();
    vehicle->SetVEHNO(1);
    vehicle->SetMAKE("FORD");
    vehicle->SetMAKED("FORD MOTOR");
    vehicle->SetMODEL("TAU");
    vehicle->SetYEAR(1998);
    vehicle->SetVEHTWT(1650);
    vehicle->SetVEHCOM("PRODUCTION");
    test->AddVehicle(vehicle);

    const ko::CUDSFile atBarrier = VehicleHeader(*test, 1);
    EXPECT_EQ(atBarrier.GetVehicleNumber1(), 0);
    EXPECT_EQ(atBarrier.GetMake1(), "RIGID");
    EXPECT_EQ(atBarrier.GetModel1(), "FLB");
    EXPECT_EQ(atBarrier.GetCD2(), "LOAD CELL WALL");
    EXPECT_EQ(atBarrier.GetYear1(), 0);
    const ko::CUDSFile inVehicle = VehicleHeader(*test, 2);
    EXPECT_EQ(inVehicle.GetVehicleNumber1(), 1);
    EXPECT_EQ(inVehicle.GetMake1(), "FORD MOTOR");
    EXPECT_EQ(inVehicle.GetModel1(), "TAU");
    EXPECT_EQ(inVehicle.GetYear1(), 1998);
    EXPECT_FLOAT_EQ(inVehicle.GetVehicleWeight1(), 1650.0f);
    EXPECT_EQ(inVehicle.GetCD2(), "PRODUCTION");
    // A vehicle number the test does not hold leaves the block empty.
    EXPECT_EQ(VehicleHeader(*test, 3).GetMake1(), "");
}

TEST(VehicleHeader, OccupantAtTheRowsSeat)
{
    auto test = MakeVehicleTest(1);
    for (const char* location : {"02", "01", "NA", "OT"}) {
        auto occupant = std::make_shared<ko::veh::COccupant>();
        occupant->SetVEHNO(1);
        occupant->SetOCCLOC(location);
        occupant->SetOCCTYP(std::string("H") + location);
        occupant->SetOCCAGE(35);
        occupant->SetHIC(512);
        occupant->SetCLIP3M(44.5);
        test->AddOccupant(occupant);
    }
    auto row = AddVehicleRow(*test, 1, 1, "01");
    const ko::CUDSFile file = VehicleHeader(*test, 1);
    EXPECT_EQ(file.GetType1(), "H01");
    EXPECT_EQ(file.GetAge1(), 35);
    EXPECT_FLOAT_EQ(file.GetHIC(), 512.0f);
    EXPECT_FLOAT_EQ(file.GetCLIP3M(), 44.5f);

    // "NA" and "OT" clear the block even where an occupant record has that location.
    for (const char* location : {"NA", "OT"}) {
        row->SetSENLOC(location);
        const ko::CUDSFile none = VehicleHeader(*test, 1);
        EXPECT_EQ(none.GetType1(), "") << location;
        EXPECT_EQ(none.GetAge1(), 0) << location;
        EXPECT_FLOAT_EQ(none.GetHIC(), 0.0f) << location;
        EXPECT_EQ(none.GetSENLOC(), location);
    }
    ko::CUDSFile file2;
    EXPECT_THROW(ko::FillVehHeader(file2, *test, 3), ko::CFailure);
    EXPECT_THROW(ko::FillVehHeader(file2, ko::CVehicleTest(), 1), ko::CFailure);
}

TEST(BioHeader, BiologicalOccupantGaugeAndRestraint)
{
    auto test = MakeBioTest(88, "CD");
    test->AddInstrumentation(MakeRow<ko::bio::CInstrumentation>(5));
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

    ko::CUDSFile file;
    ko::FillBioHeader(file, *test, 5);
    EXPECT_EQ(file.GetTSTSRC(), "BIOMECHANICS DB");
    EXPECT_EQ(file.GetBANDNO(), 2);
    EXPECT_EQ(file.GetGAGNO(), 14);
    EXPECT_EQ(file.GetType1(), "CD");
    EXPECT_EQ(file.GetAge1(), 61);
    EXPECT_EQ(file.GetSex1(), "F");
    EXPECT_FLOAT_EQ(file.GetWeight1(), 57.0f);
    EXPECT_EQ(file.GetAIS(), "0");
    EXPECT_EQ(file.GetFirstRestraint1(), "THREE POINT BELT");
    EXPECT_EQ(file.GetSecondRestraint1(), "");
}

TEST(BioHeader, DummyOccupant)
{
    auto test = MakeBioTest(88, "H3");
    test->AddInstrumentation(MakeRow<ko::bio::CInstrumentation>(5));
    ko::CUDSFile file;
    ko::FillBioHeader(file, *test, 5);
    EXPECT_EQ(file.GetFirstRestraint1(), "");
    EXPECT_EQ(file.GetBANDNO(), 0);

    auto dummy = std::make_shared<ko::bio::CDummyOccupant>();
    dummy->SetDOCCSEX("M");
    dummy->SetDUMSIZ("50");
    dummy->SetHIC(700);
    test->SetDummyOccupant(dummy);
    for (const char* type : {"AIR", "PAD", "KNEE"}) {
        test->AddRestraint(std::make_shared<ko::bio::CRestraint>());
        test->GetRestraints().back()->SetRSTTYP(type);
    }
    ko::FillBioHeader(file, *test, 5);
    EXPECT_EQ(file.GetType1(), "H3");
    EXPECT_EQ(file.GetSex1(), "M");
    EXPECT_EQ(file.GetSize1(), "50");
    EXPECT_FLOAT_EQ(file.GetHIC(), 700.0f);
    EXPECT_EQ(file.GetAIS(), "");
    EXPECT_EQ(file.GetFirstRestraint1(), "AIR");
    EXPECT_EQ(file.GetSecondRestraint1(), "PAD");
}

TEST(BioHeader, HighestAIS)
{
    auto highest = [](std::vector<std::string> values) {
        ko::CRecordList<ko::bio::COccupantInjury> rows;
        for (const auto& value : values) {
            rows.push_back(std::make_shared<ko::bio::COccupantInjury>());
            rows.back()->SetAIS(value);
        }
        return ko::HighestAIS(rows);
    };
    EXPECT_EQ(highest({}), "0");
    EXPECT_EQ(highest({"2", "5", "1"}), "5");
    EXPECT_EQ(highest({"O", "3", "9"}), "3");
    EXPECT_EQ(highest({"9", "O"}), "O");
    EXPECT_EQ(highest({"0", "9"}), "0");
    EXPECT_EQ(highest({"7", "X", ""}), "0");
}

TEST(ComponentHeader, CommonRulesWithoutSensorLocation)
{
    auto test = MakeComTest(500);
    test->AddInstrumentation(MakeRow<ko::com::CInstrumentation>(3));
    ko::CUDSFile file;
    ko::FillComHeader(file, *test, 3);
    EXPECT_EQ(file.GetTSTSRC(), "COMPONENT DB");
    EXPECT_EQ(file.GetTSTNO(), 500);
    EXPECT_EQ(file.GetSENLOC(), "");
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
