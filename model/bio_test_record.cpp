// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/bio_test_record.h"

namespace ko::bio {

CTest::CTest() : CRecord(TestKind::Biomechanics) {}

KO_DEFINE_COLUMNS(CTest, KO_BIO_TEST_COLUMNS)

}  // namespace ko::bio
