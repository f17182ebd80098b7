// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace ko {

// The texts a curve carries beside its header: the name and directory of its
// file and its attachment code. Never stored in a UDS file.
struct CCarriedTexts {
    std::string fileName;
    std::string directory;
    std::string attachment;
};

}  // namespace ko
