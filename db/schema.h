// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "model/column_table.h"
#include "model/test_kind.h"

namespace ko::db {

class CConnection;
enum class Backend;

// One table of the test database, its columns taken from a record class's
// column table. Tables with a holding twin also exist as "H_" + name, with the
// columns of the holding variant (SECURITY left out).
struct CTableSpec {
    std::string schema;  // "VEHDB"
    std::string table;   // "INST"
    std::vector<CColumn> columns;
    std::string key = "TSTNO";  // the test-number column
    std::string orderBy;        // "CURNO", "" for none
    bool singleRow = false;
    bool holdingTwin = true;

    std::string QualifiedName(bool holding) const;
    std::string SelectList(TableVariant variant) const;
    // "SELECT cols FROM schema.[H_]table WHERE key=:key<int>[ ORDER BY ...]"
    std::string SelectText(bool holding) const;
};

template <class R>
std::vector<CColumn> ColumnsOf()
{
    std::vector<CColumn> columns;
    for (const auto& field : R::Columns()) columns.push_back(field.column);
    return columns;
}

// The per-test tables of a test kind, in load order (TRACK first, the media
// tables last); throws std::logic_error for another kind.
const std::vector<CTableSpec>& TestTables(TestKind kind);
// The table of a kind by name ("INST"); throws std::logic_error when unknown.
const CTableSpec& TestTable(TestKind kind, std::string_view table);
// KORVADB.AIRDEP, KORVADB.OCCLOC, KORVADB.FILTERCLASS and KORVADB.USAGE.
const std::vector<CTableSpec>& CodeTables();

// CREATE SCHEMA / CREATE TABLE IF NOT EXISTS for every table and twin.
std::vector<std::string> SchemaStatements(Backend backend);
void CreateSchema(CConnection& connection);

}  // namespace ko::db
