// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <string>

namespace ko {

// Test files and test lists travel between velder-serve and the web agent as
// one zlib stream (RFC 1950, as zlib's compress writes it).
std::string PackText(const std::string& text);
// Throws std::logic_error for a body that is not one complete zlib stream or
// that unpacks to more than limit bytes.
std::string UnpackText(const std::string& packed, std::size_t limit = std::size_t{256} << 20);

}  // namespace ko
