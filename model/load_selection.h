// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <memory>
#include <string>
#include <utility>

#include "model/bio_selection.h"
#include "model/com_selection.h"
#include "model/record_list.h"
#include "model/veh_selection.h"

namespace ko {

// One loaded test list: its rows in the order of the list statement (by
// TSTNO) and the label the selection dialog shows for it.
template <class Selection>
class CLoadSelectionOf {
public:
    const std::string& GetText() const { return text_; }
    void SetText(const std::string& text) { text_ = text; }

    // Throws std::invalid_argument "record pointer is invalid" for a null row.
    void Add(std::shared_ptr<Selection> row) { AppendRecord(rows_, std::move(row)); }
    void Set(CRecordList<Selection> rows) { rows_ = CheckedRecords(std::move(rows)); }
    const CRecordList<Selection>& Get() const { return rows_; }
    void Clear() { rows_.clear(); }

private:
    std::string text_;
    CRecordList<Selection> rows_;
};

namespace veh {
using CLoadSelection = CLoadSelectionOf<CSelection>;
}
namespace com {
using CLoadSelection = CLoadSelectionOf<CSelection>;
}
namespace bio {
using CLoadSelection = CLoadSelectionOf<CSelection>;
}

}  // namespace ko
