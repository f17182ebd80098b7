// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/bio_test_record.h"

namespace ko::bio {

CTest::CTest() : CRecord(kBiomechanicsKind) {}

KO_DEFINE_COLUMNS(CTest, KO_BIO_TEST_COLUMNS)

}  // namespace ko::bio
