// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/signal.h"
#include "model/bio_selection.h"
#include "model/biomechanics_test.h"
#include "model/com_selection.h"
#include "model/component_test.h"
#include "model/curve_number.h"
#include "model/database.h"
#include "model/korvadb.h"
#include "model/test_number.h"
#include "model/test_type.h"
#include "model/veh_selection.h"
#include "model/vehicle_test.h"

namespace ko {

class CUDSFile;

// The one source of tests, test lists and signals. Holds the current test
// number, curve number and database and the current test of each database;
// turns one curve of the current test into a signal through a UDS file object
// whose data a concrete agent supplies and whose header the base can fill from
// the test records.
//
// No exception leaves a public operation: its text becomes the last-error text
// and the operation returns false.
class CDataAgent {
public:
    using BioListSink = std::function<void(const std::shared_ptr<bio::CSelection>&)>;
    using ComListSink = std::function<void(const std::shared_ptr<com::CSelection>&)>;
    using VehListSink = std::function<void(const std::shared_ptr<veh::CSelection>&)>;

    // Written into TSTSRC of a curve read from a text file.
    static constexpr const char* kSourceLabel = "ASCII DATA";

    CDataAgent();
    CDataAgent(const CDataAgent&) = delete;
    CDataAgent& operator=(const CDataAgent&) = delete;
    virtual ~CDataAgent() = default;

    // Sets the test number, then loads into test as LoadTest(test) does.
    virtual bool LoadTest(unsigned testNumber, const std::shared_ptr<CTestType>& test);
    // test is a CBioTest, CComTest or CVehicleTest; its class names the database.
    // Base: empties the last-error text, creates a new empty current test of that
    // database and selects the database. Concrete agents then load the records of
    // the current test number and copy them into test.
    virtual bool LoadTest(const std::shared_ptr<CTestType>& test);
    // Biomechanics, component, vehicle: a new empty current test of that database;
    // collision warning selects the vehicle database and creates nothing; None: false.
    virtual bool LoadTest(TestKind kind);
    // Fills the test list of the database (or hands its rows to the list sink).
    virtual bool LoadTestList(TestKind kind);
    // Returns true in every agent.
    virtual bool Validate();
    virtual bool LoadCodes(int codeIdentifier, TestKind kind);
    // Creates an empty value table when there is none.
    virtual bool LoadValues(int valueIdentifier);
    // Base checks: database kind None "Unknown Database", media kind None "Unknown
    // Media", sequence number <= 0 "Invalid Sequence Number".
    virtual bool LoadMedia(TestKind kind, MediaKind mediaKind, unsigned testNumber, int sequenceNumber);

    using CurveList = std::vector<std::pair<unsigned, unsigned>>;  // test number, curve number
    // The curves of the database of kind that the next LoadSignal calls read,
    // in that order, so that an agent fetching over a network can fetch them
    // ahead; an empty list ends the plan. The base ignores it.
    virtual void PlanCurves(TestKind kind, const CurveList& curves);
    // The tests of the database of kind that the next LoadTest calls load, in
    // that order, so that an agent reading from a server can ask for the next
    // one ahead; an empty list ends the plan. The base ignores it.
    virtual void PlanTests(TestKind kind, const std::vector<int>& numbers);

    // Range-checked setters; a failure becomes the last-error text.
    bool SetTestNumber(unsigned testNumber);
    bool SetCurveNumber(unsigned curveNumber);
    // Makes a copy of test the current test of its database and selects it.
    bool SetTest(const std::shared_ptr<CTestType>& test);
    // signal is replaced by a new signal: the current curve of the current test.
    // On failure it holds an empty signal and the result is false.
    bool LoadSignal(std::shared_ptr<CNSignal>& signal);
    // Fills file for the current curve by the database kind; "Invalid Database"
    // for a kind other than biomechanics, component and vehicle.
    bool FillSignal(CUDSFile& file);
    void ClearTests();

