// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <set>
#include <string>
#include <vector>

#include "model/test_kind.h"

namespace ko {

namespace db {
class CConnection;
}

struct CImportFailure {
    TestKind kind;
    int number;
    std::string text;
};

// Writes every test of the store root (its records as the file agent reads
// them) into the test database, creating the schema when absent: TRACK.STATUS
// "PRODUCTION", or "HOLDING" with the rows in the H_ tables for the numbers in
// holding. Each test is one transaction that first removes the test's rows, so
// a re-import replaces it and a failure leaves the database as it was. Returns
// the tests that could not be imported; throws std::runtime_error when the
// store cannot be opened.
std::vector<CImportFailure> ImportStore(const std::string& storeRoot, db::CConnection& connection,
                                        const std::set<int>& holding, std::vector<int>* imported = nullptr);

}  // namespace ko
