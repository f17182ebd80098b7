// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <string>

#include "core/uds_fields.h"
#include "formats/uds_number_format.h"

namespace ko {

// A text field as read: its bytes as they stand (NULs included), trailing white
// space removed, letters upper-cased.
std::string DecodeText(const unsigned char* p, std::size_t width);
// A text field as written: upper-cased, trailing white space removed, cut to
// width and padded with spaces.
void EncodeText(unsigned char* p, std::size_t width, const std::string& text);

// Reads / writes the fields of one header record whose first byte is at base;
// the caller has checked that the record's used bytes lie inside the buffer.
void ReadRecord(CUDSFields& fields, UDSRecord record, const unsigned char* base,
                const UDSNumberFormat& format);
void WriteRecord(const CUDSFields& fields, UDSRecord record, unsigned char* base,
                 const UDSNumberFormat& format);

}  // namespace ko
