// SPDX-License-Identifier: GPL-3.0-or-later
// The sample vehicle tests: frontal impacts sharing one channel set.
//   101  rigid barrier, 56 km/h, every channel as measured           (EV5 Extension)
//   102  rigid barrier, 56 km/h, another car, two channels missing    (EV5)
//   103  car into car, 56 + 56 km/h, a second vehicle and a computed
//        resultant, channel failed, questionable and no-data channels (EV5 Extension)
//   104  offset deformable barrier, 64 km/h, curves as ASCII point
//        files, intrusion measurements                                (EV5)
#include <algorithm>

#include "samples/sample_tests.h"
#include "samples/sample_vehicle_records.h"

namespace ko::sample {

namespace {

// The pulse of the vehicle structure and how hard the occupants are loaded.
struct CFrontal {
    double speed = 56.0;     // change of speed, km/h
    double duration = 0.09;  // structure pulse, s
    double load = 1.0;       // scale of the occupant loads
};

std::vector<CChannel> VehicleChannels(int vehicle, const CFrontal& f)
{
    std::vector<CChannel> channels{
        Accelerometer("NA", "VECG", "VEHICLE CG", Deceleration(f.speed, 0.0005, f.duration, 0.25, 0.35)),
        Accelerometer("NA", "LRSL", "LEFT REAR SILL",
                      Deceleration(f.speed, 0.0, f.duration * 0.97, 0.35, 0.45)),
        Accelerometer("NA", "RRSL", "RIGHT REAR SILL",
                      Deceleration(f.speed, 0.0008, f.duration * 1.02, 0.3, 0.45))};
    for (CChannel& channel : channels) channel.vehicle = vehicle;
    return channels;
}

std::vector<CChannel> DriverChannels(const CFrontal& f)
{
    CSampleCurve lateral = Pulse(7.0 * f.load, 0.035, 0.07, 0.3);
    lateral.shape = CSampleCurve::Shape::Oscillation;
    CSampleCurve vertical = lateral;
    vertical.peak = 12.0 * f.load;
    CSampleCurve sternum = Pulse(-36.0 * f.load, 0.022, 0.09, 0.15);
    sternum.shape = CSampleCurve::Shape::Deflection;
    sternum.residual = 0.2;
    return {Accelerometer("01", "HDCG", "HEAD CG", Deceleration(f.speed, 0.03, 0.075, 0.12, 0.3)),
            Accelerometer("01", "HDCG", "HEAD CG", lateral, "YL"),
            Accelerometer("01", "HDCG", "HEAD CG", vertical, "ZL"),
            Accelerometer("01", "CHST", "CHEST", Deceleration(f.speed, 0.018, 0.095, 0.15, 0.3)),
            Transducer("01", "STRN", "STERNUM", sternum),
            Accelerometer("01", "PELV", "PELVIS", Deceleration(f.speed, 0.01, 0.09, 0.2, 0.35)),
            LoadCell("01", "FMRL", "LEFT FEMUR", Pulse(-3100.0 * f.load, 0.028, 0.055, 25.0)),
            LoadCell("01", "FMRR", "RIGHT FEMUR", Pulse(-2700.0 * f.load, 0.03, 0.052, 25.0)),
            LoadCell("01", "SHBT", "SHOULDER BELT", Pulse(6800.0 * f.load, 0.012, 0.105, 30.0), "NA"),
            LoadCell("01", "LPBT", "LAP BELT", Pulse(5200.0 * f.load, 0.012, 0.1, 30.0), "NA")};
}

std::vector<CChannel> PassengerChannels(const CFrontal& f)
{
    CSampleCurve sternum = Pulse(-29.0 * f.load, 0.024, 0.088, 0.15);
    sternum.shape = CSampleCurve::Shape::Deflection;
    sternum.residual = 0.18;
    return {Accelerometer("03", "HDCG", "HEAD CG", Deceleration(f.speed, 0.032, 0.072, 0.12, 0.3)),
            Accelerometer("03", "CHST", "CHEST", Deceleration(f.speed, 0.02, 0.092, 0.15, 0.3)),
            Transducer("03", "STRN", "STERNUM", sternum),
            LoadCell("03", "FMRL", "LEFT FEMUR", Pulse(-2200.0 * f.load, 0.03, 0.05, 25.0)),
            LoadCell("03", "FMRR", "RIGHT FEMUR", Pulse(-2050.0 * f.load, 0.031, 0.05, 25.0))};
}

std::vector<CChannel> FrontalChannels(const CFrontal& f)
{
    std::vector<CChannel> channels = VehicleChannels(1, f);
    for (auto* part : {&DriverChannels, &PassengerChannels}) {
        std::vector<CChannel> more = (*part)(f);
        channels.insert(channels.end(), more.begin(), more.end());
    }
    return channels;
}

std::string LocationText(const std::string& location)
{
    if (location == "01") return "LEFT FRONT SEAT";
    if (location == "03") return "RIGHT FRONT SEAT";
    return "NOT APPLICABLE";
}

// Numbers the channels from 1 in order and makes their instrumentation rows.
void AddChannels(CSampleTest& sample, const std::vector<CChannel>& channels, double speed)
{
    sample::AddChannels<veh::CInstrumentation>(sample, *sample.vehicle, channels, speed,
                                               [](veh::CInstrumentation& row, const CChannel& channel) {
                                                   row.SetVEHNO(channel.vehicle);
                                                   row.SetSENLOC(channel.location);
                                                   row.SetSENLOCD(LocationText(channel.location));
                                               });
}

CSampleTest NewTest(int number, const std::tm& date, bool extension, std::shared_ptr<veh::CTest> record)
{
    return NewSample<CVehicleTest>(number, date, extension, std::move(record));
}

void AddOccupants(CVehicleTest& test, const CInjuryValues& driver, const CInjuryValues& passenger)
{
    test.AddOccupant(OccupantRecord(1, true, driver));
    test.AddOccupant(OccupantRecord(1, false, passenger));
    for (bool isDriver : {true, false})
        for (const auto& restraint : RestraintRecords(1, isDriver)) test.AddRestraint(restraint);
}

const CVehicleText kCardea{"NV",
                           "NORVIK",
                           "CA",
                           "CARDEA",
                           2004,
                           "V0412",
                           "1NV4CA3D54A100101",
                           2.4,
                           1620,
                           2720,
                           4780,
                           540,
                           "PRODUCTION VEHICLE"};
const CVehicleText kBrisa{"HD",
                          "HALDEN",
                          "BR",
                          "BRISA",
                          2004,
                          "V0377",
                          "3HD4BR2K14A200733",
                          2.0,
                          1480,
                          2650,
                          4560,
                          585,
                          "PRODUCTION VEHICLE"};
const CVehicleText kOrla{"TM",
                         "TAMSIN",
                         "OR",
                         "ORLA",
                         2003,
                         "V0398",
                         "5TM3OR8F83A301876",
                         3.0,
                         1840,
                         2860,
                         4910,
                         470,
                         "BULLET VEHICLE, 56 KM/H"};

CSampleTest RigidBarrier(int number, const CVehicleText& car, const std::tm& date, bool extension)
{
    const CFrontal frontal{56.0, 0.09, number == 101 ? 1.0 : 1.08};
    CSampleTest sample =
        NewTest(number, date, extension,
                VehicleTestRecord({"FRONTAL IMPACT INTO A RIGID BARRIER AT 56 KM/H",
                                   "FRONTAL OCCUPANT PROTECTION", "WIL-" + std::to_string(number), "RAT",
                                   "RATING TEST", "VTB", "VEHICLE INTO BARRIER", 0, "FULL WIDTH"},
                                  56.0, date));
    sample.vehicle->AddVehicle(VehicleRecord(car, 1, 56.3));
    sample.vehicle->SetBarrier(BarrierRecord(false));
    AddOccupants(*sample.vehicle, {512, 0.0621, 46.1, 3120, 2890, 7040, 5310},
                 {438, 0.0655, 41.7, 2240, 2080, 0, 0});
    std::vector<CChannel> channels = FrontalChannels(frontal);
    if (number == 102) {
        // No lap belt load cell on the driver, no left femur on the passenger.
        channels.erase(channels.begin() + 16);
        channels.erase(channels.begin() + 12);
    }
    AddChannels(sample, channels, 56.0);
    return sample;
}

// Each car's change of speed from the closing speed and the masses (a plastic impact).
CSampleTest CarIntoCar(const std::tm& date)
{
    const double mass1 = kCardea.testWeight;
    const double mass2 = kOrla.testWeight;
    const CFrontal struck{112.0 * mass2 / (mass1 + mass2), 0.085, 1.12};
    const CFrontal bullet{112.0 * mass1 / (mass1 + mass2), 0.08, 1.0};
    CSampleTest sample = NewTest(103, date, true,
                                 VehicleTestRecord({"FRONTAL OFFSET IMPACT, CAR INTO CAR, 56 + 56 KM/H",
                                                    "VEHICLE COMPATIBILITY", "WIL-103", "RES", "RESEARCH",
                                                    "VTV", "VEHICLE INTO VEHICLE", 50, "50 PERCENT OVERLAP"},
                                                   112.0, date));
    sample.vehicle->AddVehicle(VehicleRecord(kCardea, 1, 56.1));
    sample.vehicle->AddVehicle(VehicleRecord(kOrla, 2, 55.8));
    AddOccupants(*sample.vehicle, {655, 0.0598, 52.4, 3480, 0, 7790, 5890},
                 {512, 0.0631, 47.9, 2460, 0, 0, 0});
    std::vector<CChannel> channels = FrontalChannels(struck);
    channels[10].status = "QD";  // driver's right femur: saturated
    channels[10].curve.clip = 2500.0;
    channels[15].status = "CF";  // passenger's sternum: the transducer failed
    channels[15].curve = CSampleCurve{CSampleCurve::Shape::Flat, 0.0, 0.1, 0.0, 0.0, 0.0, -2.1, 0.15, 0.0};
    channels[17].status = "NO";  // passenger's right femur: not recorded
    const std::vector<CChannel> second = VehicleChannels(2, bullet);
    channels.insert(channels.end(), second.begin(), second.begin() + 2);
    CChannel resultant = Accelerometer("01", "HDCG", "HEAD CG", {}, "RS");
    resultant.status = "CM";
    resultant.resultantOf = {4, 5, 6};
    channels.push_back(resultant);
    AddChannels(sample, channels, 56.0);
    return sample;
}

std::shared_ptr<veh::CIntrusion> Intrusion(int point, const char* location, double x, double y, double z,
                                           double dx, double dz)
{
    auto intrusion = std::make_shared<veh::CIntrusion>();
    intrusion->SetVEHNO(1);
    intrusion->SetIPNO(point);
    intrusion->SetIPLOC(location);
    intrusion->SetBIX(x);
    intrusion->SetBIY(y);
    intrusion->SetBIZ(z);
    intrusion->SetAIX(x - dx);
    intrusion->SetAIY(y + 4.0);
    intrusion->SetAIZ(z + dz);
    intrusion->SetTSTREF("WIL-104");
    return intrusion;
}

CSampleTest OffsetBarrier(const std::tm& date)
{
    const CFrontal frontal{64.0, 0.125, 1.05};
    CSampleTest sample =
        NewTest(104, date, false,
                VehicleTestRecord({"FRONTAL OFFSET IMPACT INTO A DEFORMABLE BARRIER AT 64 KM/H",
                                   "OFFSET CRASHWORTHINESS", "WIL-104", "RAT", "RATING TEST", "VTB",
                                   "VEHICLE INTO BARRIER", 40, "40 PERCENT OVERLAP, DRIVER SIDE"},
                                  64.0, date));
    sample.pointFiles = true;
    sample.vehicle->AddVehicle(VehicleRecord(kCardea, 1, 64.2));
    sample.vehicle->SetBarrier(BarrierRecord(true));
    AddOccupants(*sample.vehicle, {588, 0.0702, 44.0, 4010, 3350, 7420, 5650},
                 {402, 0.0733, 39.5, 2310, 2190, 0, 0});
    AddChannels(sample, FrontalChannels(frontal), 64.0);
    sample.intrusions = {Intrusion(1, "STEERING COLUMN", 1530.0, -370.0, 650.0, 62.0, 41.0),
                         Intrusion(2, "LEFT TOE PAN", 1210.0, -480.0, 120.0, 148.5, 63.5),
                         Intrusion(3, "CENTRE TOE PAN", 1190.0, -60.0, 110.0, 96.0, 38.0),
                         Intrusion(4, "BRAKE PEDAL", 1310.0, -330.0, 260.0, 131.0, 88.5),
                         Intrusion(5, "LEFT A-PILLAR", 1640.0, -720.0, 980.0, 27.5, 6.0),
                         Intrusion(6, "LEFT INSTRUMENT PANEL", 1820.0, -500.0, 640.0, 44.0, 12.5)};
    return sample;
}

}  // namespace

std::vector<CSampleTest> VehicleTests()
{
    return {RigidBarrier(101, kCardea, Date(2004, 3, 5), true),
            RigidBarrier(102, kBrisa, Date(2004, 4, 21), false), CarIntoCar(Date(2004, 6, 9)),
            OffsetBarrier(Date(2004, 7, 14))};
}

}  // namespace ko::sample
