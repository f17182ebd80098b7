// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

#include "model/test_kind.h"

namespace ko {

// Which of the agency's databases a test belongs to: always one complete row
// of the four below, the vehicle row by default.
//
//   index kind     name     schema  description              letter short
//   1     0x100    "vehdb"  "VEHDB" "Vehicle Database"        "v"    "veh"
//   2     0x4      "biodb"  "BIODB" "Biomechanics Database"   "b"    "bio"
//   3     0x10     "comdb"  "COMDB" "Component Database"      "c"    "com"
//   4     0x10000  "tcadb"  "TCADB" "Collision Warning"       "t"    "tca"
class CDatabase {
public:
    CDatabase();
    CDatabase(const CDatabase&) = default;
    CDatabase& operator=(const CDatabase&) = default;
    virtual ~CDatabase() = default;

    // Selects the row by the first character of value (B/b, C/c, T/t, V/v; the
    // rest is ignored). Throws std::invalid_argument "Database value is empty."
    // or "Value: <value> is not a valid database." and keeps the previous row.
    void Set(const std::string& value);
    // Selects the row of the kind; TestKind::None changes nothing.
    void SetKind(TestKind kind);

    int GetIndex() const { return index_; }
    TestKind GetKind() const { return kind_; }
    const std::string& GetName() const { return name_; }
    const std::string& GetSchema() const { return schema_; }
    const std::string& GetDescription() const { return description_; }
    const std::string& GetLetter() const { return letter_; }
    const std::string& GetShortName() const { return shortName_; }

private:
    int index_ = 0;
    TestKind kind_ = TestKind::Vehicle;
    std::string name_;
    std::string schema_;
    std::string description_;
    std::string letter_;
    std::string shortName_;
};

}  // namespace ko
