// SPDX-License-Identifier: GPL-3.0-or-later
#include "sources/data_agent_otl.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>

#include "db/connection.h"
#include "db/db_error.h"
#include "db/schema.h"
#include "db/select_batch.h"
#include "formats/directory.h"
#include "samples/sample_store.h"
#include "sources/data_agent_file.h"
#include "sources/db_import.h"
#include "sources/db_sections.h"

namespace {

using namespace ko;
namespace fs = std::filesystem;

// Every record of a test as "TABLE COLUMN=text" lines; TRACK left out (only
// the database has one), SECURITY too when asked.
class CDump {
public:
    explicit CDump(bool withSecurity) : withSecurity_(withSecurity) {}
    template <class R, class Get, class Set>
    void Single(const char* table, Get&& get, Set&&)
    {
        if (const auto record = get()) Record(table, *record);
    }
    template <class R, class Get, class Add>
    void List(const char* table, Get&& get, Add&&)
    {
        for (const auto& record : get()) Record(table, *record);
    }
    std::vector<std::string> lines;

private:
    template <class R>
    void Record(const std::string& table, const R& record)
    {
        if (table == "TRACK") return;
        VisitFields(record, [&](const CColumn& column, const std::string& text) {
            if (withSecurity_ || column.name != "SECURITY")
                lines.push_back(table + " " + std::string(column.name) + "=" + text);
        });
    }
    bool withSecurity_;
};

std::vector<std::string> Dump(CVehicleTest& test, bool withSecurity = true)
{
    CDump dump(withSecurity);
    VisitSections(test, dump);
    return dump.lines;
}

// The sample store imported once into a database (vehicle test 102 held),
// opened by every test with a fresh agent. VELDER_TEST_DB_URL runs the same
// cases against another database (the PostgreSQL label sets it).
class DatabaseAgent : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        root_ = fs::temp_directory_path() / ("velder_otl_" + std::to_string(getpid()));
        fs::remove_all(root_);
        WriteSampleStore((root_ / "store").string());
        const char* url = std::getenv("VELDER_TEST_DB_URL");
        url_ = url ? url : "sqlite:" + (root_ / "db").string();
        db::CConnection connection(url_, Login(), true);
        const auto failures = ImportStore((root_ / "store").string(), connection, {102});
        for (const auto& failure : failures) ADD_FAILURE() << failure.number << ": " << failure.text;
    }
    static void TearDownTestSuite() { fs::remove_all(root_); }
    static db::CLogin Login()
    {
        const char* user = std::getenv("VELDER_TEST_DB_USER");
        const char* password = std::getenv("VELDER_DB_PASSWORD");
        return {user ? user : "", password ? password : ""};
    }

    void SetUp() override
    {
        agent_.SetTnsName(url_);
        agent_.SetUDSDrive(Store());
        ASSERT_TRUE(agent_.Login(Login().user, Login().password)) << agent_.GetLastError();
    }
    void Sql(const std::string& text) { agent_.GetConnection()->Execute(text); }
    static std::string Store() { return (root_ / "store").string(); }
    std::shared_ptr<CVehicleTest> Load(unsigned number)
    {
        auto test = std::make_shared<CVehicleTest>();
        return agent_.LoadTest(number, test) ? test : nullptr;
    }
    std::shared_ptr<CVehicleTest> LoadFromFiles(unsigned number)
    {
        CDataAgentFile files;
        EXPECT_TRUE(files.SetStoreRoot(Store()));
        auto test = std::make_shared<CVehicleTest>();
        EXPECT_TRUE(files.LoadTest(number, test)) << files.GetLastError();
        return test;
    }

    static inline fs::path root_;
    static inline std::string url_;
    CDataAgentOtl agent_;
};

