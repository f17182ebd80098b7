// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Inside of the database layer: the SOCI session behind a CConnection.
#include <soci/soci.h>

#include <functional>
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
    // Takes the results of a batch still in the pipeline; every other use of
    // the session calls Settle first. Before a statement that may write, the
    // batch drops them and reads its plans again when they are read.
    std::function<void(bool keep)> settle;

    void Settle(bool keep)
    {
        if (!settle) return;
        const std::function<void(bool)> take = std::move(settle);
        settle = nullptr;
        take(keep);
    }
};

// A SOCI failure as a CDbError of that statement; "server closed" and
// similar texts of a lost connection keep the server's message.
[[noreturn]] void RethrowSoci(const soci::soci_error& error, const std::string& statement);

}  // namespace ko::db
