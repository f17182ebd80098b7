// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <bit>
#include <cmath>
#include <cstdint>
#include <string>

namespace ko {

enum class UDSByteOrder { Unknown, Little, Big };
enum class UDSRealFormat { Unknown, IEEELittle, IEEEBig, VAX };

// Byte order of integers and format of reals in a file or on this machine.
struct UDSNumberFormat {
    UDSByteOrder ints = UDSByteOrder::Unknown;
    UDSRealFormat reals = UDSRealFormat::Unknown;

    bool IsKnown() const { return ints != UDSByteOrder::Unknown && reals != UDSRealFormat::Unknown; }
};

// "IEEE", "SUN" or "VAX"; any other text is unknown.
UDSNumberFormat NumberFormatFromName(const std::string& numform);
// The NUMFORM text naming a format; empty when it has no name.
std::string NumberFormatName(const UDSNumberFormat& format);
// The format this machine stores its numbers in.
UDSNumberFormat MachineNumberFormat();

// Inline: these run once per data value.

namespace detail {

inline std::uint32_t Load32(const unsigned char* p, bool big)
{
    if (big) return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
    return std::uint32_t{p[3]} << 24 | std::uint32_t{p[2]} << 16 | std::uint32_t{p[1]} << 8 | p[0];
}

inline void Store32(unsigned char* p, std::uint32_t v, bool big)
{
    for (int i = 0; i < 4; ++i) p[big ? 3 - i : i] = static_cast<unsigned char>(v >> (8 * i));
}

// VAX F-floating b0 b1 b2 b3 is the IEEE single with little-endian bytes
// b2 b3 b0 (b1 - 1); b1 of 0x00 or 0x80 is 0.0.
inline float VaxToFloat(const unsigned char* p)
{
    if (p[1] == 0x00 || p[1] == 0x80) return 0.0f;
    const unsigned char ieee[4] = {p[2], p[3], p[0], static_cast<unsigned char>(p[1] - 1)};
    return std::bit_cast<float>(Load32(ieee, false));
}

}  // namespace detail

// Numbers at p in the given format; unknown formats read as 0, NaN reals as 0.0.
inline std::int32_t DecodeInt(const unsigned char* p, UDSByteOrder order)
{
    if (order == UDSByteOrder::Unknown) return 0;
    return static_cast<std::int32_t>(detail::Load32(p, order == UDSByteOrder::Big));
}

inline float DecodeReal(const unsigned char* p, UDSRealFormat format)
{
    float value = 0.0f;
    switch (format) {
        case UDSRealFormat::IEEELittle: value = std::bit_cast<float>(detail::Load32(p, false)); break;
        case UDSRealFormat::IEEEBig: value = std::bit_cast<float>(detail::Load32(p, true)); break;
        case UDSRealFormat::VAX: value = detail::VaxToFloat(p); break;
        case UDSRealFormat::Unknown: break;
    }
    return std::isnan(value) ? 0.0f : value;
}

// Writes a number at p; NaN reals are written as 0.0. Reals are written as IEEE only.
inline void EncodeInt(unsigned char* p, std::int32_t value, UDSByteOrder order)
{
    detail::Store32(p, static_cast<std::uint32_t>(value), order == UDSByteOrder::Big);
}

inline void EncodeReal(unsigned char* p, float value, UDSRealFormat format)
{
    if (std::isnan(value)) value = 0.0f;
    detail::Store32(p, std::bit_cast<std::uint32_t>(value), format == UDSRealFormat::IEEEBig);
}

}  // namespace ko
