// SPDX-License-Identifier: GPL-3.0-or-later
// velder-cli sample-store DIR: writes the sample test store below DIR (the
// store's slash layout) and lists its tests.
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "samples/sample_store.h"
#include "tools/cli/command_registry.h"

namespace {

int SampleStore(const std::vector<std::string>& args)
{
    if (args.size() != 1 || args[0].empty())
        throw std::invalid_argument("usage: velder-cli sample-store DIR");
    const std::vector<std::string> written = ko::WriteSampleStore(args[0]);
    std::string out;
    for (const std::string& line : ko::SampleStoreContents()) out += line + "\n";
    std::cout << out << "wrote " << written.size() << " files below " << args[0] << "\n";
    return 0;
}

}  // namespace

VELDER_CLI_COMMAND("sample-store", "sample-store DIR", SampleStore);
