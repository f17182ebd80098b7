// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/database.h"

#include <array>
#include <stdexcept>

namespace ko {

namespace {

struct DatabaseRow {
    char letter;
    int index;
    TestKind kind;
    const char* name;
    const char* schema;
    const char* description;
    const char* shortName;
};

constexpr std::array<DatabaseRow, 4> kRows{{
    {'v', 1, TestKind::Vehicle, "vehdb", "VEHDB", "Vehicle Database", "veh"},
    {'b', 2, TestKind::Biomechanics, "biodb", "BIODB", "Biomechanics Database", "bio"},
    {'c', 3, TestKind::Component, "comdb", "COMDB", "Component Database", "com"},
    {'t', 4, TestKind::CollisionWarning, "tcadb", "TCADB", "Collision Warning", "tca"},
}};

}  // namespace

CDatabase::CDatabase()
{
    Set("v");
}

void CDatabase::Set(const std::string& value)
{
    if (value.empty()) throw std::invalid_argument("Database value is empty.");
    char first = value.front();
    if (first >= 'A' && first <= 'Z') first = static_cast<char>(first - 'A' + 'a');
    for (const DatabaseRow& row : kRows) {
        if (row.letter != first) continue;
        index_ = row.index;
        kind_ = row.kind;
        name_ = row.name;
        schema_ = row.schema;
        description_ = row.description;
        letter_ = std::string(1, row.letter);
        shortName_ = row.shortName;
        return;
    }
    throw std::invalid_argument("Value: " + value + " is not a valid database.");
}

void CDatabase::SetKind(TestKind kind)
{
    for (const DatabaseRow& row : kRows) {
        if (row.kind == kind) {
            Set(std::string(1, row.letter));
            return;
        }
    }
}

}  // namespace ko
