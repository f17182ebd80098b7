// SPDX-License-Identifier: GPL-3.0-or-later
// velder-cli sigma PLUS MINUS IN...: the mean plus and minus one population
// standard deviation of signals aligned to the first one's time step and range.
#include <iostream>
#include <stdexcept>

#include "core/sigma.h"
#include "core/signal.h"
#include "tools/cli/command_registry.h"
#include "tools/cli/signal_files.h"

namespace {

int Sigma(const std::vector<std::string>& args)
{
    if (args.size() < 3) throw std::invalid_argument("usage: velder-cli sigma PLUS MINUS IN...");
    if (args[0] == args[1]) throw std::invalid_argument("sigma: PLUS and MINUS must be different files");
    const auto signals = cli::LoadSignals(std::span(args).subspan(2));
    const ko::CSigmaBand band = ko::MeanPlusMinusSigma(signals);
    cli::PrintWarnings(*band.plus, std::cerr);
    cli::SaveSignals({{band.plus.get(), args[0]}, {band.minus.get(), args[1]}});
    std::cout << "wrote " << band.plus->GetY().size() << " points to " << args[0] << " and " << args[1]
              << "\n";
    return 0;
}

}  // namespace

VELDER_CLI_COMMAND("sigma", "sigma PLUS MINUS IN...", Sigma);
