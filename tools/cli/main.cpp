// SPDX-License-Identifier: GPL-3.0-or-later
// velder-cli: the library's operations from the command line.
#include <cstdio>
#include <exception>
#include <iostream>

#include "core/heap_tuning.h"
#include "tools/cli/command_registry.h"

namespace cli {

std::map<std::string, CommandInfo>& Commands()
{
    static std::map<std::string, CommandInfo> commands;
    return commands;
}

}  // namespace cli

static int Usage()
{
    std::cerr << "usage:\n";
    for (const auto& [name, info] : cli::Commands()) std::cerr << "  velder-cli " << info.usage << "\n";
    return 2;
}

int main(int argc, char** argv)
{
    ko::TuneHeap();
    if (argc < 2) return Usage();
    auto it = cli::Commands().find(argv[1]);
    if (it == cli::Commands().end()) return Usage();
    std::vector<std::string> args(argv + 2, argv + argc);
    try {
        return it->second.run(args);
    } catch (const std::exception& e) {
        std::cout.flush();
        std::cerr << e.what() << "\n";
        return 1;
    }
}
