// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/spawn_path.h"

#include <filesystem>
#include <system_error>

namespace ko {

CFolderCheck CheckSpawnPath(const std::string& text)
{
    std::error_code error;
    const bool folder = !text.empty() && std::filesystem::is_directory(text, error);
    if (error && error != std::errc::no_such_file_or_directory && error != std::errc::not_a_directory)
        return {{}, error.message()};
    if (!folder) return {{}, "Invalid Path: " + text};
    return {text.back() == '/' ? text : text + "/", {}};
}

}  // namespace ko
