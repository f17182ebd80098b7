// SPDX-License-Identifier: GPL-3.0-or-later
// velder-cli titles SOURCE: the distinct signal titles of the loaded tests with
// their counts, in title order (rows numbered from 0 for channel --title).
#include <iostream>
#include <stdexcept>

#include "document/document.h"
#include "tools/cli/command_registry.h"
#include "tools/cli/source_args.h"

namespace {

void PrintLine(const std::vector<std::string>& cells)
{
    for (std::size_t i = 0; i < cells.size(); ++i) std::cout << (i ? "\t" : "") << cells[i];
    std::cout << '\n';
}

int Titles(const std::vector<std::string>& args)
{
    const auto source = cli::ParseSourceArgs(args);
    if (!source.rest.empty()) throw std::invalid_argument("unknown argument: " + source.rest.front());
    ko::CDocument document;
    cli::LoadSource(document, source, std::cerr);
    PrintLine(document.GetTitleHeadings());
    for (std::size_t row = 0; row < document.GetTitleCount(); ++row) {
        auto cells = document.GetTitleTexts(row);
        cells.insert(cells.begin(), std::to_string(document.GetTitleCounts()[row]));
        PrintLine(cells);
    }
    return 0;
}

}  // namespace

VELDER_CLI_COMMAND("titles", std::string("titles ") + cli::kSourceUsage, Titles);
