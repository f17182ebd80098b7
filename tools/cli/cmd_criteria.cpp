// SPDX-License-Identifier: GPL-3.0-or-later
// velder-cli criteria: an injury criterion of every test, one tab-separated
// line each (test number or file name, value, window start and end or time in
// ms, units); a test that fails gets its failure line on stderr.
#include <iostream>
#include <stdexcept>

#include "analysis/criterion_choice.h"
#include "tools/cli/command_registry.h"
#include "tools/cli/source_args.h"
#include "tools/cli/test_channels.h"

namespace {

const ko::CCriterionInfo& ParseCriterion(std::vector<std::string>& rest)
{
    std::string name;
    if (!cli::TakeOption(rest, "--criterion", name))
        throw std::invalid_argument("--criterion " + ko::CriterionNames() + " is required");
    const ko::CCriterionInfo* info = ko::FindCriterion(name);
    if (!info) throw std::invalid_argument("--criterion: not " + ko::CriterionNames() + ": '" + name + "'");
    return *info;
}

void RequireNoneLeft(const std::vector<std::string>& rest)
{
    if (!rest.empty()) throw std::invalid_argument("unknown argument '" + rest.front() + "'");
}

int Criteria(const std::vector<std::string>& args)
{
    std::vector<std::string> rest = args;
    const ko::CCriterionInfo& info = ParseCriterion(rest);
    const cli::TestSet set = cli::ReadTestChannels(rest, info.count, std::cerr);
    RequireNoneLeft(rest);
    std::cerr << info.caption << ": " << cli::FilterNote(set.cfc) << "\n";
    bool failed = false;
    for (const auto& test : set.tests) {
        try {
            if (!test.failure.empty()) throw std::runtime_error(test.failure);
            std::string line = test.label;
            for (const auto& cell : ko::CriterionCells(info, ko::EvaluateCriterion(info, test.channels)))
                line += '\t' + cell;
            std::cout << line << '\n';
        } catch (const std::exception& e) {
            std::cout.flush();
            std::cerr << test.label << ": " << e.what() << '\n';
            failed = true;
        }
    }
    return failed ? 1 : 0;
}

}  // namespace

VELDER_CLI_COMMAND("criteria",
                   std::string("criteria (") + cli::kSourceUsage +
                       " --title ROW[,ROW...] | FILE.uds...) --criterion " + ko::CriterionNames() + " " +
                       cli::kChannelOptions,
                   Criteria);
