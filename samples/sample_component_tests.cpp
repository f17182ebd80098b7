// SPDX-License-Identifier: GPL-3.0-or-later
// The sample component tests:
//   201  driver restraint sled test at 48 km/h            (EV5 Extension)
//   202  static tilt table measurement, a rollover test   (EV5)
#include "samples/sample_tests.h"

namespace ko::sample {

namespace {

std::shared_ptr<com::CTest> TestRecord(const std::string& title, const std::string& type,
                                       const std::string& typeText, const std::tm& date, int number)
{
    auto test = TestHeader<com::CTest>(
        title, type == "ROV" ? "ROLLOVER RESISTANCE RATING" : "RESTRAINT SYSTEM DEVELOPMENT",
        "WIL-C" + std::to_string(number), date);
    test->SetTSTTYP(type);
    test->SetTSTTYPD(typeText);
    test->SetTEMP(22);
    return test;
}

std::shared_ptr<com::CVehicle> Vehicle(const std::string& make, const std::string& model,
                                       const std::string& test, const std::string& equipment)
{
    auto vehicle = std::make_shared<com::CVehicle>();
    vehicle->SetVEHNO(1);
    vehicle->SetMAKE(make.substr(0, 2));
    vehicle->SetMAKED(make);
    vehicle->SetMODEL(model.substr(0, 2));
    vehicle->SetMODELD(model);
    vehicle->SetYEAR(2004);
    vehicle->SetBODY("4S");
    vehicle->SetBODYD("FOUR DOOR SEDAN");
    vehicle->SetCRTEST(test);
    vehicle->SetCRTESTD(test == "SLD" ? "SLED BUCK" : "COMPLETE VEHICLE");
    vehicle->SetLOAD(test == "SLD" ? "DUMMY" : "EMPTY");
    vehicle->SetENGINE("4CTF");
    vehicle->SetENGDSP(2.4);
    vehicle->SetTRANSM("AF");
    vehicle->SetFUEL("GAS");
    vehicle->SetEQUIP(equipment);
    return vehicle;
}

std::shared_ptr<com::CComponent> Component(int number, const std::string& code, const std::string& text,
                                           const std::string& type, const std::string& typeText,
                                           double weight)
{
    auto component = std::make_shared<com::CComponent>();
    component->SetVEHNO(1);
    component->SetCMPNO(number);
    component->SetCMPNT(code);
    component->SetCMPNTD(text);
    component->SetCMPTYP(type);
    component->SetCMPTYPD(typeText);
    component->SetCMPWGT(weight);
    component->SetMODIND("N");
    component->SetMODINDD("NOT MODIFIED");
    return component;
}

std::shared_ptr<com::CConfiguration> Configuration(int component, const std::string& device,
                                                   const std::string& deviceText, double speed,
                                                   const std::string& config, const std::string& configText)
{
    auto configuration = std::make_shared<com::CConfiguration>();
    configuration->SetVEHNO(1);
    configuration->SetCMPNO(component);
    configuration->SetCNFNO(1);
    configuration->SetTSTDEV(device);
    configuration->SetTSTDEVD(deviceText);
    configuration->SetDEVSPD(speed);
    configuration->SetCONFIG(config);
    configuration->SetCONFIGD(configText);
    configuration->SetCMPSPD(speed);
    return configuration;
}

void AddChannels(CSampleTest& sample, const std::vector<CChannel>& channels, double speed)
{
    sample::AddChannels<com::CInstrumentation>(sample, *sample.component, channels, speed,
                                               [](com::CInstrumentation& row, const CChannel& channel) {
                                                   row.SetVEHNO(channel.vehicle);
                                                   row.SetCMPNO(channel.component);
                                                   row.SetCNFNO(1);
                                               });
}

CSampleTest NewTest(int number, const std::tm& date, bool extension, std::shared_ptr<com::CTest> record)
{
    return NewSample<CComTest>(number, date, extension, std::move(record));
}

CSampleTest SledTest()
{
    const std::tm date = Date(2004, 5, 12);
    CSampleTest sample = NewTest(
        201, date, true, TestRecord("DRIVER RESTRAINT SLED TEST AT 48 KM/H", "SLD", "SLED TEST", date, 201));
    sample.component->AddVehicle(Vehicle("NORVIK", "CARDEA", "SLD", "DRIVER AIR BAG, PRETENSIONER"));
    sample.component->AddComponent(Component(1, "AB", "AIR BAG", "DR", "DRIVER", 1.8));
    sample.component->AddComponent(Component(2, "SB", "SEAT BELT", "3P", "3 POINT", 1.1));
    for (int component : {1, 2})
        sample.component->AddConfiguration(
            Configuration(component, "DSL", "DECELERATION SLED", 48.0, "FRT", "FRONTAL"));
    CSampleCurve sternum = Pulse(-33.0, 0.025, 0.09, 0.15);
    sternum.shape = CSampleCurve::Shape::Deflection;
    sternum.residual = 0.2;
    CChannel belt = LoadCell("", "SHBT", "SHOULDER BELT", Pulse(6100.0, 0.014, 0.11, 30.0), "NA");
    belt.component = 2;
    AddChannels(sample,
                {Accelerometer("", "SLED", "SLED", Deceleration(48.0, 0.0, 0.1, 0.05, 0.2)),
                 Accelerometer("", "HDCG", "HEAD CG", Deceleration(48.0, 0.035, 0.08, 0.12, 0.3)),
                 Accelerometer("", "CHST", "CHEST", Deceleration(48.0, 0.02, 0.1, 0.15, 0.3)),
                 Transducer("", "STRN", "STERNUM", sternum), belt},
                48.0);
    return sample;
}

std::shared_ptr<com::CRollover> Rollover()
{
    auto rollover = std::make_shared<com::CRollover>();
    rollover->SetTITYPF("P235/65R17");
    rollover->SetTISIZF("235/65R17");
    rollover->SetTIPRSF(240.0);
    rollover->SetTITYPR("P235/65R17");
    rollover->SetTISIZR("235/65R17");
    rollover->SetTIPRSR(240.0);
    rollover->SetTRACK(1580.0);
    rollover->SetTRACKF(1585.0);
    rollover->SetTRACKR(1575.0);
    rollover->SetWHLBAS(2860.0);
    rollover->SetROOFHT(1705.0);
    rollover->SetGVWR(2420.0);
    rollover->SetWT(1840.0);
    rollover->SetWTLF(478.0);
    rollover->SetWTRF(482.0);
    rollover->SetWTLR(441.0);
    rollover->SetWTRR(439.0);
    rollover->SetCGHT(655.0);
    rollover->SetCGWT1(1840.0);
    rollover->SetCGANGLE1(12.5);
    rollover->SetCGMOTION1("ROLL");
    rollover->SetCGHT1(653.0);
    rollover->SetSSF(1.21);
    rollover->SetPOSS(0.17);
    rollover->SetRRS(4.0);
    rollover->SetSTAR(4);
    return rollover;
}

CSampleTest TiltTable()
{
    const std::tm date = Date(2004, 9, 2);
    CSampleTest sample =
        NewTest(202, date, false,
                TestRecord("STATIC TILT TABLE MEASUREMENT", "ROV", "ROLLOVER RESISTANCE", date, 202));
    sample.time = {0, 2000, 10000.0};  // 100 Hz for 20 s
    sample.component->AddVehicle(Vehicle("TAMSIN", "ORLA", "ROV", "FULL FUEL TANK"));
    sample.component->AddComponent(Component(1, "VH", "WHOLE VEHICLE", "SU", "SPORT UTILITY", 1840.0));
    sample.component->AddConfiguration(Configuration(1, "TLT", "TILT TABLE", 0.0, "LAT", "LATERAL TILT"));
    sample.component->SetRollover(Rollover());
    const auto ramp = [](double from, double to, double noise) {
        return CSampleCurve{CSampleCurve::Shape::Ramp, 1.0, 17.0, to - from, 0.0, 0.0, from, noise, 0.0};
    };
    CChannel angle = Accelerometer("", "TILT", "TABLE PLATFORM", ramp(0.0, 48.0, 0.05));
    angle.quantity = Quantity::Angle;
    AddChannels(sample,
                {angle, LoadCell("", "WHLF", "LEFT FRONT WHEEL", ramp(4690.0, 0.0, 15.0)),
                 LoadCell("", "WHLR", "LEFT REAR WHEEL", ramp(4330.0, 0.0, 15.0)),
                 LoadCell("", "WHRF", "RIGHT FRONT WHEEL", ramp(4730.0, 8950.0, 15.0)),
                 LoadCell("", "WHRR", "RIGHT REAR WHEEL", ramp(4300.0, 8110.0, 15.0))},
                0.0);
    return sample;
}

}  // namespace

std::vector<CSampleTest> ComponentTests()
{
    return {SledTest(), TiltTable()};
}

}  // namespace ko::sample
