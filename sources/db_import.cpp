// SPDX-License-Identifier: GPL-3.0-or-later
#include "sources/db_import.h"

#include <stdexcept>

#include "db/connection.h"
#include "db/schema.h"
#include "sources/data_agent_file.h"
#include "sources/db_records.h"
#include "sources/db_sections.h"

namespace ko {
namespace {

const char* DeclaredType(ColumnType type)
{
    switch (type) {
        case ColumnType::Int: return "<int>";
        case ColumnType::Double: return "<double>";
        case ColumnType::Text: return "<char[4000]>";
        default: return "<timestamp>";
    }
}

// "INSERT INTO schema.table (A, B) VALUES (:A<int>, :B<char[4000]>)"
std::string InsertText(const db::CTableSpec& spec, bool holding)
{
    const TableVariant variant = holding ? TableVariant::Holding : TableVariant::Production;
    std::string values;
    for (const CColumn& column : spec.columns) {
        if (!column.IsIn(variant)) continue;
        values += (values.empty() ? ":" : ", :") + std::string(column.name) + DeclaredType(column.type);
    }
    return "INSERT INTO " + spec.QualifiedName(holding) + " (" + spec.SelectList(variant) + ") VALUES (" +
           values + ")";
}

// Writes the sections of one test into the production or holding tables.
class CSectionWriter {
public:
    CSectionWriter(db::CConnection& connection, TestKind kind, bool holding)
        : connection_(connection), kind_(kind), holding_(holding)
    {
    }

    template <class R, class Get, class Set>
    void Single(const char* table, Get&& get, Set&&)
    {
        if (const auto record = get()) Write(table, *record);
    }
    template <class R, class Get, class Add>
    void List(const char* table, Get&& get, Add&&)
    {
        for (const auto& record : get()) Write(table, *record);
    }

private:
    template <class R>
    void Write(const char* table, const R& record)
    {
        const db::CTableSpec& spec = db::TestTable(kind_, table);
        const bool holding = holding_ && spec.holdingTwin;
        connection_.Execute(InsertText(spec, holding),
                            RecordValues(record, holding ? TableVariant::Holding : TableVariant::Production));
    }

    db::CConnection& connection_;
    TestKind kind_;
    bool holding_;
};

void RemoveTest(db::CConnection& connection, TestKind kind, int number)
{
    for (const db::CTableSpec& spec : db::TestTables(kind)) {
        for (bool holding : {false, true}) {
            if (holding && !spec.holdingTwin) continue;
            connection.Execute("DELETE FROM " + spec.QualifiedName(holding) + " WHERE " + spec.key +
                                   "=:" + spec.key + "<int>",
                               {CFieldValue(number)});
        }
    }
}

template <class Test>
void WriteTest(db::CConnection& connection, Test& test, TestKind kind, int number, bool holding)
{
    auto track =
        test.GetTrack() ? std::make_shared<CTrack>(*test.GetTrack()) : std::make_shared<CTrack>(kind);
    track->SetTSTNO(number);
    if (!test.GetTrack()) {
        track->SetTSTPRF(test.TestRecord().GetTSTPRF());
        track->SetTSTREF(test.TestRecord().GetTSTREF());
    }
    track->SetSTATUS(holding ? "HOLDING" : "PRODUCTION");
    test.SetTrack(track);
    CSectionWriter writer(connection, kind, holding);
    VisitSections(test, writer);
}

template <class Test>
void ImportTest(CDataAgentFile& agent, db::CConnection& connection, TestKind kind, int number, bool holding)
{
    auto test = std::make_shared<Test>();
    if (!agent.LoadTest(static_cast<unsigned>(number), test)) throw std::runtime_error(agent.GetLastError());
    connection.Begin();
    try {
        RemoveTest(connection, kind, number);
        WriteTest(connection, *test, kind, number, holding);
        connection.Commit();
    } catch (...) {
        connection.Rollback();
        throw;
    }
}

}  // namespace

std::vector<CImportFailure> ImportStore(const std::string& storeRoot, db::CConnection& connection,
                                        const std::set<int>& holding, std::vector<int>* imported)
{
    CDataAgentFile agent;
    if (!agent.SetStoreRoot(storeRoot)) throw std::runtime_error(agent.GetLastError());
    db::CreateSchema(connection);
    std::vector<CImportFailure> failures;
    for (TestKind kind : {TestKind::Vehicle, TestKind::Component, TestKind::Biomechanics}) {
        std::vector<int> numbers;
        if (!agent.GetStoreTestNumbers(kind, numbers)) throw std::runtime_error(agent.GetLastError());
        for (int number : numbers) {
            try {
                const bool held = holding.count(number) != 0;
                if (kind == TestKind::Vehicle)
                    ImportTest<CVehicleTest>(agent, connection, kind, number, held);
                if (kind == TestKind::Component) ImportTest<CComTest>(agent, connection, kind, number, held);
                if (kind == TestKind::Biomechanics)
                    ImportTest<CBioTest>(agent, connection, kind, number, held);
                if (imported) imported->push_back(number);
            } catch (const std::exception& e) {
                failures.push_back({kind, number, e.what()});
            }
        }
    }
    return failures;
}

}  // namespace ko
