// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <memory>

#include "model/com_component.h"
#include "model/com_configuration.h"
#include "model/com_instrumentation.h"
#include "model/com_rollover.h"
#include "model/com_test_record.h"
#include "model/com_vehicle.h"
#include "model/electric_media.h"
#include "model/record_list.h"
#include "model/test_type.h"
#include "model/track.h"

namespace ko {

// All records of one component test (COMDB). Single sections are null and
// lists empty until set; lists keep load order. A copy shares the records.
class CComTest : public CTestType {
public:
    using TestRecordType = com::CTest;

    CComTest();

    const std::shared_ptr<com::CTest>& GetTest() const { return test_; }
    void SetTest(std::shared_ptr<com::CTest> test) { test_ = std::move(test); }
    // The test record; throws std::logic_error "Invalid Component Test" without one.
    com::CTest& TestRecord() const;
    const std::shared_ptr<com::CRollover>& GetRollover() const { return rollover_; }
    void SetRollover(std::shared_ptr<com::CRollover> rollover) { rollover_ = std::move(rollover); }
    const std::shared_ptr<CTrack>& GetTrack() const { return track_; }
    void SetTrack(std::shared_ptr<CTrack> track) { track_ = std::move(track); }

    KO_RECORD_LIST(com::CVehicle, Vehicle, Vehicles, vehicles_)
    KO_RECORD_LIST(com::CComponent, Component, Components, components_)
    KO_RECORD_LIST(com::CConfiguration, Configuration, Configurations, configurations_)
    KO_RECORD_LIST(com::CInstrumentation, Instrumentation, Instrumentations, instrumentations_)
    KO_RECORD_LIST(CPhotos, Photo, Photos, photos_)
    KO_RECORD_LIST(CReports, Report, Reports, reports_)
    KO_RECORD_LIST(CVideos, Video, Videos, videos_)

    // Lookups: the first record in load order with the key, else std::range_error:
    // "Curve Number: n was not found"
    std::shared_ptr<com::CInstrumentation> GetInstrumentation(int curveNumber) const;
    // "Vehicle Number: v was not found"
    std::shared_ptr<com::CVehicle> GetVehicle(int vehicleNumber) const;
    // "Vehicle Number - Component Number: v - c was not found"
    std::shared_ptr<com::CComponent> GetComponent(int vehicleNumber, int componentNumber) const;
    // "Vehicle Number - Component Number - Configuration Number: v - c - f was not found"
    std::shared_ptr<com::CConfiguration> GetConfiguration(int vehicleNumber, int componentNumber,
                                                          int configurationNumber) const;

    // Sets the test record's number like the forwarders: throws "Invalid
    // Component Test" without a test record, else the CTestNumber range failure.
    void SetTestNumber(int number) { TestRecord().Set(number); }

    // GetTSTNO ... SetTSTCOM: every column of the test record, through TestRecord().
    KO_COM_TEST_COLUMNS(KO_FORWARD_COLUMN, KO_FORWARD_COLUMN)

private:
    std::shared_ptr<com::CTest> test_;
    std::shared_ptr<com::CRollover> rollover_;
    std::shared_ptr<CTrack> track_;
    CSharedRecords<com::CVehicle> vehicles_;
    CSharedRecords<com::CComponent> components_;
    CSharedRecords<com::CConfiguration> configurations_;
    CSharedRecords<com::CInstrumentation> instrumentations_;
    CSharedRecords<CPhotos> photos_;
    CSharedRecords<CReports> reports_;
    CSharedRecords<CVideos> videos_;
};

}  // namespace ko
