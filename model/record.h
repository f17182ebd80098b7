// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <memory>

#include "model/database.h"
#include "model/test_number.h"

namespace ko {

// Common base of the database record classes: the test number (the TSTNO
// column) and the record's database, shared with its copies. Copying a record
// copies its plain fields and shares its database, security and curve-number
// objects with the copy.
class CRecord : public CTestNumber {
public:
    explicit CRecord(TestKind kind);
    CRecord(const CRecord&) = default;
    CRecord& operator=(const CRecord&) = default;
    ~CRecord() override = default;

    int GetTSTNO() const { return GetNumber(); }
    // Throws the out-of-range text of CTestNumber::Set.
    void SetTSTNO(int number) { Set(number); }

    const std::shared_ptr<CDatabase>& GetDatabase() const { return database_; }

private:
    std::shared_ptr<CDatabase> database_;
};

}  // namespace ko
