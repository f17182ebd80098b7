// SPDX-License-Identifier: GPL-3.0-or-later
// velder-cli op IN OUT OPS...: applies signal operations in the order given and
// writes the result (OUT ending in ".txt": X-Y text, else UDS-1992).
#include <iostream>
#include <stdexcept>

#include "core/signal.h"
#include "tools/cli/command_registry.h"
#include "tools/cli/op_args.h"
#include "tools/cli/signal_files.h"

namespace {

int Op(const std::vector<std::string>& args)
{
    if (args.size() < 2)
        throw std::invalid_argument(std::string("usage: velder-cli op IN OUT OPS...; ") + cli::kOpsHelp);
    const auto operations = cli::ParseOperations(std::span(args).subspan(2));
    const auto signal = cli::LoadSignal(args[0]);
    try {
        cli::ApplyOperations(*signal, operations);
    } catch (...) {
        cli::PrintWarnings(*signal, std::cerr);
        throw;
    }
    cli::PrintWarnings(*signal, std::cerr);
    cli::SaveSignals({{signal.get(), args[1]}});
    std::cout << "wrote " << signal->GetY().size() << " points to " << args[1] << "\n";
    return 0;
}

}  // namespace

VELDER_CLI_COMMAND("op",
                   "op IN OUT OPS... (--cfc N, --filter HZ, --integrate, --derivative, --resample DT, "
                   "--truncate START STOP, --truncate-index FIRST LAST)",
                   Op);
