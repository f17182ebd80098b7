// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/com_test_record.h"

namespace ko::com {

CTest::CTest() : CRecord(TestKind::Component) {}

KO_DEFINE_COLUMNS(CTest, KO_COM_TEST_COLUMNS)

}  // namespace ko::com
