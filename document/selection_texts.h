// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/bio_selection.h"
#include "model/com_selection.h"
#include "model/veh_selection.h"

namespace ko {

// "ANIMAL", "HUMAN VOLUNTEER" and "CADAVER" are biological occupants; any other type is a dummy.
bool IsBiologicalOccupant(const std::string& occupantType);

// The texts of test-list rows as the per-database selection dialogs show them:
// the filter fields in cascade order (test number last), then the description
// fields. A code column shows its description when it has one.
//
//   vehicle       test type, make, model, year, test number | impact angle,
//                 closing speed, length, width, body type, test weight, VIN
//   component     test type, performer, reference, test number
//   biomechanics  occupant type, configuration, performer, reference, test
//                 number | sex, age (dummy: size), weight, closing speed,
//                 impact angle
std::vector<std::vector<std::string>> SelectionTexts(
    const std::vector<std::shared_ptr<veh::CSelection>>& rows);
std::vector<std::vector<std::string>> SelectionTexts(
    const std::vector<std::shared_ptr<com::CSelection>>& rows);
std::vector<std::vector<std::string>> SelectionTexts(
    const std::vector<std::shared_ptr<bio::CSelection>>& rows);

}  // namespace ko
