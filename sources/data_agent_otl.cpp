// SPDX-License-Identifier: GPL-3.0-or-later
#include "sources/data_agent_otl.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

#include "core/failure.h"
#include "db/connection.h"
#include "db/db_error.h"
#include "db/schema.h"
#include "db/select_batch.h"
#include "sources/db_records.h"
#include "sources/db_sections.h"

namespace ko {
namespace {

// Rows per batch. Every run sizes each column's buffer to the batch, so a
// one-row read asks for one row and the lists for about a test's channels.
constexpr int kTrackBuffer = 1;
constexpr int kSingleBuffer = 1;
constexpr int kListBuffer = 128;

// The variant a test's section is read as: holding tables have twins.
TableVariant SectionVariant(const db::CTableSpec& spec, bool holding)
{
    return holding && spec.holdingTwin ? TableVariant::Holding : TableVariant::Production;
}

// The SELECTs of one test's sections from the production or holding tables,
// in load order.
class CSectionPlanner {
public:
    CSectionPlanner(TestKind kind, int number, bool holding) : kind_(kind), number_(number), holding_(holding)
    {
    }

    template <class R, class Get, class Set>
    void Single(const char* table, Get&&, Set&&)
    {
        Plan<R>(table, true);
    }
    template <class R, class Get, class Add>
    void List(const char* table, Get&&, Add&&)
    {
        Plan<R>(table, false);
    }

    std::vector<db::CSelectPlan> plans;

private:
    template <class R>
    void Plan(const char* table, bool single)
    {
        const db::CTableSpec& spec = db::TestTable(kind_, table);
        const TableVariant variant = SectionVariant(spec, holding_);
        plans.push_back({spec.SelectText(variant == TableVariant::Holding),
                         ColumnTypes<R>(variant),
                         {CFieldValue(number_)},
                         single ? kSingleBuffer : kListBuffer});
    }

    TestKind kind_;
    int number_;
    bool holding_;
};

// Reads the sections of a test from a batch holding a planner's SELECTs for
// them from plan first on.
class CSectionReader {
public:
    CSectionReader(db::CSelectBatch& batch, TestKind kind, bool holding, std::size_t first)
        : batch_(batch), kind_(kind), holding_(holding), plan_(first)
    {
    }

    template <class R, class Get, class Set>
    void Single(const char* table, Get&&, Set&& set)
    {
        Read<R>(table, true, set);
    }
    template <class R, class Get, class Add>
    void List(const char* table, Get&&, Add&& add)
    {
        Read<R>(table, false, add);
    }

private:
    template <class R, class Store>
    void Read(const char* table, bool single, Store& store)
    {
        const TableVariant variant = SectionVariant(db::TestTable(kind_, table), holding_);
        const std::size_t plan = plan_++;
        std::vector<CFieldValue> row;
        while (batch_.Next(plan, row)) {
            auto record = std::make_shared<R>();
            FillRecord(*record, row, variant);
            store(record);
            if (single) break;
        }
    }

