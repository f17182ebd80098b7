// SPDX-License-Identifier: GPL-3.0-or-later
// Reading signals from UDS-1992 files and writing results for velder-cli.
#pragma once
#include <iosfwd>
#include <memory>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace ko {
class CNSignal;
}

namespace cli {

std::shared_ptr<ko::CNSignal> LoadSignal(const std::string& path);
std::vector<std::shared_ptr<ko::CNSignal>> LoadSignals(std::span<const std::string> paths);

// One "x<TAB>y" line per point, %.9g.
std::string XYText(const ko::CNSignal& signal);

// Writes each signal to its path: X-Y text when the path ends in ".txt",
// UDS-1992 otherwise. All files are written in full beside their targets
// before any target is replaced, so a failure leaves every target as it was.
void SaveSignals(const std::vector<std::pair<const ko::CNSignal*, std::string>>& outputs);

// The signal's warnings, one "warning: <text>" line each.
void PrintWarnings(const ko::CNSignal& signal, std::ostream& err);

}  // namespace cli