    std::string GetLastError() const { return lastError_; }
    // After a LoadTestList that succeeded: the entries it could not read and left
    // out of the list, as one message naming them; empty when it read them all.
    const std::string& GetListWarning() const { return listWarning_; }
    const std::string& GetSourceLabel() const { return sourceLabel_; }
    const std::string& GetMediaLocation() const { return mediaLocation_; }
    std::int64_t GetPointCount() const { return pointCount_; }
    const std::shared_ptr<CDatabase>& GetDatabase() const { return database_; }
    const std::shared_ptr<CTestNumber>& GetTestNumber() const { return testNumber_; }
    const std::shared_ptr<CCurveNumber>& GetCurveNumber() const { return curveNumber_; }
    const std::vector<korvadb::CCodes>& GetCodes() const { return codes_; }
    const std::shared_ptr<korvadb::CValues>& GetValues() const { return values_; }

    const std::shared_ptr<CBioTest>& GetBioTest() const { return bioTest_; }
    const std::shared_ptr<CComTest>& GetComTest() const { return comTest_; }
    const std::shared_ptr<CVehicleTest>& GetVehicleTest() const { return vehicleTest_; }

    void SetBioListSink(BioListSink sink) { bioSink_ = std::move(sink); }
    void SetComListSink(ComListSink sink) { comSink_ = std::move(sink); }
    void SetVehListSink(VehListSink sink) { vehSink_ = std::move(sink); }
    const std::vector<std::shared_ptr<bio::CSelection>>& GetBioTestList() const { return bioList_; }
    const std::vector<std::shared_ptr<com::CSelection>>& GetComTestList() const { return comList_; }
    const std::vector<std::shared_ptr<veh::CSelection>>& GetVehTestList() const { return vehList_; }

protected:
    // Put the current curve's data into file; the base versions fill the header
    // from the records of the current test and the curve's instrumentation row.
    virtual void FillBioSignal(CUDSFile& file);
    virtual void FillComSignal(CUDSFile& file);
    virtual void FillVehSignal(CUDSFile& file);

    // Throwing forms of the base LoadTest operations, for the concrete agents.
    void BeginLoad(const CTestType& test);
    bool BeginLoad(TestKind kind);
    // Copies the current test of the selected database into test.
    void CopyCurrentTest(CTestType& test) const;

    void SetLastError(const std::string& text) { lastError_ = text; }
    void SetListWarning(const std::string& text) { listWarning_ = text; }
    void SetMediaLocation(const std::string& location) { mediaLocation_ = location; }
    void SetPointCount(std::int64_t count) { pointCount_ = count; }
    std::vector<korvadb::CCodes>& CodeTable() { return codes_; }
    void SetValues(std::shared_ptr<korvadb::CValues> values) { values_ = std::move(values); }

    // Adds a row to the list of its database, or hands it to that list's sink.
    void AddListRow(const std::shared_ptr<bio::CSelection>& row);
    void AddListRow(const std::shared_ptr<com::CSelection>& row);
    void AddListRow(const std::shared_ptr<veh::CSelection>& row);
    // Empties the list of the database before a new one is loaded.
    void ClearTestList(TestKind kind);

    // Runs body; an exception becomes the last-error text and false.
    bool Guard(const std::function<bool()>& body);

private:
    std::string sourceLabel_ = kSourceLabel;
    std::string lastError_;
    std::string listWarning_;
    std::string mediaLocation_;
    std::int64_t pointCount_ = 0;
    std::shared_ptr<CDatabase> database_;
    std::shared_ptr<CTestNumber> testNumber_;
    std::shared_ptr<CCurveNumber> curveNumber_;
    std::vector<korvadb::CCodes> codes_;
    std::shared_ptr<korvadb::CValues> values_;
    std::shared_ptr<CBioTest> bioTest_;
    std::shared_ptr<CComTest> comTest_;
    std::shared_ptr<CVehicleTest> vehicleTest_;
    std::vector<std::shared_ptr<bio::CSelection>> bioList_;
    std::vector<std::shared_ptr<com::CSelection>> comList_;
    std::vector<std::shared_ptr<veh::CSelection>> vehList_;
    BioListSink bioSink_;
    ComListSink comSink_;
    VehListSink vehSink_;
};

}  // namespace ko
