// SPDX-License-Identifier: GPL-3.0-or-later
// Builders of the sample vehicle tests' records.
#pragma once
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "model/vehicle_test.h"

namespace ko::sample {

struct CVehicleTestText {
    std::string title;
    std::string objective;
    std::string reference;
    std::string type;
    std::string typeText;
    std::string configuration;
    std::string configurationText;
    int offset = 0;
    std::string comment;
};

struct CVehicleText {
    std::string make;
    std::string makeText;
    std::string model;
    std::string modelText;
    int year = 2004;
    std::string code;
    std::string vin;
    double displacement = 2.4;
    int testWeight = 1620;
    int wheelbase = 2720;
    int length = 4780;
    int crush = 540;
    std::string comment;
};

// Injury values of an occupant record.
struct CInjuryValues {
    int hic = 0;
    double t1 = 0.0;
    double clip = 0.0;
    int leftFemur = 0;
    int rightFemur = 0;
    int shoulderBelt = 0;
    int lapBelt = 0;
};

std::shared_ptr<veh::CTest> VehicleTestRecord(const CVehicleTestText& text, double speed,
                                              const std::tm& date);
std::shared_ptr<veh::CVehicle> VehicleRecord(const CVehicleText& text, int number, double speed);
std::shared_ptr<veh::CBarrier> BarrierRecord(bool deformable);
// A Hybrid III dummy: the 50th percentile male driver or the 5th percentile female passenger.
std::shared_ptr<veh::COccupant> OccupantRecord(int vehicle, bool driver, const CInjuryValues& injuries);
// The belt and the frontal air bag of one seat.
std::vector<std::shared_ptr<veh::CRestraint>> RestraintRecords(int vehicle, bool driver);

}  // namespace ko::sample
