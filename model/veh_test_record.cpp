// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/veh_test_record.h"

namespace ko::veh {

CTest::CTest() : CRecord(TestKind::Vehicle) {}

KO_DEFINE_COLUMNS(CTest, KO_VEH_TEST_COLUMNS)

}  // namespace ko::veh
