// SPDX-License-Identifier: GPL-3.0-or-later
// The OPS syntax of velder-cli: signal operations applied in the order given.
//   --cfc N  --filter HZ  --integrate  --derivative  --resample DT  --resample-points N
//   --truncate START STOP  --truncate-index FIRST LAST
#pragma once
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace ko {
class CNSignal;
}

namespace cli {

inline constexpr const char* kOpsHelp =
    "OPS: --cfc N | --filter HZ | --integrate | --derivative | --resample DT | --resample-points N | "
    "--truncate START STOP | "
    "--truncate-index FIRST LAST";

struct SignalOperation {
    std::string option;
    std::function<void(ko::CNSignal&)> apply;
};

// Parses every operation before any is applied; throws std::invalid_argument
// naming the option for an unknown option, a missing or malformed value.
std::vector<SignalOperation> ParseOperations(std::span<const std::string> args);

void ApplyOperations(ko::CNSignal& signal, const std::vector<SignalOperation>& operations);

// Reads the UDS-1992 file in, applies the operations, writes out (X-Y text when
// it ends in ".txt") and says so on stdout; warnings go to stderr.
int RunOnFile(const std::string& in, const std::string& out, const std::vector<SignalOperation>& operations);

// Whole-text numbers: a finite double, a 32-bit int.
double ParseNumber(const std::string& text, const std::string& option);
int ParseIndex(const std::string& text, const std::string& option);

}  // namespace cli
