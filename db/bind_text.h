// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "model/field_value.h"

namespace ko::db {

// A statement text whose bind declarations (":TSTNO<int>", ":NAME<char[31]>",
// ":X<double>") became positional placeholders ":v1", ":v2", ... (or "$1",
// "$2", ... with placeholder "$") in order of appearance. Quoted literals and
// "::" casts are left alone.
struct CBoundText {
    std::string text;
    std::vector<std::string> names;  // "TSTNO"
    std::vector<ColumnType> types;  // int → Int, double/float → Double, char[n] → Text, timestamp → Date
};

// PostgreSQL reserves OFFSET (VEHDB.TEST) and CMAX (BIODB.DOCC, a system
// column name there): outside quotes these words become the quoted
// identifiers "OFFSET" and "CMAX".
std::string QuoteReservedColumns(const std::string& text);

// Throws CDbError for an unknown declared type or an unterminated declaration.
CBoundText TranslateBindDeclarations(std::string_view text, std::string_view placeholder = ":v");

// values converted to the declared types; throws CDbError naming the variable
// when the count differs or a value does not convert.
std::vector<CFieldValue> CheckBindValues(const CBoundText& bound, const std::vector<CFieldValue>& values);

}  // namespace ko::db
