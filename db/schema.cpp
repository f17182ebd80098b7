// SPDX-License-Identifier: GPL-3.0-or-later
#include "db/schema.h"

#include <stdexcept>

#include "core/failure.h"
#include "db/connection.h"
#include "model/biomechanics_test.h"
#include "model/component_test.h"
#include "model/korvadb.h"
#include "model/vehicle_test.h"

namespace ko::db {
namespace {

template <class R>
CTableSpec Table(const char* schema, const char* table, const char* orderBy = "", bool singleRow = false)
{
    CTableSpec spec;
    spec.schema = schema;
    spec.table = table;
    spec.columns = ColumnsOf<R>();
    spec.orderBy = orderBy;
    spec.singleRow = singleRow;
    return spec;
}

CTableSpec Single(CTableSpec spec)
{
    spec.singleRow = true;
    return spec;
}

CTableSpec ProductionOnly(CTableSpec spec)
{
    spec.holdingTwin = false;
    return spec;
}

template <class R>
CTableSpec Media(const char* schema, const char* table, const char* key, const char* number)
{
    CTableSpec spec = ProductionOnly(Table<R>(schema, table));
    spec.key = key;
    spec.orderBy = std::string(key) + ", " + number;
    return spec;
}

// TRACK first, the media tables last; the others in load order.
std::vector<CTableSpec> WithTrackAndMedia(const char* schema, std::vector<CTableSpec> tables)
{
    tables.insert(tables.begin(), Single(ProductionOnly(Table<CTrack>(schema, "TRACK"))));
    tables.push_back(Media<CPhotos>(schema, "PHOTOS", "PHOTOTSTNO", "PHOTONO"));
    tables.push_back(Media<CReports>(schema, "REPORTS", "REPTTSTNO", "REPNO"));
    tables.push_back(Media<CVideos>(schema, "VIDEOS", "VIDEOTSTNO", "CAMNO"));
    return tables;
}

std::vector<CTableSpec> BioTables()
{
    return WithTrackAndMedia(
        "BIODB",
        {Single(Table<bio::CTest>("BIODB", "TEST")), Single(Table<bio::CAnthropometric>("BIODB", "ANTH")),
         Single(Table<bio::CBiologicalOccupant>("BIODB", "BOCC")),
         Table<bio::CChestBandGauge>("BIODB", "GAGE", "BANDNO, GAGENO"),
         Table<bio::CChestBandOccupant>("BIODB", "CHBD", "BANDNO"),
         Single(Table<bio::CDummyOccupant>("BIODB", "DOCC")),
         Table<bio::CInstrumentation>("BIODB", "INST", "CURNO"),
         Table<bio::COccupantInjury>("BIODB", "OCCI", "INJNO"),
         Table<bio::CRestraint>("BIODB", "REST", "RSTNO"), Table<bio::CRibBending>("BIODB", "RIB", "RIBNO")});
}

std::vector<CTableSpec> ComTables()
{
    return WithTrackAndMedia(
        "COMDB",
        {Single(Table<com::CTest>("COMDB", "TEST")), Table<com::CComponent>("COMDB", "COMP", "VEHNO, CMPNO"),
         Table<com::CConfiguration>("COMDB", "CONF", "VEHNO, CMPNO, CNFNO"),
         Table<com::CInstrumentation>("COMDB", "INST", "VEHNO, CMPNO, CNFNO, CURNO"),
         Table<com::CVehicle>("COMDB", "VEH", "VEHNO")});
}

std::vector<CTableSpec> VehTables()
{
    return WithTrackAndMedia(
        "VEHDB",
        {Single(Table<veh::CTest>("VEHDB", "TEST")), Single(Table<veh::CBarrier>("VEHDB", "BAR")),
         Table<veh::CInstrumentation>("VEHDB", "INST", "CURNO"),
         ProductionOnly(Table<veh::CIntrusion>("VEHDB", "INTRUSION")), Table<veh::COccupant>("VEHDB", "OCC"),
         Table<veh::CRestraint>("VEHDB", "REST"), Table<veh::CVehicle>("VEHDB", "VEH")});
}

CTableSpec TextTable(const char* table, std::vector<std::string_view> names, const char* orderBy)
{
    CTableSpec spec;
    spec.schema = "KORVADB";
    spec.table = table;
    for (std::string_view name : names) spec.columns.push_back(CColumn{name, ColumnType::Text, {}});
    spec.key.clear();
    spec.orderBy = orderBy;
    spec.holdingTwin = false;
    return spec;
}

const char* SqlType(ColumnType type)
{
    switch (type) {
        case ColumnType::Int: return "INTEGER";
        case ColumnType::Double: return "DOUBLE PRECISION";
        case ColumnType::Text: return "TEXT";
        default: return "DATE";
    }
}

std::string CreateText(const CTableSpec& spec, bool holding)
{
    std::string text = "CREATE TABLE IF NOT EXISTS " + spec.QualifiedName(holding) + " (";
    bool first = true;
    for (const CColumn& column : spec.columns) {
        if (!column.IsIn(holding ? TableVariant::Holding : TableVariant::Production)) continue;
        text += (first ? "" : ", ") + std::string(column.name) + " " + SqlType(column.type);
        first = false;
    }
    return text + ")";
}

// SQLite names the index's schema, PostgreSQL the table's.
std::string IndexText(const CTableSpec& spec, bool holding, Backend backend)
{
    const std::string table = (holding ? "H_" : "") + spec.table;
    if (backend == Backend::SQLite)
        return "CREATE INDEX IF NOT EXISTS " + spec.schema + "." + table + "_KEY ON " + table + " (" +
               spec.key + ")";
    return "CREATE INDEX IF NOT EXISTS " + table + "_KEY ON " + spec.QualifiedName(holding) + " (" +
           spec.key + ")";
}

}  // namespace

std::string CTableSpec::QualifiedName(bool holding) const
{
    return schema + "." + (holding ? "H_" : "") + table;
}

std::string CTableSpec::SelectList(TableVariant variant) const
{
    std::string list;
    for (const CColumn& column : columns) {
        if (!column.IsIn(variant)) continue;
        if (!list.empty()) list += ", ";
        list += column.name;
    }
    return list;
}

std::string CTableSpec::SelectText(bool holding) const
{
    const bool twin = holding && holdingTwin;
    std::string text = "SELECT " + SelectList(twin ? TableVariant::Holding : TableVariant::Production) +
                       " FROM " + QualifiedName(twin);
    if (!key.empty()) text += " WHERE " + key + "=:" + key + "<int>";
    if (!orderBy.empty()) text += " ORDER BY " + orderBy;
    return text;
}

const std::vector<CTableSpec>& TestTables(TestKind kind)
{
    static const std::vector<CTableSpec> bio = BioTables();
    static const std::vector<CTableSpec> com = ComTables();
    static const std::vector<CTableSpec> veh = VehTables();
    switch (kind) {
        case TestKind::Biomechanics: return bio;
        case TestKind::Component: return com;
        case TestKind::Vehicle: return veh;
        default: throw CFailure("Invalid Database");
    }
}

const CTableSpec& TestTable(TestKind kind, std::string_view table)
{
    for (const CTableSpec& spec : TestTables(kind)) {
        if (spec.table == table) return spec;
    }
    throw CFailure("Unknown table: " + std::string(table));
}

const std::vector<CTableSpec>& CodeTables()
{
    static const std::vector<CTableSpec> tables = [] {
        std::vector<CTableSpec> list{
            TextTable("AIRDEP", {"AIRDEP", "AIRDEPD", "REFERENCE", "AIRDEP_COMMENT"}, "AIRDEP"),
            TextTable("OCCLOC", {"OCCLOC", "OCCLOCD", "REFERENCE", "OCCLOC_COMMENT"}, "OCCLOC"),
            TextTable("USAGE", {"APPLICATION", "USERNAME", "USED"}, "")};
        CTableSpec filter = TextTable("FILTERCLASS", {}, "SENATT, UNITS, SENTYP");
        filter.columns = ColumnsOf<korvadb::CFilterClass>();
        list.insert(list.begin() + 2, filter);
        return list;
    }();
    return tables;
}

std::vector<std::string> SchemaStatements(Backend backend)
{
    std::vector<std::string> statements;
    if (backend == Backend::PostgreSQL) {
        for (const char* schema : kSchemas)
            statements.push_back("CREATE SCHEMA IF NOT EXISTS " + std::string(schema));
    }
    for (TestKind kind : {TestKind::Vehicle, TestKind::Component, TestKind::Biomechanics}) {
        for (const CTableSpec& spec : TestTables(kind)) {
            for (bool holding : {false, true}) {
                if (holding && !spec.holdingTwin) continue;
                statements.push_back(CreateText(spec, holding));
                statements.push_back(IndexText(spec, holding, backend));
            }
        }
    }
    for (const CTableSpec& spec : CodeTables()) statements.push_back(CreateText(spec, false));
    return statements;
}

void CreateSchema(CConnection& connection)
{
    connection.Begin();
    try {
        for (const std::string& statement : SchemaStatements(connection.GetBackend()))
            connection.Execute(statement);
        connection.Commit();
    } catch (...) {
        connection.Rollback();
        throw;
    }
}

}  // namespace ko::db
