// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <memory>

#include "model/bio_anthropometric.h"
#include "model/bio_biological_occupant.h"
#include "model/bio_chest_band_gauge.h"
#include "model/bio_chest_band_occupant.h"
#include "model/bio_dummy_occupant.h"
#include "model/bio_instrumentation.h"
#include "model/bio_occupant_injury.h"
#include "model/bio_restraint.h"
#include "model/bio_rib_bending.h"
#include "model/bio_test_record.h"
#include "model/electric_media.h"
#include "model/record_list.h"
#include "model/test_type.h"
#include "model/track.h"

namespace ko {

// All records of one biomechanics test (BIODB). Single sections are null and
// lists empty until set; lists keep load order. A copy shares the records.
class CBioTest : public CTestType {
public:
    CBioTest();

    const std::shared_ptr<bio::CTest>& GetTest() const { return test_; }
    void SetTest(std::shared_ptr<bio::CTest> test) { test_ = std::move(test); }
    // The test record; throws std::logic_error "Invalid Biomechanics Test" without one.
    bio::CTest& TestRecord() const;
    const std::shared_ptr<bio::CAnthropometric>& GetAnthropometric() const { return anthropometric_; }
    void SetAnthropometric(std::shared_ptr<bio::CAnthropometric> record)
    {
        anthropometric_ = std::move(record);
    }
    const std::shared_ptr<bio::CBiologicalOccupant>& GetBiologicalOccupant() const { return biological_; }
    void SetBiologicalOccupant(std::shared_ptr<bio::CBiologicalOccupant> record)
    {
        biological_ = std::move(record);
    }
    const std::shared_ptr<bio::CDummyOccupant>& GetDummyOccupant() const { return dummy_; }
    void SetDummyOccupant(std::shared_ptr<bio::CDummyOccupant> record) { dummy_ = std::move(record); }
    const std::shared_ptr<CTrack>& GetTrack() const { return track_; }
    void SetTrack(std::shared_ptr<CTrack> track) { track_ = std::move(track); }

    KO_RECORD_LIST(bio::CChestBandOccupant, ChestBand, ChestBands, chestBands_)
    KO_RECORD_LIST(bio::CChestBandGauge, ChestBandGauge, ChestBandGauges, gauges_)
    KO_RECORD_LIST(bio::COccupantInjury, Injury, Injuries, injuries_)
    KO_RECORD_LIST(bio::CRestraint, Restraint, Restraints, restraints_)
    KO_RECORD_LIST(bio::CRibBending, RibBending, RibBendings, ribBendings_)
    KO_RECORD_LIST(bio::CInstrumentation, Instrumentation, Instrumentations, instrumentations_)
    KO_RECORD_LIST(CPhotos, Photo, Photos, photos_)
    KO_RECORD_LIST(CReports, Report, Reports, reports_)
    KO_RECORD_LIST(CVideos, Video, Videos, videos_)

    // The first row in load order with that CURNO; on a miss std::range_error
    // "Curve Number: n was not found".
    std::shared_ptr<bio::CInstrumentation> GetInstrumentation(int curveNumber) const;
    // Its position in GetInstrumentations(); on a miss std::out_of_range with the same text.
    std::size_t FindInstrumentation(int curveNumber) const;

    // Sets the test record's number: throws "Invalid Biomechanics Test" without
    // a test record, else the CTestNumber range failure.
    void SetTestNumber(int number) { TestRecord().Set(number); }

private:
    std::shared_ptr<bio::CTest> test_;
    std::shared_ptr<bio::CAnthropometric> anthropometric_;
    std::shared_ptr<bio::CBiologicalOccupant> biological_;
    std::shared_ptr<bio::CDummyOccupant> dummy_;
    std::shared_ptr<CTrack> track_;
    CRecordList<bio::CChestBandOccupant> chestBands_;
    CSharedRecords<bio::CChestBandGauge> gauges_;
    CSharedRecords<bio::COccupantInjury> injuries_;
    CSharedRecords<bio::CRestraint> restraints_;
    CRecordList<bio::CRibBending> ribBendings_;
    CSharedRecords<bio::CInstrumentation> instrumentations_;
    CSharedRecords<CPhotos> photos_;
    CSharedRecords<CReports> reports_;
    CSharedRecords<CVideos> videos_;
};

}  // namespace ko
