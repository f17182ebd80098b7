// SPDX-License-Identifier: GPL-3.0-or-later
#include "sources/data_agent_otl.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

#include "core/failure.h"
#include "db/connection.h"
#include "db/db_error.h"
#include "db/schema.h"
#include "sources/db_records.h"
#include "sources/db_sections.h"

namespace ko {
namespace {

// Rows per batch. Every run sizes each column's buffer to the batch, so a
// one-row read asks for one row and the lists for about a test's channels.
constexpr int kTrackBuffer = 1;
constexpr int kSingleBuffer = 1;
constexpr int kListBuffer = 128;

// Reads the sections of one test from the production or holding tables.
class CSectionReader {
public:
    CSectionReader(db::CConnection& connection, TestKind kind, int number, bool holding)
        : connection_(connection), kind_(kind), number_(number), holding_(holding)
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
        const db::CTableSpec& spec = db::TestTable(kind_, table);
        const bool holding = holding_ && spec.holdingTwin;
        const TableVariant variant = holding ? TableVariant::Holding : TableVariant::Production;
        db::CSelectStream rows(connection_, single ? kSingleBuffer : kListBuffer, spec.SelectText(holding),
                               ColumnTypes<R>(variant), {CFieldValue(number_)});
        std::vector<CFieldValue> row;
        while (rows.Next(row)) {
            auto record = std::make_shared<R>();
            FillRecord(*record, row, variant);
            store(record);
            if (single) break;
        }
    }

    db::CConnection& connection_;
    TestKind kind_;
    int number_;
    bool holding_;
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

db::CConnection& CDataAgentOtl::Connection() const
{
    if (!connection_) throw CFailure("Not logged in to the database.");
    return *connection_;
}

void CDataAgentOtl::ReadTrackStatus()
{
    const int number = GetTestNumber()->GetNumber();
    db::CSelectStream rows(
        Connection(), kTrackBuffer,
        "SELECT TSTNO, STATUS FROM " + GetDatabase()->GetSchema() + ".TRACK WHERE TSTNO=:TSTNO<int>",
        {ColumnType::Int, ColumnType::Text}, {CFieldValue(number)});
    std::vector<CFieldValue> row;
    if (rows.Next(row) && std::get<int>(row[0]) > 0 && std::get<int>(row[0]) == number) {
        std::string status = std::get<std::string>(row[1]);
        if (status.empty()) throw CFailure("Database Status is unknown.");
        std::transform(status.begin(), status.end(), status.begin(),
                       [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
        trackStatus_ = status == "HOLDING" ? kHolding : kProduction;
        return;
    }
    throw CFailure("Test Number: " + std::to_string(number) + " is invalid.");
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
    ReadTrackStatus();
    CSectionReader reader(Connection(), kind, number, trackStatus_ == kHolding);
    if (kind == TestKind::Biomechanics) {
        VisitSections(*GetBioTest(), reader);
        GetBioTest()->SetTestNumber(number);
    } else if (kind == TestKind::Component) {
        VisitSections(*GetComTest(), reader);
        GetComTest()->SetTestNumber(number);
    } else {
        VisitSections(*GetVehicleTest(), reader);
        if (!GetVehicleTest()->SetTestNumber(number)) throw CFailure(GetVehicleTest()->GetLastError());
    }
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
