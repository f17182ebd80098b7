// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "db/connection.h"

namespace ko::db {

// One SELECT of a batch, as CSelectStream takes it.
struct CSelectPlan {
    std::string text;
    std::vector<ColumnType> columns;
    std::vector<CFieldValue> values;
    int bufferSize = 1;
};

// SELECTs read one after the other. On PostgreSQL all of them are sent at
// once (pipeline mode), each prepared once per session, so the batch costs
// one round trip; their results are taken at the first read, or when the
// session is used for anything else (a later batch included), and held until
// read, so a batch made ahead lets the server work while the caller does.
// Should any of them fail there, and on SQLite, each plan runs as a
// CSelectStream when it is read, with that stream's failures.
class CSelectBatch {
public:
    // connection outlives the batch.
    CSelectBatch(CConnection& connection, std::vector<CSelectPlan> plans);
    ~CSelectBatch();
    CSelectBatch(const CSelectBatch&) = delete;
    CSelectBatch& operator=(const CSelectBatch&) = delete;

    // The next row of plan; false at its end. Reading a plan ends the one read before.
    bool Next(std::size_t plan, std::vector<CFieldValue>& row);
    // Every plan came in the one round trip.
    bool Pipelined() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace ko::db
