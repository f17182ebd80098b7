// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Records as rows of their tables: the column types and values of the columns
// a table variant holds, in SELECT order.
#include <vector>

#include "model/column_table.h"

namespace ko {

template <class R>
std::vector<ColumnType> ColumnTypes(TableVariant variant)
{
    std::vector<ColumnType> types;
    for (const auto& field : R::Columns()) {
        if (field.column.IsIn(variant)) types.push_back(field.column.type);
    }
    return types;
}

template <class R>
void FillRecord(R& record, const std::vector<CFieldValue>& row, TableVariant variant)
{
    std::size_t i = 0;
    for (const auto& field : R::Columns()) {
        if (field.column.IsIn(variant) && i < row.size()) field.SetValue(record, row[i++]);
    }
}

template <class R>
std::vector<CFieldValue> RecordValues(const R& record, TableVariant variant)
{
    std::vector<CFieldValue> values;
    for (const auto& field : R::Columns()) {
        if (field.column.IsIn(variant)) values.push_back(field.GetValue(record));
    }
    return values;
}

}  // namespace ko
