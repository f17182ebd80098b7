// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Inside of the database layer: bind values and batch buffers of a statement.
#include <soci/soci.h>

#include <ctime>
#include <deque>
#include <string>
#include <vector>

#include "model/field_value.h"

namespace ko::db {

// Owns the values bound by position; they live as long as the statement runs.
class CStatementValues {
public:
    explicit CStatementValues(std::vector<CFieldValue> values) : values_(std::move(values)) {}
    void Bind(soci::statement& statement);
    // New values of the same types, in the places bound before.
    void Assign(const std::vector<CFieldValue>& values);

private:
    std::vector<CFieldValue> values_;
    std::deque<int> ints_;
    std::deque<double> doubles_;
    std::deque<std::string> texts_;
    std::deque<std::tm> dates_;
    std::deque<soci::indicator> indicators_;
};

// One select-list column read in batches.
struct CColumnBuffer {
    ColumnType type = ColumnType::Text;
    std::vector<int> ints;
    std::vector<double> doubles;
    std::vector<std::string> texts;
    std::vector<std::tm> dates;
    std::vector<soci::indicator> indicators;

    void Resize(std::size_t size);
    std::size_t Size() const;
    CFieldValue Value(std::size_t row) const;
};

// A prepared SELECT with its bound values and column buffers. A connection
// keeps the ones it ran for the next run of the same text with the same columns.
struct CPreparedSelect {
    CPreparedSelect(soci::session& session, std::vector<CFieldValue> values)
        : statement(session), uses(std::move(values))
    {
    }

    std::string key;
    soci::statement statement;
    CStatementValues uses;
    std::deque<CColumnBuffer> columns;
    std::size_t bufferSize = 1;
    bool busy = false;    // a stream reads from it
    bool broken = false;  // it failed: not to be run again
};

}  // namespace ko::db
