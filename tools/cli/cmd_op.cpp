// SPDX-License-Identifier: GPL-3.0-or-later
// velder-cli op IN OUT OPS...: applies signal operations in the order given and
// writes the result (OUT ending in ".txt": X-Y text, else UDS-1992).
#include <stdexcept>

#include "tools/cli/command_registry.h"
#include "tools/cli/op_args.h"

namespace {

int Op(const std::vector<std::string>& args)
{
    if (args.size() < 2)
        throw std::invalid_argument(std::string("usage: velder-cli op IN OUT OPS...; ") + cli::kOpsHelp);
    return cli::RunOnFile(args[0], args[1], cli::ParseOperations(std::span(args).subspan(2)));
}

}  // namespace

VELDER_CLI_COMMAND("op", std::string("op IN OUT OPS...; ") + cli::kOpsHelp, Op);
