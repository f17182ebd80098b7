// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "document/plot_data.h"

namespace ko {

// How a save target stands: free, an existing file, or a file a current
// signal was read from.
enum class CTarget { Free, Exists, Input };

// The files the signals were read from (directory and file name).
std::vector<std::string> InputFiles(const CSignalList& signals);
// Input when path names one of inputs (by file identity, whatever the spelling).
CTarget TargetState(const std::string& path, const std::vector<std::string>& inputs);

// Whether a save may replace a file that exists.
enum class CReplace { Never, Allowed };

// Writes a file in full beside path through write (which gets the staging
// path), then moves it to path in one step. With CReplace::Never a file that
// exists at path by then is kept and the save fails with "File exists: " and
// the path. Any failure leaves path as it was and no staging file behind;
// throws std::runtime_error (or write's exception).
void SaveFile(const std::string& path, CReplace replace,
              const std::function<void(const std::string&)>& write);

}  // namespace ko
