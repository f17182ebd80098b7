// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <memory>
#include <string>

#include "model/electric_media.h"
#include "model/record_list.h"
#include "model/test_type.h"
#include "model/track.h"
#include "model/veh_barrier.h"
#include "model/veh_instrumentation.h"
#include "model/veh_intrusion.h"
#include "model/veh_occupant.h"
#include "model/veh_restraint.h"
#include "model/veh_test_record.h"
#include "model/veh_vehicle.h"

namespace ko {

// All records of one vehicle test (VEHDB). Single sections are null and lists
// empty until set; lists keep load order. A copy shares the records.
//
// While the test record exists, its TOTCRV, vehicle count and occupant count
// follow the sizes of the instrumentation, vehicle and occupant lists on every
// add, replace and clear.
class CVehicleTest : public CTestType {
public:
    using TestRecordType = veh::CTest;

    CVehicleTest();

    const std::shared_ptr<veh::CTest>& GetTest() const { return test_; }
    void SetTest(std::shared_ptr<veh::CTest> test) { test_ = std::move(test); }
    // The test record; throws std::logic_error "Invalid Vehicle Test" without one.
    veh::CTest& TestRecord() const;
    const std::shared_ptr<veh::CBarrier>& GetBarrier() const { return barrier_; }
    // Throws std::invalid_argument "barrier is pointer is invalid" for a null
    // barrier and keeps the old one.
    void SetBarrier(std::shared_ptr<veh::CBarrier> barrier);
    const std::shared_ptr<CTrack>& GetTrack() const { return track_; }
    void SetTrack(std::shared_ptr<CTrack> track) { track_ = std::move(track); }

    void AddInstrumentation(std::shared_ptr<veh::CInstrumentation> row);
    void SetInstrumentations(CRecordList<veh::CInstrumentation> rows);
    const CRecordList<veh::CInstrumentation>& GetInstrumentations() const { return instrumentations_; }
    void ClearInstrumentations();
    void AddVehicle(std::shared_ptr<veh::CVehicle> vehicle);
    void SetVehicles(CRecordList<veh::CVehicle> vehicles);
    const CRecordList<veh::CVehicle>& GetVehicles() const { return vehicles_; }
    void ClearVehicles();
    void AddOccupant(std::shared_ptr<veh::COccupant> occupant);
    void SetOccupants(CRecordList<veh::COccupant> occupants);
    const CRecordList<veh::COccupant>& GetOccupants() const { return occupants_; }
    void ClearOccupants();
    KO_RECORD_LIST(veh::CRestraint, Restraint, Restraints, restraints_)
    KO_RECORD_LIST(veh::CIntrusion, Intrusion, Intrusions, intrusions_)
    KO_RECORD_LIST(CPhotos, Photo, Photos, photos_)
    KO_RECORD_LIST(CReports, Report, Reports, reports_)
    KO_RECORD_LIST(CVideos, Video, Videos, videos_)

    // Lookups: the first record in load order with the key, else std::logic_error:
    // "Curve Number: n could not be found in the Intrumentation."
    std::shared_ptr<veh::CInstrumentation> GetInstrumentation(int curveNumber) const;
    // "Vehicle Number: v and Occupant Location: loc could not be found in the Occupant object."
    std::shared_ptr<veh::COccupant> GetOccupant(int vehicleNumber, const std::string& location) const;
    // "Vehicle Number: v and Occupant Location: loc and Restraint Number: r could not be
    // found in the Occupant object."
    std::shared_ptr<veh::CRestraint> GetRestraint(int vehicleNumber, const std::string& location,
                                                  int restraintNumber) const;
    // "Vehicle Number: v could not be found in the Vehicle object."
    std::shared_ptr<veh::CVehicle> GetVehicle(int vehicleNumber) const;

    // Sets the test record's number. Without a test record the last-error text
    // becomes the load-failure message; a range failure becomes its text; both
    // return false.
    bool SetTestNumber(int number);

    // GetTSTNO ... SetSECURITY: every column of the test record, through TestRecord().
    KO_VEH_TEST_COLUMNS(KO_FORWARD_COLUMN, KO_FORWARD_COLUMN)

private:
    void UpdateCounts();

    std::shared_ptr<veh::CTest> test_;
    std::shared_ptr<veh::CBarrier> barrier_;
    std::shared_ptr<CTrack> track_;
    CSharedRecords<veh::CInstrumentation> instrumentations_;
    CSharedRecords<veh::CVehicle> vehicles_;
    CSharedRecords<veh::COccupant> occupants_;
    CSharedRecords<veh::CRestraint> restraints_;
    CSharedRecords<veh::CIntrusion> intrusions_;
    CSharedRecords<CPhotos> photos_;
    CSharedRecords<CReports> reports_;
    CSharedRecords<CVideos> videos_;
};

// "Failure to load test number: n\n\rPlease check:\n\r1. If TRACK.STATUS ... 2. If UDS files exist.\n\r"
std::string VehicleLoadFailureText(int number);

}  // namespace ko
