// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Inside of the database layer: the SOCI session behind a CConnection.
#include <soci/soci.h>

#include <list>
#include <memory>
#include <string>

#include "db/connection.h"
#include "db/db_error.h"
#include "db/pipeline.h"
#include "db/statement_values.h"

namespace ko::db {

struct CConnection::Impl {
    Backend backend = Backend::SQLite;
    soci::session session;
    // The SELECTs prepared on this session, most recently used first; they
    // go before the session.
    std::list<std::unique_ptr<CPreparedSelect>> selects;
    CPipelineStatements pipelineStatements;
};

// A SOCI failure as a CDbError of that statement; "server closed" and
// similar texts of a lost connection keep the server's message.
[[noreturn]] void RethrowSoci(const soci::soci_error& error, const std::string& statement);

}  // namespace ko::db
