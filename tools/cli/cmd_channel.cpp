// SPDX-License-Identifier: GPL-3.0-or-later
// velder-cli channel SOURCE --title ROW [OPS...] [--out DIR --format uds|txt]:
// the current signals of one title, changed by OPS, listed and optionally saved.
#include <filesystem>
#include <iostream>
#include <stdexcept>

#include "core/signal.h"
#include "document/document.h"
#include "document/signal_output.h"
#include "tools/cli/command_registry.h"
#include "tools/cli/op_args.h"
#include "tools/cli/signal_files.h"
#include "tools/cli/source_args.h"

namespace {

struct Output {
    std::string dir;
    bool text = false;
};

Output ParseOutput(std::vector<std::string>& rest)
{
    Output output;
    std::string format = "uds";
    const bool hasFormat = cli::TakeOption(rest, "--format", format);
    if (!cli::TakeOption(rest, "--out", output.dir) && hasFormat)
        throw std::invalid_argument("--format needs --out DIR");
    if (format != "uds" && format != "txt")
        throw std::invalid_argument("--format: not uds or txt: '" + format + "'");
    output.text = format == "txt";
    if (!output.dir.empty() && !std::filesystem::is_directory(output.dir))
        throw std::invalid_argument("Invalid Path:\n" + output.dir);
    return output;
}

// Saves each signal under its proposed name; a failure is reported and the
// next signal saved. False when any signal was not saved.
bool SaveAll(const ko::CSignalList& signals, const Output& output)
{
    bool saved = true;
    for (const auto& signal : signals) {
        const std::string name = output.text ? ko::ProposedTextName(*signal) : ko::ProposedUDSName(*signal);
        const std::string path = (std::filesystem::path(output.dir) / name).string();
        try {
            if (name.empty())
                throw std::runtime_error("No file name for test " + std::to_string(signal->GetTSTNO()) +
                                         " curve " + std::to_string(signal->GetCURNO()) + ".");
            output.text ? ko::SaveXYText(*signal, path) : ko::SaveUDS(*signal, path);
        } catch (const std::exception& e) {
            std::cerr << (output.text && !name.empty() ? "Failure to open: " + path : std::string(e.what()))
                      << '\n';
            saved = false;
        }
    }
    return saved;
}

std::size_t ParseRow(const std::string& text, std::size_t rows)
{
    const int row = cli::ParseIndex(text, "--title");
    if (row < 0 || static_cast<std::size_t>(row) >= rows)
        throw std::invalid_argument("--title: row " + text + " is not one of the " + std::to_string(rows) +
                                    " title rows");
    return static_cast<std::size_t>(row);
}

int Channel(const std::vector<std::string>& args)
{
    auto source = cli::ParseSourceArgs(args);
    std::string rowText;
    if (!cli::TakeOption(source.rest, "--title", rowText))
        throw std::invalid_argument("--title ROW is required");
    const Output output = ParseOutput(source.rest);
    const auto operations = cli::ParseOperations(source.rest);
    ko::CDocument document;
    cli::LoadSource(document, source, std::cerr);
    document.SelectTitle(ParseRow(rowText, document.GetTitleCount()));
    cli::PrintFailures(document, std::cerr);
    if (document.GetCurrentSignals().empty()) throw std::runtime_error("No signal could be loaded.");
    for (const auto& operation : operations) document.ApplyToSignals(operation.apply);
    for (const auto& signal : document.GetCurrentSignals()) {
        cli::PrintWarnings(*signal, std::cerr);
        std::cout << signal->GetTSTNO() << '\t' << signal->GetCURNO() << '\t' << signal->GetFileName() << '\t'
                  << ko::PlotPoints(*signal) << '\t' << ko::PeakSubtitle(*signal) << '\n';
    }
    if (!output.dir.empty() && !SaveAll(document.GetCurrentSignals(), output)) return 1;
    return 0;
}

}  // namespace

VELDER_CLI_COMMAND("channel",
                   std::string("channel ") + cli::kSourceUsage +
                       " --title ROW [OPS...] [--out DIR --format uds|txt]; " + cli::kOpsHelp,
                   Channel);
