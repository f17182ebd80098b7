// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "core/uds_fields.h"

namespace ko {

// The header with a double for every real field (except CLIP3M, kept in CData).
// These doubles are what a signal works with; their accessors hide the 32-bit
// ones of CUDSFields, whose members keep their defaults in a signal.
class CDataFields : public CUDSFields {
public:
    CDataFields() = default;
    CDataFields(const CDataFields&) = default;
    CDataFields& operator=(const CDataFields&) = default;
    ~CDataFields() override = default;

#define KO_DF_Text(name, def)
#define KO_DF_Status(name, def)
#define KO_DF_Int(name, def)
#define KO_DF_Clip(name, def)
// clang-format off
#define KO_DF_Real(name, def)                             \
    double Get##name() const { return name##d_; }       \
    void Set##name(double value) { name##d_ = value; }
// clang-format on
#define KO_DF_ACCESSORS(kind, name, rec, off, w, def, label) KO_DF_##kind(name, def)
    KO_UDS_FIELDS(KO_DF_ACCESSORS)
#undef KO_DF_ACCESSORS
#undef KO_DF_Real

private:
#define KO_DF_Real(name, def) double name##d_ = static_cast<double>(def);
#define KO_DF_MEMBER(kind, name, rec, off, w, def, label) KO_DF_##kind(name, def)
    KO_UDS_FIELDS(KO_DF_MEMBER)
#undef KO_DF_MEMBER
#undef KO_DF_Real
#undef KO_DF_Text
#undef KO_DF_Status
#undef KO_DF_Int
#undef KO_DF_Clip
};

}  // namespace ko
