// SPDX-License-Identifier: GPL-3.0-or-later
// velder-cli average OUT IN...: the point-by-point mean of signals of equal length.
#include <iostream>
#include <stdexcept>

#include "core/signal.h"
#include "tools/cli/command_registry.h"
#include "tools/cli/signal_files.h"

namespace {

int Average(const std::vector<std::string>& args)
{
    if (args.size() < 2) throw std::invalid_argument("usage: velder-cli average OUT IN...");
    const auto signals = cli::LoadSignals(std::span(args).subspan(1));
    ko::CNSignal average;
    average.Average(signals);
    cli::PrintWarnings(average, std::cerr);
    cli::SaveSignals({{&average, args[0]}});
    std::cout << "wrote " << average.GetY().size() << " points to " << args[0] << "\n";
    return 0;
}

}  // namespace

VELDER_CLI_COMMAND("average", "average OUT IN...", Average);