TEST_F(DatabaseAgent, RecordsAndCurvesAsTheFileSourceReadsThem)
{
    for (unsigned number : {101u, 103u}) {
        const auto test = Load(number);
        ASSERT_TRUE(test) << agent_.GetLastError();
        EXPECT_EQ(Dump(*test), Dump(*LoadFromFiles(number))) << number;
        EXPECT_EQ(test->GetTrack()->GetSTATUS(), "PRODUCTION");
    }
    // Holding: read from the H_ tables, which have no SECURITY.
    const auto held = Load(102);
    ASSERT_TRUE(held) << agent_.GetLastError();
    EXPECT_EQ(agent_.GetTrackStatus(), CDataAgentOtl::kHolding);
    EXPECT_EQ(Dump(*held, false), Dump(*LoadFromFiles(102), false));
    EXPECT_EQ(held->TestRecord().GetSECURITY(), CSecurity().GetText());

    CDataAgentFile files;
    ASSERT_TRUE(files.SetStoreRoot(Store()));
    const auto fromFiles = LoadFromFiles(101);
    ASSERT_TRUE(agent_.SetTest(Load(101)) && files.SetTest(fromFiles) && files.SetTestNumber(101));
    for (const auto& row : fromFiles->GetInstrumentations()) {
        if (row->GetDASTAT() == "NO") continue;
        std::shared_ptr<CNSignal> fromDb, fromFile;
        ASSERT_TRUE(agent_.SetCurveNumber(row->GetCURNO()) && agent_.LoadSignal(fromDb))
            << agent_.GetLastError();
        ASSERT_TRUE(files.SetCurveNumber(row->GetCURNO()) && files.LoadSignal(fromFile))
            << files.GetLastError();
        EXPECT_EQ(fromDb->GetY(), fromFile->GetY());
        EXPECT_EQ(fromDb->GetFileName(), fromFile->GetFileName());
    }
}

TEST_F(DatabaseAgent, TestListProductionBeforeHolding)
{
    ASSERT_TRUE(agent_.LoadTestList(TestKind::Vehicle)) << agent_.GetLastError();
    std::vector<int> numbers;
    for (const auto& row : agent_.GetVehTestList()) numbers.push_back(row->GetTSTNO());
    ASSERT_FALSE(numbers.empty());
    EXPECT_EQ(numbers.back(), 102);
    EXPECT_TRUE(std::is_sorted(numbers.begin(), numbers.end() - 1));
    EXPECT_FALSE(agent_.LoadTestList(TestKind::CollisionWarning));
    EXPECT_EQ(agent_.GetLastError(), "Invalid Database: ");
    EXPECT_FALSE(agent_.LoadCodes(2, TestKind::Vehicle));
    EXPECT_EQ(agent_.GetLastError(), "Invalid code or code is not supported.");
}

TEST_F(DatabaseAgent, BadTestsFailWholeWithTheirTexts)
{
    auto test = std::make_shared<CVehicleTest>();
    EXPECT_FALSE(agent_.LoadTest(999, test));
    EXPECT_EQ(agent_.GetLastError(), "Failure to load test number: 999\nTest Number: 999 is invalid.");
    EXPECT_FALSE(agent_.GetVehicleTest());
    EXPECT_FALSE(test->GetTest());

    Sql("UPDATE VEHDB.TRACK SET STATUS='holding' WHERE TSTNO=102");
    EXPECT_TRUE(Load(102)) << agent_.GetLastError();
    Sql("UPDATE VEHDB.TRACK SET STATUS='' WHERE TSTNO=102");
    EXPECT_FALSE(Load(102));
    EXPECT_EQ(agent_.GetLastError(), "Failure to load test number: 102\nDatabase Status is unknown.");
    Sql("UPDATE VEHDB.TRACK SET STATUS='HOLDING' WHERE TSTNO=102");
}

// Tests asked for ahead load as they load alone: an unknown and a holding
// test among them, the session writing or reading a list between two loads,
// a test loaded out of the plan's order.
TEST_F(DatabaseAgent, PlannedTestsLoadAsAlone)
{
    std::map<unsigned, std::vector<std::string>> alone;
    for (unsigned number : {101u, 102u, 103u}) {
        const auto test = Load(number);
        ASSERT_TRUE(test) << agent_.GetLastError();
        alone[number] = Dump(*test);
    }
    agent_.PlanTests(TestKind::Vehicle, {101, 103, 999, 102, 103});
    ASSERT_TRUE(Load(101));
    EXPECT_EQ(Dump(*Load(101)), alone[101]) << "out of order";
    Sql("UPDATE VEHDB.TRACK SET STATUS='' WHERE TSTNO=103");
    EXPECT_FALSE(Load(103)) << "103 was asked for before the session changed it";
    EXPECT_EQ(agent_.GetLastError(), "Failure to load test number: 103\nDatabase Status is unknown.");
    Sql("UPDATE VEHDB.TRACK SET STATUS='PRODUCTION' WHERE TSTNO=103");
    EXPECT_FALSE(Load(999));
    EXPECT_EQ(agent_.GetLastError(), "Failure to load test number: 999\nTest Number: 999 is invalid.");
    ASSERT_TRUE(agent_.LoadTestList(TestKind::Vehicle)) << agent_.GetLastError();
    const auto held = Load(102);
    ASSERT_TRUE(held) << agent_.GetLastError();
    EXPECT_EQ(agent_.GetTrackStatus(), CDataAgentOtl::kHolding);
    EXPECT_EQ(Dump(*held), alone[102]);
    const auto last = Load(103);
    ASSERT_TRUE(last) << agent_.GetLastError();
    EXPECT_EQ(Dump(*last), alone[103]);
    agent_.PlanTests(TestKind::Vehicle, {});
}