    db::CSelectBatch& batch_;
    TestKind kind_;
    bool holding_;
    std::size_t plan_;
};

}  // namespace

std::string FormatDatabaseError(const db::CDbError& error)
{
    std::string message = error.what();
    message.erase(0, message.find_first_not_of(' ') == std::string::npos ? message.size()
                                                                         : message.find_first_not_of(' '));
    if (!message.empty()) return message;
    switch (error.GetCode()) {
        case db::kBadLogin: return "ORA-01017: Login fails: please check your username/password.";
        case db::kNoServer: return "ORA-12560: TNS incorrect";
        case db::kPasswordExpired: return "ORA-28001: The password has expired. Please call the DBA.";
        case db::kPasswordExpiring: return "ORA-28002: The password will expire within days.";
        default: return "Login fails: please check your username/password/database-tns.";
    }
}

CDataAgentOtl::CDataAgentOtl() : curveFile_(std::make_shared<CFile>())
{
    curveFile_->SetKind(kUDSKind);
}

CDataAgentOtl::~CDataAgentOtl() = default;

bool CDataAgentOtl::Login(const std::string& user, const std::string& password)
{
    SetLastError({});
    try {
        ahead_ = {};
        connection_ = std::make_shared<db::CConnection>(tnsName_, db::CLogin{user, password});
        if (connection_->PasswordExpiresSoon())
            SetLastError(FormatDatabaseError(db::CDbError("", db::kPasswordExpiring)));
        return true;
    } catch (const db::CDbError& e) {
        connection_.reset();
        SetLastError(FormatDatabaseError(e));
    }
    return false;
}

void CDataAgentOtl::SetConnection(std::shared_ptr<db::CConnection> connection)
{
    ahead_ = {};
    connection_ = std::move(connection);
}

db::CConnection& CDataAgentOtl::Connection() const
{
    if (!connection_) throw CFailure("Not logged in to the database.");
    return *connection_;
}

void CDataAgentOtl::ReadTrackStatus(db::CSelectBatch& batch)
{
    const int number = GetTestNumber()->GetNumber();
    std::vector<CFieldValue> row;
    if (batch.Next(0, row) && std::get<int>(row[0]) > 0 && std::get<int>(row[0]) == number) {
        std::string status = std::get<std::string>(row[1]);
        if (status.empty()) throw CFailure("Database Status is unknown.");
        std::transform(status.begin(), status.end(), status.begin(),
                       [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
        trackStatus_ = status == "HOLDING" ? kHolding : kProduction;
        return;
    }
    throw CFailure("Test Number: " + std::to_string(number) + " is invalid.");
}

namespace {

// The sections of the current test of kind in holder (an agent).
template <class Holder, class Visitor>
void VisitKindSections(TestKind kind, Holder& holder, Visitor& visitor)
{
    if (kind == TestKind::Biomechanics)
        VisitSections(*holder.GetBioTest(), visitor);
    else if (kind == TestKind::Component)
        VisitSections(*holder.GetComTest(), visitor);
    else
        VisitSections(*holder.GetVehicleTest(), visitor);
}

// The sections a kind's test is read from, planned on an empty aggregate.
CSectionPlanner PlanSections(TestKind kind, int number, bool holding)
{
    CSectionPlanner planner(kind, number, holding);
    if (kind == TestKind::Biomechanics) {
        CBioTest test;
        VisitSections(test, planner);
    } else if (kind == TestKind::Component) {
        CComTest test;
        VisitSections(test, planner);
    } else {
        CVehicleTest test;
        VisitSections(test, planner);
    }
    return planner;
}

}  // namespace

// The status of a test and its production sections, in that order.
std::unique_ptr<db::CSelectBatch> CDataAgentOtl::ProductionBatch(TestKind kind, int number)
{
    std::vector<db::CSelectPlan> plans{
        {"SELECT TSTNO, STATUS FROM " + GetDatabase()->GetSchema() + ".TRACK WHERE TSTNO=:TSTNO<int>",
         {ColumnType::Int, ColumnType::Text},
         {CFieldValue(number)},
         kTrackBuffer}};
    const CSectionPlanner production = PlanSections(kind, number, false);
    plans.insert(plans.end(), production.plans.begin(), production.plans.end());
    return std::make_unique<db::CSelectBatch>(Connection(), std::move(plans));
}

void CDataAgentOtl::PlanTests(TestKind kind, const std::vector<int>& numbers)
{
    ahead_ = {};
    plannedKind_ = kind;
    plannedTests_ = numbers;
}

// Asks for the planned test after number.
void CDataAgentOtl::AskAhead(TestKind kind, int number)
{
    ahead_ = {};
    if (kind != plannedKind_ || !connection_ || connection_->GetBackend() != db::Backend::PostgreSQL) return;
    const auto at = std::find(plannedTests_.begin(), plannedTests_.end(), number);
    if (at == plannedTests_.end() || std::next(at) == plannedTests_.end()) return;
    ahead_.connection = connection_;
    ahead_.kind = kind;
    ahead_.number = *std::next(at);
    ahead_.batch = ProductionBatch(kind, ahead_.number);
}

bool CDataAgentOtl::LoadAllRecords()
{
    trackStatus_ = kProduction;
    const TestKind kind = GetDatabase()->GetKind();
    const int number = GetTestNumber()->GetNumber();
    if (!kLoadableKinds.Has(kind)) return true;
    if ((kind == TestKind::Biomechanics && !GetBioTest()) || (kind == TestKind::Component && !GetComTest()) ||
        (kind == TestKind::Vehicle && !GetVehicleTest()))
        return false;
    // The status and the production sections come in one batch, asked for
    // ahead when the test was planned; a holding test reads its sections in
    // a second one.
    std::unique_ptr<db::CSelectBatch> batch;
    if (ahead_.batch && ahead_.kind == kind && ahead_.number == number && ahead_.connection == connection_)
        batch = std::move(ahead_.batch);
    else
        batch = ProductionBatch(kind, number);
    AskAhead(kind, number);
    ReadTrackStatus(*batch);
    const auto read = [&](db::CSelectBatch& from, bool holding, std::size_t first) {
        CSectionReader reader(from, kind, holding, first);
        VisitKindSections(kind, *this, reader);
    };
    if (trackStatus_ == kHolding) {
        batch.reset();
        db::CSelectBatch holdingBatch(Connection(), PlanSections(kind, number, true).plans);
        read(holdingBatch, true, 0);
    } else {
        read(*batch, false, 1);
    }
    if (kind == TestKind::Biomechanics)
        GetBioTest()->SetTestNumber(number);
    else if (kind == TestKind::Component)
        GetComTest()->SetTestNumber(number);
    else if (!GetVehicleTest()->SetTestNumber(number))
        throw CFailure(GetVehicleTest()->GetLastError());
    return true;
}

bool CDataAgentOtl::LoadGuarded(const std::function<bool()>& body)
{
    const std::string head = "Failure to load test number: " + std::to_string(GetTestNumber()->GetNumber());
    try {
        if (body()) return true;
        SetLastError(head + "\n\r" + "Please check:\n\r" + "1. If UDS files exist.\n\r" +
                     "2. If TRACK.STATUS (PRODUCTION/HOLDING) consists with info in INST/H_INST table.");
        return false;
    } catch (const db::CDbError& e) {
        std::string text = head + "\n" + e.what();
        if (!e.GetStatement().empty()) text += "\n" + e.GetStatement();
        if (!e.GetVariable().empty()) text += "\n" + e.GetVariable();
        SetLastError(text);
    } catch (const std::exception& e) {
        SetLastError(head + "\n" + e.what());
    }
    ClearTests();
    return false;
}

bool CDataAgentOtl::LoadTest(const std::shared_ptr<CTestType>& test)
{
    if (!CDataAgent::LoadTest(test)) return false;
    return LoadGuarded([&] {
        if (!LoadAllRecords()) return false;
        CopyCurrentTest(*test);
        return true;
    });
}

bool CDataAgentOtl::LoadTest(TestKind kind)
{
    if (!CDataAgent::LoadTest(kind)) return false;
    return LoadGuarded([&] { return LoadAllRecords(); });
}

}  // namespace ko
