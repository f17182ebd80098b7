// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace ko {

// Writes data to path through a temporary file in the same directory, flushed
// and renamed over the target; on failure the temporary is removed, the target
// is left as it was and std::runtime_error is thrown.
void WriteFileAtomically(const std::string& path, const void* data, std::size_t size);
inline void WriteFileAtomically(const std::string& path, std::string_view text)
{
    WriteFileAtomically(path, text.data(), text.size());
}

}  // namespace ko
