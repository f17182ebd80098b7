// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace cli {

// A command gets its arguments after the command name and returns the exit status.
// It writes its results to stdout, failures to stderr.
using Command = std::function<int(const std::vector<std::string>& args)>;

struct CommandInfo {
    Command run;
    std::string usage;  // one line, after "velder-cli "
};

std::map<std::string, CommandInfo>& Commands();

// Registers a command at static-initialisation time: VELDER_CLI_COMMAND(header, "header FILE", fn).
struct Registrar {
    Registrar(const std::string& name, const std::string& usage, Command run)
    {
        Commands()[name] = CommandInfo{std::move(run), usage};
    }
};

}  // namespace cli

#define VELDER_CLI_CAT2(a, b) a##b
#define VELDER_CLI_CAT(a, b) VELDER_CLI_CAT2(a, b)
#define VELDER_CLI_COMMAND(name, usage, fn) \
    static const ::cli::Registrar VELDER_CLI_CAT(velder_cli_registrar_, __LINE__)(name, usage, fn)
