// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/uds_number_format.h"

#include <bit>
#include <cmath>
#include <cstring>

namespace ko {

namespace {

std::uint32_t Load32(const unsigned char* p, bool big)
{
    if (big)
        return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
    return std::uint32_t{p[3]} << 24 | std::uint32_t{p[2]} << 16 | std::uint32_t{p[1]} << 8 | p[0];
}

void Store32(unsigned char* p, std::uint32_t v, bool big)
{
    for (int i = 0; i < 4; ++i) {
        const auto byte = static_cast<unsigned char>(v >> (8 * i));
        p[big ? 3 - i : i] = byte;
    }
}

// VAX F-floating b0 b1 b2 b3 to the IEEE single with little-endian bytes b2 b3 b0 (b1 - 1).
float VaxToFloat(const unsigned char* p)
{
    if (p[1] == 0x00 || p[1] == 0x80) return 0.0f;
    const unsigned char ieee[4] = {p[2], p[3], p[0], static_cast<unsigned char>(p[1] - 1)};
    return std::bit_cast<float>(Load32(ieee, false));
}

}  // namespace

UDSNumberFormat NumberFormatFromName(const std::string& numform)
{
    if (numform == "IEEE") return {UDSByteOrder::Little, UDSRealFormat::IEEELittle};
    if (numform == "SUN") return {UDSByteOrder::Big, UDSRealFormat::IEEEBig};
    if (numform == "VAX") return {UDSByteOrder::Little, UDSRealFormat::VAX};
    return {};
}

std::string NumberFormatName(const UDSNumberFormat& format)
{
    if (format.ints == UDSByteOrder::Little && format.reals == UDSRealFormat::IEEELittle) return "IEEE";
    if (format.ints == UDSByteOrder::Big && format.reals == UDSRealFormat::IEEEBig) return "SUN";
    if (format.ints == UDSByteOrder::Little && format.reals == UDSRealFormat::VAX) return "VAX";
    return {};
}

UDSNumberFormat MachineNumberFormat()
{
    const std::int32_t i = 25478;
    const float f = 1.153e-6f;
    unsigned char ib[4], fb[4];
    std::memcpy(ib, &i, 4);
    std::memcpy(fb, &f, 4);
    UDSNumberFormat m;
    if (std::memcmp(ib, "\x86\x63\x00\x00", 4) == 0) m.ints = UDSByteOrder::Little;
    if (std::memcmp(ib, "\x00\x00\x63\x86", 4) == 0) m.ints = UDSByteOrder::Big;
    if (std::memcmp(fb, "\xc7\xc0\x9a\x35", 4) == 0) m.reals = UDSRealFormat::IEEELittle;
    if (std::memcmp(fb, "\x35\x9a\xc0\xc7", 4) == 0) m.reals = UDSRealFormat::IEEEBig;
    if (std::memcmp(fb, "\x9a\x36\xc7\xc0", 4) == 0) m.reals = UDSRealFormat::VAX;
    return m;
}

std::int32_t DecodeInt(const unsigned char* p, UDSByteOrder order)
{
    if (order == UDSByteOrder::Unknown) return 0;
    return static_cast<std::int32_t>(Load32(p, order == UDSByteOrder::Big));
}

float DecodeReal(const unsigned char* p, UDSRealFormat format)
{
    float value = 0.0f;
    switch (format) {
    case UDSRealFormat::IEEELittle: value = std::bit_cast<float>(Load32(p, false)); break;
    case UDSRealFormat::IEEEBig: value = std::bit_cast<float>(Load32(p, true)); break;
    case UDSRealFormat::VAX: value = VaxToFloat(p); break;
    case UDSRealFormat::Unknown: break;
    }
    return std::isnan(value) ? 0.0f : value;
}

void EncodeInt(unsigned char* p, std::int32_t value, UDSByteOrder order)
{
    Store32(p, static_cast<std::uint32_t>(value), order == UDSByteOrder::Big);
}

void EncodeReal(unsigned char* p, float value, UDSRealFormat format)
{
    if (std::isnan(value)) value = 0.0f;
    Store32(p, std::bit_cast<std::uint32_t>(value), format == UDSRealFormat::IEEEBig);
}

}  // namespace ko
