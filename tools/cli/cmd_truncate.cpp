// SPDX-License-Identifier: GPL-3.0-or-later
// velder-cli truncate IN OUT START STOP: the signal cut to a time window (seconds).
#include <stdexcept>

#include "tools/cli/command_registry.h"
#include "tools/cli/op_args.h"

namespace {

constexpr const char* kUsage = "truncate IN OUT START STOP";

int Truncate(const std::vector<std::string>& args)
{
    if (args.size() != 4) throw std::invalid_argument(std::string("usage: velder-cli ") + kUsage);
    const std::vector<std::string> op{"--truncate", args[2], args[3]};
    return cli::RunOnFile(args[0], args[1], cli::ParseOperations(op));
}

}  // namespace

VELDER_CLI_COMMAND("truncate", kUsage, Truncate);
