// SPDX-License-Identifier: GPL-3.0-or-later
// Records of the sample vehicle tests: test, vehicles, barrier, occupants, restraints.
#include "samples/sample_vehicle_records.h"

#include "samples/sample_tests.h"

namespace ko::sample {

std::shared_ptr<veh::CTest> VehicleTestRecord(const CVehicleTestText& text, double speed, const std::tm& date)
{
    auto test = TestHeader<veh::CTest>(text.title, text.objective, text.reference, date);
    test->SetTSTTYP(text.type);
    test->SetTSTTYPD(text.typeText);
    test->SetTSTCFN(text.configuration);
    test->SetTSTCFND(text.configurationText);
    test->SetTKSURF("CON");
    test->SetTKSURFD("CONCRETE");
    test->SetTKCOND("DRY");
    test->SetTKCONDD("DRY");
    SetRecording(*test, speed);
    test->SetOFFSET(text.offset);
    test->SetMEASUR("MET");
    test->SetMEASURD("METRIC");
    test->SetTSTCOM(text.comment);
    return test;
}

std::shared_ptr<veh::CVehicle> VehicleRecord(const CVehicleText& text, int number, double speed)
{
    auto vehicle = std::make_shared<veh::CVehicle>();
    vehicle->SetVEHNO(number);
    vehicle->SetMAKE(text.make);
    vehicle->SetMAKED(text.makeText);
    vehicle->SetMODEL(text.model);
    vehicle->SetMODELD(text.modelText);
    vehicle->SetYEAR(text.year);
    vehicle->SetKORVANO(text.code);
    vehicle->SetBODY("4S");
    vehicle->SetBODYD("FOUR DOOR SEDAN");
    vehicle->SetVIN(text.vin);
    vehicle->SetENGINE("4CTF");
    vehicle->SetENGINED("4 CYLINDER TRANSVERSE FRONT");
    vehicle->SetENGDSP(text.displacement);
    vehicle->SetTRANSM("AF");
    vehicle->SetTRANSMD("AUTOMATIC - FRONT WHEEL DRIVE");
    vehicle->SetVEHTWT(text.testWeight);
    vehicle->SetCURBWT(text.testWeight - 160);
    vehicle->SetWHLBAS(text.wheelbase);
    vehicle->SetVEHLEN(text.length);
    vehicle->SetVEHWID(1810);
    vehicle->SetVEHCG(text.wheelbase * 2 / 5);
    vehicle->SetVEHSPD(speed);
    vehicle->SetPDOF(0);
    vehicle->SetBMPENG("EN");
    vehicle->SetBMPENGD("ENGAGED");
    vehicle->SetVDI("12FDEW3");
    vehicle->SetCRHDST(text.crush);
    vehicle->SetAX1(text.crush - 60);
    vehicle->SetAX2(text.crush - 20);
    vehicle->SetAX3(text.crush);
    vehicle->SetAX4(text.crush - 10);
    vehicle->SetAX5(text.crush - 40);
    vehicle->SetAX6(text.crush - 90);
    vehicle->SetVEHCOM(text.comment);
    return vehicle;
}

std::shared_ptr<veh::CBarrier> BarrierRecord(bool deformable)
{
    auto barrier = std::make_shared<veh::CBarrier>();
    barrier->SetBARRIG(deformable ? "D" : "R");
    barrier->SetBARRIGD(deformable ? "DEFORMABLE" : "RIGID");
    barrier->SetBARSHP(deformable ? "ODB" : "FLB");
    barrier->SetBARSHPD(deformable ? "OFFSET DEFORMABLE FACE" : "FLAT BARRIER");
    barrier->SetBARCOM(deformable ? "ALUMINIUM HONEYCOMB FACE, 40 PERCENT OVERLAP" : "LOAD CELL WALL");
    return barrier;
}

std::shared_ptr<veh::COccupant> OccupantRecord(int vehicle, bool driver, const CInjuryValues& injuries)
{
    auto occupant = std::make_shared<veh::COccupant>();
    occupant->SetVEHNO(vehicle);
    occupant->SetOCCLOC(driver ? "01" : "03");
    occupant->SetOCCLOCD(driver ? "LEFT FRONT SEAT" : "RIGHT FRONT SEAT");
    occupant->SetOCCTYP("H3");
    occupant->SetOCCTYPD("HYBRID III");
    occupant->SetOCCSEX(driver ? "M" : "F");
    occupant->SetOCCSEXD(driver ? "MALE" : "FEMALE");
    occupant->SetOCCHT(driver ? 1750 : 1510);
    occupant->SetOCCWT(driver ? 78 : 49);
    occupant->SetMTHCAL("ST");
    occupant->SetMTHCALD("STANDARD CALIBRATION");
    occupant->SetDUMSIZ(driver ? "50" : "05");
    occupant->SetDUMSIZD(driver ? "50TH PERCENTILE MALE" : "5TH PERCENTILE FEMALE");
    occupant->SetDUMMAN("ORSA");
    occupant->SetDUMDSC(driver ? "H3-50M SERIAL 118" : "H3-5F SERIAL 042");
    occupant->SetHH(driver ? 280 : 330);
    occupant->SetCS(driver ? 310 : 0);
    occupant->SetKD(driver ? 140 : 190);
    occupant->SetSEPOSN("MD");
    occupant->SetSEPOSND("MID TRACK");
    occupant->SetCNTRH1("AB");
    occupant->SetCNTRH1D("AIR BAG");
    occupant->SetHIC(injuries.hic);
    occupant->SetT1(injuries.t1);
    occupant->SetT2(injuries.t1 + 0.0142);
    occupant->SetCLIP3M(injuries.clip);
    occupant->SetLFEM(injuries.leftFemur);
    occupant->SetRFEM(injuries.rightFemur);
    occupant->SetSBELT(injuries.shoulderBelt);
    occupant->SetLBELT(injuries.lapBelt);
    return occupant;
}

std::vector<std::shared_ptr<veh::CRestraint>> RestraintRecords(int vehicle, bool driver)
{
    std::vector<std::shared_ptr<veh::CRestraint>> restraints;
    for (int number : {1, 2}) {
        auto restraint = std::make_shared<veh::CRestraint>();
        restraint->SetVEHNO(vehicle);
        restraint->SetOCCLOC(driver ? "01" : "03");
        restraint->SetOCCLOCD(driver ? "LEFT FRONT SEAT" : "RIGHT FRONT SEAT");
        restraint->SetRSTNO(number);
        restraint->SetRSTTYP(number == 1 ? "3PT" : "FAB");
        restraint->SetRSTTYPD(number == 1 ? "3 POINT BELT" : "FRONTAL AIR BAG");
        restraint->SetRSTMNT(number == 1 ? "BP" : (driver ? "SW" : "IP"));
        restraint->SetRSTMNTD(number == 1 ? "B-PILLAR" : (driver ? "STEERING WHEEL" : "INSTRUMENT PANEL"));
        restraint->SetDEPLOY(number == 1 ? "NA" : "DP");
        restraint->SetDEPLOYD(number == 1 ? "NOT APPLICABLE" : "DEPLOYED PROPERLY");
        restraints.push_back(restraint);
    }
    return restraints;
}

}  // namespace ko::sample
