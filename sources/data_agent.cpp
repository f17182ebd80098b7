// SPDX-License-Identifier: GPL-3.0-or-later
#include "sources/data_agent.h"

#include <climits>
#include <stdexcept>

#include "core/failure.h"
#include "formats/uds_file.h"
#include "formats/uds_signal.h"
#include "sources/header_filler.h"

namespace ko {
namespace {

constexpr const char* kWrongClass = "Failure to determine the correct database.";

// The kind of a test aggregate's class, or None for any other class.
TestKind KindOf(const CTestType* test)
{
    if (dynamic_cast<const CBioTest*>(test)) return TestKind::Biomechanics;
    if (dynamic_cast<const CComTest*>(test)) return TestKind::Component;
    if (dynamic_cast<const CVehicleTest*>(test)) return TestKind::Vehicle;
    return TestKind::None;
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
        if (!test) throw CFailure(kWrongClass);
        BeginLoad(*test);
        return true;
    });
}

bool CDataAgent::LoadTest(TestKind kind)
{
    return Guard([&] { return BeginLoad(kind); });
}

void CDataAgent::BeginLoad(const CTestType& test)
{
    lastError_.clear();
    const TestKind kind = KindOf(&test);
    if (kind == TestKind::None) throw CFailure(kWrongClass);
    BeginLoad(kind);
}

bool CDataAgent::BeginLoad(TestKind kind)
{
    lastError_.clear();
    switch (kind) {
        case TestKind::Biomechanics: bioTest_ = std::make_shared<CBioTest>(); break;
        case TestKind::Component: comTest_ = std::make_shared<CComTest>(); break;
        case TestKind::Vehicle: vehicleTest_ = std::make_shared<CVehicleTest>(); break;
        case TestKind::CollisionWarning: database_->SetKind(TestKind::Vehicle); return true;
        default: return false;
    }
    database_->SetKind(kind);
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
        throw CFailure(kWrongClass);
    }
}

bool CDataAgent::LoadTestList(TestKind)
{
    return true;
}

bool CDataAgent::Validate()
{
    return true;
}

bool CDataAgent::LoadCodes(int, TestKind)
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

bool CDataAgent::LoadMedia(TestKind kind, MediaKind mediaKind, unsigned, int sequenceNumber)
{
    return Guard([&] {
        if (kind == TestKind::None) throw CFailure("Unknown Database");
        if (mediaKind == MediaKind::None) throw CFailure("Unknown Media");
        if (sequenceNumber <= 0) throw CFailure("Invalid Sequence Number");
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
        const TestKind kind = KindOf(test.get());
        if (kind == TestKind::Biomechanics)
            bioTest_ = std::make_shared<CBioTest>(static_cast<const CBioTest&>(*test));
        else if (kind == TestKind::Component)
            comTest_ = std::make_shared<CComTest>(static_cast<const CComTest&>(*test));
        else if (kind == TestKind::Vehicle)
            vehicleTest_ = std::make_shared<CVehicleTest>(static_cast<const CVehicleTest&>(*test));
        else
            throw CFailure(kWrongClass);
        database_->SetKind(kind);
        return true;
    });
}

void CDataAgent::PlanCurves(TestKind, const CurveList&) {}

void CDataAgent::PlanTests(TestKind, const std::vector<int>&) {}

bool CDataAgent::LoadSignal(std::shared_ptr<CNSignal>& signal)
{
    signal = std::make_shared<CNSignal>();
    CUDSFile file;
    if (!FillSignal(file)) return false;
    const bool done = Guard([&] {
        SetFromUDSFile(*signal, std::move(file));
        return true;
    });
    if (!done) signal = std::make_shared<CNSignal>();
    return done;
}

bool CDataAgent::FillSignal(CUDSFile& file)
{
    return Guard([&] {
        switch (database_->GetKind()) {
            case TestKind::Biomechanics: FillBioSignal(file); break;
            case TestKind::Component: FillComSignal(file); break;
            case TestKind::Vehicle: FillVehSignal(file); break;
            default: throw CFailure("Invalid Database");
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

void CDataAgent::ClearTestList(TestKind kind)
{
    if (kind == TestKind::Biomechanics) bioList_.clear();
    if (kind == TestKind::Component) comList_.clear();
    if (kind == TestKind::Vehicle) vehList_.clear();
}

}  // namespace ko
