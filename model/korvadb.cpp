// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/korvadb.h"

namespace ko::korvadb {

KO_DEFINE_COLUMNS(CFilterClass, KO_FILTER_CLASS_COLUMNS)

}  // namespace ko::korvadb