// A row as comparable text; a date by all its fields.
std::string RowText(const std::vector<CFieldValue>& row)
{
    std::string text;
    for (const CFieldValue& value : row) {
        if (const std::tm* date = std::get_if<std::tm>(&value)) {
            for (int field : {date->tm_year, date->tm_mon, date->tm_mday, date->tm_hour, date->tm_min,
                              date->tm_sec, date->tm_wday, date->tm_yday})
                text += std::to_string(field) + '.';
        } else if (const double* real = std::get_if<double>(&value)) {
            char buffer[40];
            std::snprintf(buffer, sizeof buffer, "%a", *real);
            text += buffer;
        } else {
            text += FormatFieldValue(value);
        }
        text += '|';
    }
    return text;
}

// A batch reads every section of a test as one stream per SELECT does, with
// a NULL bind value and a failing SELECT among them; on PostgreSQL in one
// pipeline unless one of them fails.
TEST_F(DatabaseAgent, BatchReadsTheRowsOfItsStatements)
{
    db::CConnection& connection = *agent_.GetConnection();
    const bool server = connection.GetBackend() == db::Backend::PostgreSQL;
    const auto plan = [](const std::string& table, std::vector<ColumnType> columns, CFieldValue value) {
        return db::CSelectPlan{"SELECT * FROM VEHDB." + table + " WHERE TSTNO=:TSTNO<int> ORDER BY 1, 2",
                               std::move(columns),
                               {std::move(value)},
                               3};
    };
    const auto columns = [&](const std::string& table) {
        std::vector<ColumnType> types;
        for (const CColumn& column : db::TestTable(TestKind::Vehicle, table.c_str()).columns)
            types.push_back(column.type);
        return types;
    };
    std::vector<db::CSelectPlan> plans;
    for (const char* table : {"TEST", "INST", "VEH", "OCC", "REST"})
        plans.push_back(plan(table, columns(table), CFieldValue(101)));
    plans.push_back({"SELECT TSTNO, TSTDAT FROM VEHDB.TEST WHERE TSTDAT=:D<timestamp> OR TSTNO=:N<int>",
                     {ColumnType::Int, ColumnType::Date},
                     {std::tm{}, CFieldValue(101)},
                     1});
    const auto streamed = [&](const db::CSelectPlan& planned) {
        std::vector<std::string> rows;
        db::CSelectStream stream(connection, planned.bufferSize, planned.text, planned.columns,
                                 planned.values);
        for (std::vector<CFieldValue> row; stream.Next(row);) rows.push_back(RowText(row));
        return rows;
    };
    const auto batched = [](db::CSelectBatch& batch, std::size_t index) {
        std::vector<std::string> rows;
        for (std::vector<CFieldValue> row; batch.Next(index, row);) rows.push_back(RowText(row));
        return rows;
    };
    {
        db::CSelectBatch batch(connection, plans);
        EXPECT_EQ(batch.Pipelined(), server);
        for (std::size_t i = 0; i < plans.size(); ++i) {
            const auto rows = batched(batch, i);
            EXPECT_FALSE(rows.empty()) << plans[i].text;
            EXPECT_EQ(rows, streamed(plans[i])) << plans[i].text;
        }
    }
    plans.insert(plans.begin() + 2, plan("NO_SUCH_TABLE", {ColumnType::Int}, CFieldValue(101)));
    std::string streamFailure, batchFailure;
    try {
        streamed(plans[2]);
    } catch (const db::CDbError& e) {
        streamFailure = e.what();
    }
    EXPECT_FALSE(streamFailure.empty());
    db::CSelectBatch batch(connection, plans);
    EXPECT_FALSE(batch.Pipelined());
    EXPECT_EQ(batched(batch, 1), streamed(plans[1]));
    try {
        batched(batch, 2);
    } catch (const db::CDbError& e) {
        batchFailure = e.what();
    }
    EXPECT_EQ(batchFailure, streamFailure);
    EXPECT_EQ(batched(batch, 3), streamed(plans[3])) << "the session reads on after the failure";
}

