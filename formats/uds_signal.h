// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

#include "core/signal.h"
#include "formats/uds_file.h"

namespace ko {

// Conversions between a signal's data and a UDS-1992 file object. Failures
// throw ko::CFailure with the message shown to the user.

// Takes the file's data, header and carried texts; "No Information." when the
// file has no points. The rvalue form moves the data out of the file.
void SetFromUDSFile(CData& data, const CUDSFile& file);
void SetFromUDSFile(CData& data, CUDSFile&& file);
// Fills the file with the data, header and carried texts.
void ToUDSFile(const CData& data, CUDSFile& file);
// Writes the data as a UDS-1992 file at path.
void WriteUDS(const CData& data, const std::string& path);

}  // namespace ko
