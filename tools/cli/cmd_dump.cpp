// SPDX-License-Identifier: GPL-3.0-or-later
// velder-cli dump FILE: the points of a UDS-1992 file, one "x<TAB>y" line each.
#include <iostream>
#include <stdexcept>
#include <string>

#include "core/number_text.h"
#include "formats/uds_file.h"
#include "tools/cli/command_registry.h"

namespace {

int Dump(const std::vector<std::string>& args)
{
    if (args.size() != 1) throw std::invalid_argument("usage: velder-cli dump FILE");
    ko::CUDSFile file;
    file.Read(args[0]);
    std::string out;
    for (std::size_t i = 0; i < file.GetPointCount(); ++i) {
        ko::AppendGeneral(out, file.GetX()[i], 9);
        out += '\t';
        ko::AppendGeneral(out, file.GetY()[i], 9);
        out += '\n';
    }
    std::cout << out;
    return 0;
}

}  // namespace

VELDER_CLI_COMMAND("dump", "dump FILE", Dump);
