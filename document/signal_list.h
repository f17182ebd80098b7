// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <vector>

#include "model/instrumentation.h"
#include "model/test_kind.h"

namespace ko {

// A column of the signal list's grids: heading and initial width (0 hides it).
struct CListColumn {
    const char* heading;
    int width;
};

// The 21 columns of the title band (VEHNO ... CHSTATD) with their widths for
// rows of the kind.
std::vector<CListColumn> SignalTitleColumns(TestKind kind);
// The first title band column fitted to its contents (the last is 19).
int SignalTitleFitFirst(TestKind kind);
// Whether the title band fills that column for rows of the kind.
bool SignalTitleFills(TestKind kind, int column);

// The 14 columns of the signal grid, TSTNO ... INSMAN.
const std::vector<CListColumn>& SignalListColumns();
// The signal grid's columns that sort, all numerically: TSTNO, CURNO, NFP, DELT, PREFIL, PREMAX.
bool SignalListSorts(int column);

// The cells of the title band for a row: the title fields and their
// descriptions by column name; empty where the kind does not fill a column.
template <class Row>
std::vector<std::string> SignalTitleCells(const Row& row, TestKind kind)
{
    std::vector<std::string> cells;
    int column = 0;
    for (const CListColumn& heading : SignalTitleColumns(kind)) {
        const auto* field = Row::Columns().Find(heading.heading);
        cells.push_back(field && SignalTitleFills(kind, column) ? field->GetText(row) : std::string());
        ++column;
    }
    return cells;
}

// One line of the signal grid: numbers in decimal, DELT cut toward zero to a
// whole number, PREMAX, PREMIN and INIVEL with one decimal.
std::vector<std::string> SignalListCells(const CInstrumentation& row);

}  // namespace ko
