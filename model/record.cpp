// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/record.h"

namespace ko {

CRecord::CRecord(TestKind kind) : database_(std::make_shared<CDatabase>())
{
    database_->SetKind(kind);
}

}  // namespace ko
