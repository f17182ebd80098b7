// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/vehicle_test.h"

#include <exception>
#include <stdexcept>

#include "core/failure.h"

namespace ko {

std::string VehicleLoadFailureText(int number)
{
    return "Failure to load test number: " + std::to_string(number) + "\n\r" + "Please check:\n\r" +
           "1. If TRACK.STATUS (PRODUCTION/HOLDING) consists with info in INST/H_INST table." +
           "2. If UDS files exist.\n\r";
}

CVehicleTest::CVehicleTest()
{
    SetDatabase(TestKind::Vehicle);
}

veh::CTest& CVehicleTest::TestRecord() const
{
    if (!test_) throw CFailure("Invalid Vehicle Test");
    return *test_;
}

void CVehicleTest::SetBarrier(std::shared_ptr<veh::CBarrier> barrier)
{
    if (!barrier) throw std::invalid_argument("barrier is pointer is invalid");
    barrier_ = std::move(barrier);
}

void CVehicleTest::UpdateCounts()
{
    if (!test_) return;
    test_->SetTOTCRV(static_cast<int>(instrumentations_.size()));
    test_->SetVehicleCount(static_cast<int>(vehicles_.size()));
    test_->SetOccupantCount(static_cast<int>(occupants_.size()));
}

void CVehicleTest::AddInstrumentation(std::shared_ptr<veh::CInstrumentation> row)
{
    AppendRecord(instrumentations_, std::move(row));
    UpdateCounts();
}

void CVehicleTest::SetInstrumentations(CRecordList<veh::CInstrumentation> rows)
{
    instrumentations_ = CheckedRecords(std::move(rows));
    UpdateCounts();
}

void CVehicleTest::ClearInstrumentations()
{
    instrumentations_.clear();
    UpdateCounts();
}

void CVehicleTest::AddVehicle(std::shared_ptr<veh::CVehicle> vehicle)
{
    AppendRecord(vehicles_, std::move(vehicle));
    UpdateCounts();
}

void CVehicleTest::SetVehicles(CRecordList<veh::CVehicle> vehicles)
{
    vehicles_ = CheckedRecords(std::move(vehicles));
    UpdateCounts();
}

void CVehicleTest::ClearVehicles()
{
    vehicles_.clear();
    UpdateCounts();
}

void CVehicleTest::AddOccupant(std::shared_ptr<veh::COccupant> occupant)
{
    AppendRecord(occupants_, std::move(occupant));
    UpdateCounts();
}

void CVehicleTest::SetOccupants(CRecordList<veh::COccupant> occupants)
{
    occupants_ = CheckedRecords(std::move(occupants));
    UpdateCounts();
}

void CVehicleTest::ClearOccupants()
{
    occupants_.clear();
    UpdateCounts();
}

std::shared_ptr<veh::CInstrumentation> CVehicleTest::GetInstrumentation(int curveNumber) const
{
    auto row = FindRecord(instrumentations_, [&](const auto& r) { return r.GetCURNO() == curveNumber; });
    if (!row) {
        throw CFailure("Curve Number: " + std::to_string(curveNumber) +
                       " could not be found in the Intrumentation.");
    }
    return row;
}

std::shared_ptr<veh::COccupant> CVehicleTest::GetOccupant(int vehicleNumber,
                                                          const std::string& location) const
{
    auto occupant = FindRecord(occupants_, [&](const auto& o) {
        return o.GetVEHNO() == vehicleNumber && o.GetOCCLOC() == location;
    });
    if (!occupant) {
        throw CFailure("Vehicle Number: " + std::to_string(vehicleNumber) +
                       " and Occupant Location: " + location + " could not be found in the Occupant object.");
    }
    return occupant;
}

std::shared_ptr<veh::CRestraint> CVehicleTest::GetRestraint(int vehicleNumber, const std::string& location,
                                                            int restraintNumber) const
{
    auto restraint = FindRecord(restraints_, [&](const auto& r) {
        return r.GetVEHNO() == vehicleNumber && r.GetOCCLOC() == location && r.GetRSTNO() == restraintNumber;
    });
    if (!restraint) {
        throw CFailure("Vehicle Number: " + std::to_string(vehicleNumber) + " and Occupant Location: " +
                       location + " and Restraint Number: " + std::to_string(restraintNumber) +
                       " could not be found in the Occupant object.");
    }
    return restraint;
}

std::shared_ptr<veh::CVehicle> CVehicleTest::GetVehicle(int vehicleNumber) const
{
    auto vehicle = FindRecord(vehicles_, [&](const auto& v) { return v.GetVEHNO() == vehicleNumber; });
    if (!vehicle) {
        throw CFailure("Vehicle Number: " + std::to_string(vehicleNumber) +
                       " could not be found in the Vehicle object.");
    }
    return vehicle;
}

bool CVehicleTest::SetTestNumber(int number)
{
    if (!test_) {
        SetLastError(VehicleLoadFailureText(number));
        return false;
    }
    try {
        test_->Set(number);
        return true;
    } catch (const std::exception& e) {
        SetLastError(e.what());
        return false;
    }
}

}  // namespace ko
