// SPDX-License-Identifier: GPL-3.0-or-later
// velder-cli resample IN OUT --step DT | --points N: the signal resampled to a
// time step, or to a number of points over its time range.
#include <stdexcept>

#include "tools/cli/command_registry.h"
#include "tools/cli/op_args.h"

namespace {

constexpr const char* kUsage = "resample IN OUT --step DT | --points N";

int Resample(const std::vector<std::string>& args)
{
    if (args.size() != 4 || (args[2] != "--step" && args[2] != "--points"))
        throw std::invalid_argument(std::string("usage: velder-cli ") + kUsage);
    const std::vector<std::string> op{args[2] == "--step" ? "--resample" : "--resample-points", args[3]};
    return cli::RunOnFile(args[0], args[1], cli::ParseOperations(op));
}

}  // namespace

VELDER_CLI_COMMAND("resample", kUsage, Resample);
