// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <memory>

#include "model/bio_selection.h"
#include "model/biomechanics_test.h"
#include "model/com_selection.h"
#include "model/component_test.h"
#include "model/veh_selection.h"
#include "model/vehicle_test.h"

namespace ko {

// The test-list row of a loaded test, from the columns its TEST record shares
// with the row (throws the test's "Invalid ... Test" text without a record).
std::shared_ptr<bio::CSelection> SelectionRow(const CBioTest& test);
std::shared_ptr<com::CSelection> SelectionRow(const CComTest& test);
std::shared_ptr<veh::CSelection> SelectionRow(const CVehicleTest& test);

}  // namespace ko
