// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "document/signal_title.h"
#include "model/record_list.h"

namespace ko {

// Sorts rows by title; rows with the same title keep their order.
template <class Row>
void SortByTitle(CRecordList<Row>& rows)
{
    std::stable_sort(rows.begin(), rows.end(), TitleOrder{});
}

// The first row of each run of equal titles in rows sorted by title, with the
// length of each run.
template <class Row>
struct CDistinctTitles {
    CRecordList<Row> titles;
    std::vector<std::uint32_t> counts;
};

template <class Row>
CDistinctTitles<Row> DistinctTitles(const CRecordList<Row>& sortedRows)
{
    CDistinctTitles<Row> distinct;
    for (const auto& row : sortedRows) {
        if (distinct.titles.empty() || !SameTitle(*distinct.titles.back(), *row)) {
            distinct.titles.push_back(row);
            distinct.counts.push_back(0);
        }
        ++distinct.counts.back();
    }
    return distinct;
}

// New copies of the rows that carry one of the titles, title by title, each
// in the order of rows (the signal list never shares the document's rows).
template <class Row>
CRecordList<Row> RowsWithTitles(const CRecordList<Row>& rows, const CRecordList<Row>& titles)
{
    CRecordList<Row> copies;
    for (const auto& title : titles) {
        for (const auto& row : rows) {
            if (SameTitle(*row, *title)) copies.push_back(std::make_shared<Row>(*row));
        }
    }
    return copies;
}

}  // namespace ko
