// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/uds_record_codec.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "formats/uds_1992.h"

namespace ko {

namespace {

bool IsTrailingSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

std::string UpperTrimmed(std::string text)
{
    while (!text.empty() && IsTrailingSpace(text.back())) text.pop_back();
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

void Load(std::string& value, const unsigned char* p, std::size_t width, const UDSNumberFormat&)
{
    value = DecodeText(p, width);
}

void Load(std::int32_t& value, const unsigned char* p, std::size_t, const UDSNumberFormat& format)
{
    value = DecodeInt(p, format.ints);
}

void Load(float& value, const unsigned char* p, std::size_t, const UDSNumberFormat& format)
{
    value = DecodeReal(p, format.reals);
}

void Store(const std::string& value, unsigned char* p, std::size_t width, const UDSNumberFormat&)
{
    EncodeText(p, width, value);
}

void Store(std::int32_t value, unsigned char* p, std::size_t, const UDSNumberFormat& format)
{
    EncodeInt(p, value, format.ints);
}

void Store(float value, unsigned char* p, std::size_t, const UDSNumberFormat& format)
{
    EncodeReal(p, value, format.reals);
}

// Every field must lie inside the used part of its record.
constexpr std::size_t UsedBytes(UDSRecord record)
{
    switch (record) {
        case UDSRecord::Test: return CUDS1992::kTestRecordUsed;
        case UDSRecord::Object2: return CUDS1992::kObject2RecordUsed;
        case UDSRecord::Curve: return CUDS1992::kCurveRecordUsed;
    }
    return 0;
}
#define KO_UDS_CHECK(kind, name, rec, off, w, def, label) \
    static_assert(off + w <= UsedBytes(UDSRecord::rec), #name " lies outside its record");
KO_UDS_FIELDS(KO_UDS_CHECK)
#undef KO_UDS_CHECK

}  // namespace

// Trimmed before the copy: most text fields are mostly padding.
std::string DecodeText(const unsigned char* p, std::size_t width)
{
    std::size_t used = width;
    while (used > 0 && IsTrailingSpace(static_cast<char>(p[used - 1]))) --used;
    return UpperTrimmed(std::string(reinterpret_cast<const char*>(p), used));
}

void EncodeText(unsigned char* p, std::size_t width, const std::string& text)
{
    const std::string upper = UpperTrimmed(text);
    std::memset(p, ' ', width);
    std::memcpy(p, upper.data(), std::min(width, upper.size()));
}

void ReadRecord(CUDSFields& fields, UDSRecord record, const unsigned char* base,
                const UDSNumberFormat& format)
{
    CUDSFields::VisitFields([&](const UDSFieldInfo& info, auto member) {
        if (info.record == record)
            Load(fields.*member, base + info.offset, static_cast<std::size_t>(info.width), format);
    });
}

void WriteRecord(const CUDSFields& fields, UDSRecord record, unsigned char* base,
                 const UDSNumberFormat& format)
{
    CUDSFields::VisitFields([&](const UDSFieldInfo& info, auto member) {
        if (info.record == record)
            Store(fields.*member, base + info.offset, static_cast<std::size_t>(info.width), format);
    });
}

}  // namespace ko
