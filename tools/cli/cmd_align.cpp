// SPDX-License-Identifier: GPL-3.0-or-later
// velder-cli align: the time shift that brings each test's signal to the
// reference test, by the first crossing of a threshold or by the
// cross-correlation lag; one line per test: label, shift in ms, time steps.
#include <algorithm>
#include <iostream>
#include <stdexcept>

#include "analysis/time_zero.h"
#include "core/number_text.h"
#include "core/signal.h"
#include "tools/cli/command_registry.h"
#include "tools/cli/op_args.h"
#include "tools/cli/source_args.h"
#include "tools/cli/test_channels.h"

namespace {

ko::CTimeZeroRule ParseRule(std::vector<std::string>& rest)
{
    ko::CTimeZeroRule rule;
    std::string value;
    const bool threshold = cli::TakeOption(rest, "--threshold", value);
    if (threshold) rule.threshold = cli::ParseNumber(value, "--threshold");
    const auto correlate = std::find(rest.begin(), rest.end(), "--correlate");
    if (threshold == (correlate != rest.end()))
        throw std::invalid_argument("give either --threshold VALUE or --correlate");
    if (correlate != rest.end()) {
        rest.erase(correlate);
        rule.method = ko::CTimeZeroMethod::CrossCorrelation;
    }
    if (cli::TakeOption(rest, "--max-lag", value)) {
        if (threshold) throw std::invalid_argument("--max-lag needs --correlate");
        rule.maxLag = cli::ParseNumber(value, "--max-lag") / 1000.0;
    }
    return rule;
}

// The index of the test labelled label, the first when label is empty.
std::size_t ReferenceIndex(const std::vector<const cli::TestChannels*>& tests, const std::string& label)
{
    for (std::size_t i = 0; i < tests.size(); ++i)
        if (label.empty() || tests[i]->label == label) return i;
    throw std::invalid_argument(label.empty() ? std::string("no test to align to")
                                              : "--reference: no readable test '" + label + "'");
}

int Align(const std::vector<std::string>& args)
{
    std::vector<std::string> rest = args;
    ko::CTimeZeroRule rule = ParseRule(rest);
    std::string reference;
    cli::TakeOption(rest, "--reference", reference);
    const cli::TestSet set = cli::ReadTestChannels(rest, 1, std::cerr);
    if (!rest.empty()) throw std::invalid_argument("unknown argument '" + rest.front() + "'");
    std::vector<std::shared_ptr<ko::CNSignal>> signals;
    std::vector<const cli::TestChannels*> kept;
    bool failed = cli::PrintTestFailures(set.tests, std::cerr);
    for (const auto& test : set.tests)
        if (test.failure.empty()) signals.push_back(test.channels[0]), kept.push_back(&test);
    rule.reference = ReferenceIndex(kept, reference);
    std::cerr << "time zero: " << cli::FilterNote(set.cfc) << ", reference " << kept[rule.reference]->label
              << "\n";
    const auto shifts = ko::TimeZeroShifts(signals, rule);
    for (std::size_t i = 0; i < shifts.size(); ++i) {
        if (!shifts[i].failure.empty()) {
            std::cout.flush();
            std::cerr << kept[i]->label << ": " << shifts[i].failure << '\n';
            failed = true;
            continue;
        }
        std::cout << kept[i]->label << '\t'
                  << ko::WithoutNegativeZero(ko::FixedText(shifts[i].seconds * 1000.0, 3)) << '\t'
                  << shifts[i].steps << '\n';
    }
    return failed ? 1 : 0;
}

}  // namespace

VELDER_CLI_COMMAND("align",
                   std::string("align (") + cli::kSourceUsage +
                       " --title ROW | FILE.uds...) (--threshold VALUE | --correlate [--max-lag MS]) "
                       "[--reference TEST] " +
                       cli::kChannelOptions,
                   Align);
