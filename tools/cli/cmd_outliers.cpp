// SPDX-License-Identifier: GPL-3.0-or-later
// velder-cli outliers: each test against the mean +- k sigma corridor of all;
// one line per test: label, fraction of samples outside, largest excursion,
// its time in ms, units.
#include <iostream>
#include <stdexcept>

#include "analysis/corridor.h"
#include "core/number_text.h"
#include "core/signal.h"
#include "tools/cli/command_registry.h"
#include "tools/cli/op_args.h"
#include "tools/cli/source_args.h"
#include "tools/cli/test_channels.h"

namespace {

int Outliers(const std::vector<std::string>& args)
{
    std::vector<std::string> rest = args;
    std::string value;
    double k = 1.0;
    if (cli::TakeOption(rest, "--k", value)) k = cli::ParseNumber(value, "--k");
    const cli::TestSet set = cli::ReadTestChannels(rest, 1, std::cerr);
    if (!rest.empty()) throw std::invalid_argument("unknown argument '" + rest.front() + "'");
    bool failed = cli::PrintTestFailures(set.tests, std::cerr);
    std::vector<std::shared_ptr<ko::CNSignal>> signals;
    std::vector<const cli::TestChannels*> kept;
    for (const auto& test : set.tests)
        if (test.failure.empty()) signals.push_back(test.channels[0]), kept.push_back(&test);
    std::cerr << "corridor mean +- " << ko::GeneralText(k) << " sigma: " << cli::FilterNote(set.cfc) << "\n";
    const auto outliers = ko::CorridorOutliers(signals, k);
    for (std::size_t i = 0; i < outliers.size(); ++i) {
        if (!outliers[i].failure.empty()) {
            std::cout.flush();
            std::cerr << kept[i]->label << ": " << outliers[i].failure << '\n';
            failed = true;
            continue;
        }
        std::cout << kept[i]->label << '\t' << ko::FixedText(outliers[i].fractionOutside, 4) << '\t'
                  << ko::WithoutNegativeZero(ko::GeneralText(outliers[i].largestExcursion)) << '\t'
                  << ko::WithoutNegativeZero(ko::FixedText(outliers[i].time * 1000.0, 3)) << '\t'
                  << signals[i]->GetYUNITS() << '\n';
    }
    return failed ? 1 : 0;
}

}  // namespace

VELDER_CLI_COMMAND("outliers",
                   std::string("outliers (") + cli::kSourceUsage + " --title ROW | FILE.uds...) [--k K] " +
                       cli::kChannelOptions,
                   Outliers);
