// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace ko {

// A folder typed as the place of the compare program, checked.
struct CFolderCheck {
    std::string path;     // the folder ending with "/" when accepted
    std::string message;  // "Invalid Path: " + the text, or the error's text; empty when accepted
    bool Ok() const { return message.empty(); }
};

// Accepts an existing folder and makes it end with "/".
CFolderCheck CheckSpawnPath(const std::string& text);

// The program file: the folder immediately followed by the program's name.
inline std::string SpawnProgram(const std::string& folder, const std::string& program)
{
    return folder + program;
}

}  // namespace ko
