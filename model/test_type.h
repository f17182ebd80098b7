// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <memory>
#include <string>

#include "model/database.h"

namespace ko {

// Base of the three test aggregates: the database of the test (shared by
// copies) and the text of the last failure swallowed by an aggregate operation.
class CTestType {
public:
    CTestType();
    CTestType(const CTestType&) = default;
    CTestType& operator=(const CTestType&) = default;
    virtual ~CTestType() = default;

    // Forwards to CDatabase::SetKind; a failure on the way becomes the
    // last-error text instead of propagating.
    void SetDatabase(TestKind kind);

    const std::shared_ptr<CDatabase>& GetDatabase() const { return database_; }
    const std::string& GetLastError() const { return lastError_; }
    void SetLastError(const std::string& text) { lastError_ = text; }

private:
    std::shared_ptr<CDatabase> database_;
    std::string lastError_;
};

}  // namespace ko
