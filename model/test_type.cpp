// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/test_type.h"

#include <exception>

namespace ko {

CTestType::CTestType() : database_(std::make_shared<CDatabase>()) {}

void CTestType::SetDatabase(TestKind kind)
{
    try {
        database_->SetKind(kind);
    } catch (const std::exception& e) {
        lastError_ = e.what();
    }
}

}  // namespace ko
