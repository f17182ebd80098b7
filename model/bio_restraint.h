// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "model/column_table.h"
#include "model/record.h"
#include "model/shared_columns.h"

// BIODB.REST (BIODB.H_REST without SECURITY).
#define KO_BIO_RESTRAINT_COLUMNS(X, B) \
    X(TSTNO, Manual, "Test number")    \
    KO_RESTRAINT_COLUMNS(X)            \
    X(SECURITY, Security, "Release level")

namespace ko::bio {

// One restraint of a biomechanics test (key RSTNO).
class CRestraint : public CRecord {
public:
    CRestraint();
    KO_RECORD_COLUMNS(CRestraint, KO_BIO_RESTRAINT_COLUMNS)
};

}  // namespace ko::bio
