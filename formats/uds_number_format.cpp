// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/uds_number_format.h"

#include <cstring>

namespace ko {

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

}  // namespace ko
