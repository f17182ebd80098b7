// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Inside of the database layer: SELECTs sent in one PostgreSQL pipeline.
#include <libpq-fe.h>

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "db/bind_text.h"
#include "db/select_batch.h"

namespace ko::db {

struct CResultDeleter {
    void operator()(PGresult* result) const { PQclear(result); }
};
using CResult = std::unique_ptr<PGresult, CResultDeleter>;

// The statements a session prepared for its pipelines, by their text with
// bind declarations.
struct CPipelineStatements {
    struct CStatement {
        CBoundText bound;  // as sent to the server
        std::string name;
    };
    std::unordered_map<std::string, CStatement> prepared;
    std::vector<std::string> fresh;  // prepared by the last pipeline
    unsigned made = 0;
};

// Sends plans in one pipeline, each prepared once per session; false, out
// of pipeline mode again, when that fails. prepared tells which were
// prepared on the way.
bool SendPipeline(PGconn* connection, const std::vector<CSelectPlan>& plans, CPipelineStatements& statements,
                  std::vector<bool>& prepared);
// The result of the next plan sent; null when it failed.
CResult TakeResult(PGconn* connection, bool prepared, std::size_t columns);
// Reads the rest of a pipeline of plans (results not taken are dropped) and
// leaves pipeline mode; false when the pipeline failed (failed: a result did).
bool EndPipeline(PGconn* connection, std::size_t plans, CPipelineStatements& statements, bool failed);

// Row row of result as the types of columns, as a CSelectStream reads it.
void ReadResultRow(const PGresult* result, int row, const std::vector<ColumnType>& columns,
                   std::vector<CFieldValue>& values);

}  // namespace ko::db
