// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/record.h"

namespace ko {

CRecord::CRecord(int kindCode) : database_(std::make_shared<CDatabase>())
{
    database_->SetKind(kindCode);
}

}  // namespace ko
