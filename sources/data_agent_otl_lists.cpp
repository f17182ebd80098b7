// SPDX-License-Identifier: GPL-3.0-or-later
#include <cctype>
#include <stdexcept>

#include "core/failure.h"
#include "db/connection.h"
#include "db/schema.h"
#include "formats/directory.h"
#include "sources/data_agent_otl.h"
#include "sources/db_records.h"

namespace ko {
namespace {

constexpr int kListBuffer = 2000;

// The column names of a statement's select list, prefixes ("t.") dropped, upper case.
std::vector<std::string> SelectNames(const std::string& text)
{
    std::string upper;
    for (char c : text) upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const std::size_t from = upper.find("FROM ");
    std::vector<std::string> names;
    std::string name;
    for (char c : upper.substr(7, from - 7) + ",") {
        if (c == ',') {
            names.push_back(name);
            name.clear();
        } else if (c == '.') {
            name.clear();
        } else if (!std::isspace(static_cast<unsigned char>(c))) {
            name += c;
        }
    }
    return names;
}

const std::vector<std::string>& ListStatements(TestKind kind)
{
    static const std::string bioBocc =
        "SELECT t.tstno, t.tstprf, t.tstprfd, t.tstref, t.clsspd, t.impang, t.occtyp, t.occtypd, t.tstcfn, "
        "t.tstcfnd, b.boccsex, b.boccsexd, b.occage, b.occwt ";
    static const std::string bioDocc =
        "SELECT t.tstno, t.tstprf, t.tstprfd, t.tstref, t.clsspd, t.impang, t.occtyp, t.occtypd, t.tstcfn, "
        "t.tstcfnd, d.doccsex, d.doccsexd, d.dumsiz, d.dumsizd ";
    static const std::string veh =
        "SELECT v.tstno, t.tsttyp, t.tsttypd,t.impang, t.tstcfn, t.clsspd, v.vehno, v.year, v.maked, "
        "v.modeld, "
        "v.body, v.vin, v.vehtwt, v.curbwt, v.vehlen, v.vehwid, v.whlbas ";
    static const std::string com = "SELECT TSTNO, TSTPRF, TSTPRFD, TSTTYP, TSTTYPD, TSTREF ";
    static const std::vector<std::string> bio{
        bioBocc + "FROM biodb.test t, biodb.bocc b  " + "WHERE t.tstno = b.tstno " + "ORDER BY t.tstno",
        bioBocc + "FROM biodb.h_test t, biodb.h_bocc b " + "WHERE t.tstno = b.tstno " + "ORDER BY t.tstno",
        bioDocc + "FROM biodb.test t, biodb.docc d " + "WHERE t.tstno = d.tstno " + "ORDER BY t.tstno",
        bioDocc + "FROM biodb.h_test t, biodb.h_docc d " + "WHERE t.tstno = d.tstno " + "ORDER BY t.tstno"};
    static const std::vector<std::string> comList{com + "FROM COMDB.TEST " + "ORDER BY TSTNO",
                                                  com + "FROM COMDB.H_TEST " + "ORDER BY TSTNO"};
    static const std::vector<std::string> vehList{
        veh + "FROM vehdb.test t, vehdb.veh v " + "WHERE t.tstno = v.tstno " + "ORDER BY t.tstno",
        veh + "FROM vehdb.h_test t, vehdb.h_veh v " + "WHERE t.tstno = v.tstno " + "ORDER BY t.tstno"};
    return kind == TestKind::Biomechanics ? bio : kind == TestKind::Component ? comList : vehList;
}

// Every row of text as a selection row, its columns matched by name.
template <class Selection, class Add>
void ReadList(db::CConnection& connection, const std::string& text, Add&& add)
{
    std::vector<const CField<Selection>*> fields;
    std::vector<ColumnType> types;
    for (const std::string& name : SelectNames(text)) {
        fields.push_back(&Selection::Columns().At(name));
        types.push_back(fields.back()->column.type);
    }
    db::CSelectStream rows(connection, kListBuffer, text, types);
    std::vector<CFieldValue> row;
    while (rows.Next(row)) {
        auto selection = std::make_shared<Selection>();
        for (std::size_t i = 0; i < fields.size(); ++i) fields[i]->SetValue(*selection, row[i]);
        add(selection);
    }
}

}  // namespace

bool CDataAgentOtl::LoadTestList(TestKind kind)
{
    SetListWarning({});
    return Guard([&] {
        if (!kLoadableKinds.Has(kind)) throw CFailure("Invalid Database: ");
        ClearTestList(kind);
        for (const std::string& text : ListStatements(kind)) {
            auto add = [&](const auto& row) { AddListRow(row); };
            if (kind == TestKind::Biomechanics) ReadList<bio::CSelection>(Connection(), text, add);
            if (kind == TestKind::Component) ReadList<com::CSelection>(Connection(), text, add);
            if (kind == TestKind::Vehicle) ReadList<veh::CSelection>(Connection(), text, add);
        }
        return true;
    });
}

bool CDataAgentOtl::LoadCodes(int codeIdentifier, TestKind)
{
    return Guard([&] {
        std::string text;
        if (codeIdentifier == 1)
            text = std::string("SELECT AIRDEP, AIRDEPD, REFERENCE, AIRDEP_COMMENT FROM KORVADB.AIRDEP") +
                   " ORDER BY AIRDEP";
        else if (codeIdentifier == 62)
            text = std::string("SELECT OCCLOC, OCCLOCD, REFERENCE, OCCLOC_COMMENT FROM KORVADB.OCCLOC") +
                   " ORDER BY OCCLOC";
        else
            throw CFailure("Invalid code or code is not supported.");
        db::CSelectStream rows(Connection(), kListBuffer, text, std::vector<ColumnType>(4, ColumnType::Text));
        std::vector<CFieldValue> row;
        CodeTable().clear();
        while (rows.Next(row))
            CodeTable().emplace_back(std::get<std::string>(row[0]), std::get<std::string>(row[1]),
                                     std::get<std::string>(row[2]), std::get<std::string>(row[3]));
        return true;
    });
}

bool CDataAgentOtl::LoadValues(int valueIdentifier)
{
    return Guard([&] {
        if (valueIdentifier != 3) throw CFailure("Invalid value or values is not supported.");
        db::CSelectStream rows(
            Connection(), 1000,
            "SELECT SENATT, UNITS, SENTYP, CLASS FROM KORVADB.FILTERCLASS ORDER BY SENATT, UNITS, SENTYP",
            ColumnTypes<korvadb::CFilterClass>(TableVariant::Production));
        auto values = std::make_shared<korvadb::CValues>();
        std::vector<CFieldValue> row;
        while (rows.Next(row)) {
            auto filterClass = std::make_shared<korvadb::CFilterClass>();
            FillRecord(*filterClass, row, TableVariant::Production);
            values->AddFilterClass(filterClass);
        }
        SetValues(values);
        return true;
    });
}

bool CDataAgentOtl::LoadMedia(TestKind kind, MediaKind mediaKind, unsigned testNumber, int sequenceNumber)
{
    if (!CDataAgent::LoadMedia(kind, mediaKind, testNumber, sequenceNumber)) return false;
    return Guard([&] {
        CDirectory directory;
        directory.SetPathStyle(CDirectory::kSlashStyle);
        directory.SetRoot(udsDrive_);
        directory.SetDatabase(kind);
        directory.SetTestNumber(static_cast<int>(testNumber));
        const char* table = mediaKind == MediaKind::Photo    ? "PHOTOS"
                            : mediaKind == MediaKind::Report ? "REPORTS"
                                                             : "VIDEOS";
        const db::CTableSpec& spec = db::TestTable(kind, table);
        const std::string number = spec.orderBy.substr(spec.orderBy.find(", ") + 2);
        const std::string text = "SELECT " + spec.SelectList(TableVariant::Production) + " FROM " +
                                 spec.QualifiedName(false) + " WHERE " + spec.key + "=:" + spec.key +
                                 "<int> AND " + number + "=:" + number + "<int> ORDER BY " + spec.orderBy;
        std::vector<ColumnType> types;
        for (const CColumn& column : spec.columns) types.push_back(column.type);
        db::CSelectStream rows(Connection(), 500, text, types,
                               {CFieldValue(static_cast<int>(testNumber)), CFieldValue(sequenceNumber)});
        std::vector<CFieldValue> row;
        if (!rows.Next(row)) return true;
        std::string path = mediaKind == MediaKind::Photo    ? directory.GetPhotosDirectory()
                           : mediaKind == MediaKind::Report ? directory.GetReportsDirectory()
                                                            : directory.GetVideosDirectory();
        for (std::size_t i = 0; i < spec.columns.size(); ++i) {
            if (spec.columns[i].name == "FILENAME") path += "/" + std::get<std::string>(row[i]);
        }
        SetMediaLocation(path);
        return true;
    });
}

}  // namespace ko
