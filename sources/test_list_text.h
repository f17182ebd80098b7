// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/bio_selection.h"
#include "model/com_selection.h"
#include "model/veh_selection.h"

namespace ko {

// The test-list text velder-serve sends (before packing): a first line with
// the column names of the kind's selection row, then one line per row, fields
// tab-separated in the same order. Tabs and line ends inside a field become
// spaces.
std::string TestListText(const std::vector<std::shared_ptr<veh::CSelection>>& rows);
std::string TestListText(const std::vector<std::shared_ptr<com::CSelection>>& rows);
std::string TestListText(const std::vector<std::shared_ptr<bio::CSelection>>& rows);

// Reads a test-list text: the first line names the columns (any case; names
// the row does not have are skipped), each further non-empty line is one row
// handed to add. Throws std::logic_error naming the line for a line with the
// wrong number of fields or a field that does not convert.
void ReadTestList(const std::string& text, const std::function<void(std::shared_ptr<veh::CSelection>)>& add);
void ReadTestList(const std::string& text, const std::function<void(std::shared_ptr<com::CSelection>)>& add);
void ReadTestList(const std::string& text, const std::function<void(std::shared_ptr<bio::CSelection>)>& add);

}  // namespace ko
