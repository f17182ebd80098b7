// SPDX-License-Identifier: GPL-3.0-or-later
// velder-cli header FILE: the UDS-1992 header as NAME=value lines in file order.
#include <iostream>
#include <stdexcept>
#include <string>

#include "core/number_text.h"
#include "formats/uds_file.h"
#include "tools/cli/command_registry.h"

namespace {

std::string Text(const std::string& value)
{
    return value;
}

std::string Text(std::int32_t value)
{
    return std::to_string(value);
}

std::string Text(float value)
{
    return ko::GeneralText(value, 9);
}

int Header(const std::vector<std::string>& args)
{
    if (args.size() != 1) throw std::invalid_argument("usage: velder-cli header FILE");
    ko::CUDSFile file;
    file.Read(args[0]);
    std::string out;
    ko::CUDSFields::VisitFields([&](const ko::UDSFieldInfo& info, auto member) {
        out += info.label;
        out += '=';
        out += Text(file.*member);
        out += '\n';
    });
    out += "POINTS=" + std::to_string(file.GetPointCount()) + "\n";
    std::cout << out;
    return 0;
}

}  // namespace

VELDER_CLI_COMMAND("header", "header FILE", Header);
