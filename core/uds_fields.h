// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <string>

#include "core/uds_field_table.h"

namespace ko {

enum class UDSRecord { Test, Object2, Curve };
enum class UDSKind { Text, Int, Real, Clip, Status };

// Where and how one header field is stored in a UDS-1992 file.
struct UDSFieldInfo {
    const char* name;
    const char* label;
    UDSRecord record;
    int offset;
    int width;
    UDSKind kind;
};

#define KO_UDS_ARG_Text const std::string&
#define KO_UDS_ARG_Status const std::string&
#define KO_UDS_ARG_Int std::int32_t
#define KO_UDS_ARG_Real float
#define KO_UDS_ARG_Clip float

// The UDS-1992 header fields under their file names, with the file's types
// (texts, 32-bit ints, 32-bit reals) and the construction defaults.
class CUDSFields {
public:
    CUDSFields() = default;
    CUDSFields(const CUDSFields&) = default;
    CUDSFields& operator=(const CUDSFields&) = default;
    virtual ~CUDSFields() = default;

// clang-format off
#define KO_UDS_ACCESSORS(kind, name, rec, off, w, def, label)           \
    KO_UDS_ARG_##kind Get##name() const { return name##_; }           \
    void Set##name(KO_UDS_ARG_##kind value) { name##_ = value; }
    // clang-format on
    KO_UDS_FIELDS(KO_UDS_ACCESSORS)
#undef KO_UDS_ACCESSORS

    // Calls visit(info, member pointer) for every field in file order.
    template <class Visitor>
    static void VisitFields(Visitor&& visit)
    {
#define KO_UDS_VISIT(kind, name, rec, off, w, def, label) \
    visit(UDSFieldInfo{#name, label, UDSRecord::rec, off, w, UDSKind::kind}, &CUDSFields::name##_);
        KO_UDS_FIELDS(KO_UDS_VISIT)
#undef KO_UDS_VISIT
    }

private:
#define KO_UDS_MEMBER(kind, name, rec, off, w, def, label) KO_UDS_TYPE_##kind name##_ = def;
    KO_UDS_FIELDS(KO_UDS_MEMBER)
#undef KO_UDS_MEMBER
};

}  // namespace ko
