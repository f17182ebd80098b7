// SPDX-License-Identifier: GPL-3.0-or-later
// What velder-serve answers, independent of the HTTP library: the test file,
// one curve, the test list, the filter-class values and media of a test store.
#pragma once
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <utility>

#include "model/test_kind.h"
#include "model/test_type.h"

namespace ko {
class CDataAgentOtl;
}

namespace serve {

// A test database whose curves live in the store root (the UDS store).
struct DatabaseSource {
    std::string url;  // "sqlite:DIR", "postgresql://HOST:PORT/DBNAME"
    std::string user;
    std::string password;
};

struct Reply {
    int status = 200;
    std::string contentType = "text/plain";
    std::string body;
};

// Query parameters by name as the request gave them (names as sent).
using Query = std::multimap<std::string, std::string>;

// Safe for concurrent requests: every request reads through its own file
// agent, or through the one database session under its own mutex; loaded tests
// are kept, read-only, in a cache guarded by a mutex.
class StoreService {
public:
    explicit StoreService(std::string root);
    // Tests and test lists from the database, curves from the UDS store root;
    // throws std::runtime_error with the login text when the login fails.
    StoreService(std::string root, const DatabaseSource& database);
    ~StoreService();

    Reply Transfer(const Query& query);
    Reply FilterClass() const;
    Reply Media(const Query& query) const;

private:
    Reply TestFile(ko::TestKind kind, int number);
    Reply Curve(ko::TestKind kind, int number, int curve);
    Reply TestList(ko::TestKind kind);
    // The loaded test, or null when the store has no such test; throws the
    // agent's text when the test exists but cannot be read.
    std::shared_ptr<ko::CTestType> Test(ko::TestKind kind, int number);

    std::string root_;
    std::shared_ptr<ko::CDataAgentOtl> database_;  // null: the file source
    std::mutex databaseMutex_;
    std::mutex mutex_;
    std::map<std::pair<ko::TestKind, int>, std::shared_ptr<ko::CTestType>> tests_;
};

}  // namespace serve
