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

}  // namespace ko::db
