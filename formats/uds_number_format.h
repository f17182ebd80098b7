// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
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

// Numbers at p in the given format; unknown formats read as 0, NaN reals as 0.0.
std::int32_t DecodeInt(const unsigned char* p, UDSByteOrder order);
float DecodeReal(const unsigned char* p, UDSRealFormat format);
// Writes a number at p; NaN reals are written as 0.0. Reals can be written as IEEE only.
void EncodeInt(unsigned char* p, std::int32_t value, UDSByteOrder order);
void EncodeReal(unsigned char* p, float value, UDSRealFormat format);

}  // namespace ko