// A session the server drops, or an SQLite database another program holds
// locked: the load fails whole with the database's text, nothing half loaded.
TEST_F(DatabaseAgent, LostOrLockedDatabaseFailsTheLoadWhole)
{
    ASSERT_TRUE(Load(103));
    db::CConnection other(url_, Login());
    if (agent_.GetConnection()->GetBackend() == db::Backend::PostgreSQL) {
        db::CSelectStream pid(*agent_.GetConnection(), 1, "SELECT pg_backend_pid()", {ColumnType::Int});
        std::vector<CFieldValue> row;
        ASSERT_TRUE(pid.Next(row));
        other.Execute("SELECT pg_terminate_backend(:PID<int>)", {row[0]});
    } else {
        other.Execute("BEGIN EXCLUSIVE");
        other.Execute("UPDATE VEHDB.TRACK SET STATUS=STATUS WHERE TSTNO=103");
    }
    EXPECT_FALSE(Load(103));
    const std::string text = agent_.GetLastError();
    EXPECT_EQ(text.rfind("Failure to load test number: 103\n", 0), 0u) << text;
    EXPECT_GT(text.size(), std::string("Failure to load test number: 103\n").size())
        << "the database's own text";
    EXPECT_FALSE(agent_.GetVehicleTest());
    if (agent_.GetConnection()->GetBackend() == db::Backend::SQLite) {
        other.Rollback();
        EXPECT_TRUE(Load(103)) << "the lock is gone: " << agent_.GetLastError();
    }
}

TEST_F(DatabaseAgent, CurveFailuresNameTheCurve)
{
    const auto test = Load(103);
    ASSERT_TRUE(test);
    const auto row = test->GetInstrumentations().front();
    const std::string curve = row->GetCurveNumber()->GetText();
    std::shared_ptr<CNSignal> signal;
    auto fails = [&](const std::function<void(veh::CInstrumentation&)>& change) {
        auto copy = std::make_shared<CVehicleTest>(*test);
        auto changed = std::make_shared<veh::CInstrumentation>(*row);
        change(*changed);
        auto rows = copy->GetInstrumentations();
        rows.front() = changed;
        copy->SetInstrumentations(rows);
        EXPECT_TRUE(agent_.SetTest(copy) && agent_.SetCurveNumber(row->GetCURNO()));
        EXPECT_FALSE(agent_.LoadSignal(signal));
        return agent_.GetLastError();
    };
    const int points = row->GetNLP() - row->GetNFP() + 1;
    EXPECT_EQ(fails([](auto& r) { r.SetNLP(r.GetNLP() + 1); }),
              "Number of points " + std::to_string(points) + " in signal file '" + row->GetSIGNALNAME() +
                  "' does not match ( NLP - NFP + 1 ) = " + std::to_string(points + 1) +
                  " for Curve Number: " + curve);
    EXPECT_EQ(fails([](auto& r) { r.SetDASTAT("NO"); }), "Curve Number: " + curve + " has DASTAT = 'NO'.");
    EXPECT_EQ(fails([](auto& r) { r.SetSIGNALNAME(""); }),
              "Curve Number: " + curve + " has empty signal name.");
    CDirectory directory;
    directory.SetPathStyle(CDirectory::kSlashStyle);
    directory.SetRoot(Store());
    directory.SetDatabase(TestKind::Vehicle);
    directory.SetTestNumber(103);
    const fs::path file = fs::path(directory.GetUDSDirectory()) / row->GetSIGNALNAME();
    // A named file that is there fails as it is; one that is not there is looked for by curve number.
    const fs::path broken = file.parent_path() / "broken.uds";
    std::ofstream(broken, std::ios::binary) << std::string(100, 'x');
    EXPECT_EQ(fails([](auto& r) { r.SetSIGNALNAME("broken.uds"); }),
              "File size not a multiple of 512 bytes.");
    fs::remove(broken);
    auto renamed = std::make_shared<CVehicleTest>(*test);
    auto rows = renamed->GetInstrumentations();
    rows.front() = std::make_shared<veh::CInstrumentation>(*row);
    rows.front()->SetSIGNALNAME("missing.uds");
    renamed->SetInstrumentations(rows);
    ASSERT_TRUE(agent_.SetTest(renamed) && agent_.SetCurveNumber(row->GetCURNO()));
    ASSERT_TRUE(agent_.LoadSignal(signal)) << agent_.GetLastError();
    EXPECT_EQ(signal->GetFileName(), row->GetSIGNALNAME());

    fs::rename(file, file.string() + ".away");
    EXPECT_EQ(fails([](auto&) {}),
              "A UDS file was not found for Curve Number: " + std::to_string(row->GetCURNO()));
    fs::rename(file.string() + ".away", file);
}

}  // namespace
