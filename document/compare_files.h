// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <vector>

#include "document/plot_data.h"

namespace ko {

class CRunFolder;

// The UDS-1992 files that hand the signals to the compare program, in order:
// a signal that no command changed goes as its own file (when it exists and
// ownFiles allows it: a source whose files stay readable); every other one is written to a
// new temporary file "UDS*.uds" in folder. Throws the writer's failure.
std::vector<std::string> CompareFiles(const CSignalList& signals, bool ownFiles, CRunFolder& folder);

// The compare program's argument text: each path followed by a space.
std::string CompareArgumentText(const std::vector<std::string>& files);

}  // namespace ko
