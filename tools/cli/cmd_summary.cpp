// SPDX-License-Identifier: GPL-3.0-or-later
// velder-cli summary SOURCE: per loaded test its signal counts against the others.
#include <algorithm>
#include <iostream>
#include <stdexcept>

#include "document/document.h"
#include "tools/cli/command_registry.h"
#include "tools/cli/source_args.h"

namespace {

int Summary(const std::vector<std::string>& args)
{
    const auto source = cli::ParseSourceArgs(args);
    if (!source.rest.empty()) throw std::invalid_argument("unknown argument: " + source.rest.front());
    ko::CDocument document;
    cli::LoadSource(document, source, std::cerr);
    const auto& headings = ko::SummaryHeadings();
    for (std::size_t i = 0; i < headings.size(); ++i) {
        std::string heading = headings[i];
        std::replace(heading.begin(), heading.end(), '\n', ' ');
        std::cout << (i ? "\t" : "") << heading;
    }
    std::cout << '\n';
    for (const auto& line : document.Summary()) {
        std::cout << line.testNumber << '\t' << line.total << '\t' << line.am << '\t' << line.other << '\t'
                  << line.unique << '\t' << line.common << '\t' << line.shared << '\n';
    }
    return 0;
}

}  // namespace

VELDER_CLI_COMMAND("summary", std::string("summary ") + cli::kSourceUsage, Summary);
