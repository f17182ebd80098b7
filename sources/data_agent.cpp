// SPDX-License-Identifier: GPL-3.0-or-later
#include "sources/data_agent.h"

#include <climits>
#include <stdexcept>

#include "formats/uds_file.h"
#include "sources/header_filler.h"

namespace ko {
namespace {

constexpr const char* kWrongClass = "Failure to determine the correct database.";

// The kind code of a test aggregate's class, or 0 for any other class.
int KindOf(const CTestType* test)
{
    if (dynamic_cast<const CBioTest*>(test)) return kBiomechanicsKind;
    if (dynamic_cast<const CComTest*>(test)) return kComponentKind;
    if (dynamic_cast<const CVehicleTest*>(test)) return kVehicleKind;
    return 0;
}

// Numbers above INT_MAX cannot reach the range checks as int; kMaximum + 1
// fails them the same way, so the text is composed for the real number.
template <class Number>
void SetChecked(Number& target, unsigned value, const char* label, const std::string& tail)
{
    if (value > static_cast<unsigned>(INT_MAX))
        throw std::out_of_range(std::string(label) + std::to_string(value) + tail);
    target.Set(static_cast<int>(value));
}

// The current test, or the kind's "Invalid ... Test" failure when there is none.
template <class Test>
const Test& Current(const std::shared_ptr<Test>& test)
{
    if (!test) Test().TestRecord();  // throws: an empty test has no test record
    return *test;
}

}  // namespace

CDataAgent::CDataAgent()
    : database_(std::make_shared<CDatabase>()),
      testNumber_(std::make_shared<CTestNumber>()),
      curveNumber_(std::make_shared<CCurveNumber>())
{
}

bool CDataAgent::Guard(const std::function<bool()>& body)
{
    try {
        return body();
    } catch (const std::exception& e) {
        lastError_ = e.what();
    } catch (...) {
        lastError_ = "Unknown failure.";
    }
    return false;
}

bool CDataAgent::LoadTest(unsigned testNumber, const std::shared_ptr<CTestType>& test)
{
    return SetTestNumber(testNumber) && LoadTest(test);
}

bool CDataAgent::LoadTest(const std::shared_ptr<CTestType>& test)
{
    return Guard([&] {
        lastError_.clear();
        if (!test) throw std::logic_error(kWrongClass);
        BeginLoad(*test);
        return true;
    });
}

bool CDataAgent::LoadTest(int kindCode)
{
    return Guard([&] { return BeginLoad(kindCode); });
}

void CDataAgent::BeginLoad(const CTestType& test)
{
    lastError_.clear();
    const int kind = KindOf(&test);
    if (kind == 0) throw std::logic_error(kWrongClass);
    BeginLoad(kind);
}

bool CDataAgent::BeginLoad(int kindCode)
{
    lastError_.clear();
    switch (kindCode) {
        case kBiomechanicsKind: bioTest_ = std::make_shared<CBioTest>(); break;
        case kComponentKind: comTest_ = std::make_shared<CComTest>(); break;
        case kVehicleKind: vehicleTest_ = std::make_shared<CVehicleTest>(); break;
        case kCollisionWarningKind: database_->SetKind(kVehicleKind); return true;
        default: return false;
    }
    database_->SetKind(kindCode);
    return true;
}

void CDataAgent::CopyCurrentTest(CTestType& test) const
{
    if (auto* bio = dynamic_cast<CBioTest*>(&test)) {
        *bio = Current(bioTest_);
    } else if (auto* com = dynamic_cast<CComTest*>(&test)) {
        *com = Current(comTest_);
    } else if (auto* vehicle = dynamic_cast<CVehicleTest*>(&test)) {
        *vehicle = Current(vehicleTest_);
    } else {
        throw std::logic_error(kWrongClass);
    }
}

bool CDataAgent::LoadTestList(int)
{
    return true;
}

bool CDataAgent::Validate()
{
    return true;
}

bool CDataAgent::LoadCodes(int, int)
{
    return true;
}

bool CDataAgent::LoadValues(int)
{
    return Guard([&] {
        if (!values_) values_ = std::make_shared<korvadb::CValues>();
        return true;
    });
}

bool CDataAgent::LoadMedia(int kindCode, int mediaKind, unsigned, int sequenceNumber)
{
    return Guard([&] {
        if (kindCode == kNoKind) throw std::logic_error("Unknown Database");
        if (mediaKind == kNoKind) throw std::logic_error("Unknown Media");
        if (sequenceNumber <= 0) throw std::logic_error("Invalid Sequence Number");
        return true;
    });
}

bool CDataAgent::SetTestNumber(unsigned testNumber)
{
    return Guard([&] {
        SetChecked(*testNumber_, testNumber, "Test Number: ",
                   " is out of range.  Range " + std::to_string(CTestNumber::kMinimum) + " to " +
                       std::to_string(CTestNumber::kMaximum));
        return true;
    });
}

bool CDataAgent::SetCurveNumber(unsigned curveNumber)
{
    return Guard([&] {
        SetChecked(*curveNumber_, curveNumber, "Curve Number: ", " is out of range.");
        return true;
    });
}

bool CDataAgent::SetTest(const std::shared_ptr<CTestType>& test)
{
    return Guard([&] {
        const int kind = KindOf(test.get());
        if (kind == kBiomechanicsKind)
            bioTest_ = std::make_shared<CBioTest>(static_cast<const CBioTest&>(*test));
        else if (kind == kComponentKind)
            comTest_ = std::make_shared<CComTest>(static_cast<const CComTest&>(*test));
        else if (kind == kVehicleKind)
            vehicleTest_ = std::make_shared<CVehicleTest>(static_cast<const CVehicleTest&>(*test));
        else
            throw std::logic_error(kWrongClass);
        database_->SetKind(kind);
        return true;
    });
}

bool CDataAgent::LoadSignal(std::shared_ptr<CNSignal>& signal)
{
    signal = std::make_shared<CNSignal>();
    CUDSFile file;
    if (!FillSignal(file)) return false;
    const bool done = Guard([&] {
        signal->SetFromUDSFile(std::move(file));
        return true;
    });
    if (!done) signal = std::make_shared<CNSignal>();
    return done;
}

bool CDataAgent::FillSignal(CUDSFile& file)
{
    return Guard([&] {
        switch (database_->GetKind()) {
            case kBiomechanicsKind: FillBioSignal(file); break;
            case kComponentKind: FillComSignal(file); break;
            case kVehicleKind: FillVehSignal(file); break;
            default: throw std::logic_error("Invalid Database");
        }
        return true;
    });
}

void CDataAgent::ClearTests()
{
    bioTest_.reset();
    comTest_.reset();
    vehicleTest_.reset();
}

void CDataAgent::FillBioSignal(CUDSFile& file)
{
    FillBioHeader(file, Current(bioTest_), curveNumber_->GetNumber());
}

void CDataAgent::FillComSignal(CUDSFile& file)
{
    FillComHeader(file, Current(comTest_), curveNumber_->GetNumber());
}

void CDataAgent::FillVehSignal(CUDSFile& file)
{
    FillVehHeader(file, Current(vehicleTest_), curveNumber_->GetNumber());
}

void CDataAgent::AddListRow(const std::shared_ptr<bio::CSelection>& row)
{
    if (bioSink_)
        bioSink_(row);
    else
        bioList_.push_back(row);
}

void CDataAgent::AddListRow(const std::shared_ptr<com::CSelection>& row)
{
    if (comSink_)
        comSink_(row);
    else
        comList_.push_back(row);
}

void CDataAgent::AddListRow(const std::shared_ptr<veh::CSelection>& row)
{
    if (vehSink_)
        vehSink_(row);
    else
        vehList_.push_back(row);
}

void CDataAgent::ClearTestList(int kindCode)
{
    if (kindCode == kBiomechanicsKind) bioList_.clear();
    if (kindCode == kComponentKind) comList_.clear();
    if (kindCode == kVehicleKind) vehList_.clear();
}

}  // namespace ko
