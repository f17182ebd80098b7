// SPDX-License-Identifier: GPL-3.0-or-later
// velder-cli channel SOURCE --title ROW [OPS...] [--out DIR --format uds|txt [--force]]:
// the current signals of one title, changed by OPS, listed and optionally saved.
// A save never writes over a file a signal was read from, replaces other files
// only with --force, and gives signals proposing the same name distinct files.
#include <filesystem>
#include <iostream>
#include <stdexcept>

#include "core/signal.h"
#include "document/document.h"
#include "document/save_file.h"
#include "document/save_names.h"
#include "document/signal_output.h"
#include "tools/cli/command_registry.h"
#include "tools/cli/op_args.h"
#include "tools/cli/signal_files.h"
#include "tools/cli/source_args.h"

namespace {

struct Output {
    std::string dir;
    bool text = false;
    bool force = false;
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
    output.force = cli::TakeFlag(rest, "--force");
    if (output.force && output.dir.empty()) throw std::invalid_argument("--force needs --out DIR");
    if (!output.dir.empty() && !std::filesystem::is_directory(output.dir))
        throw std::invalid_argument("Invalid Path:\n" + output.dir);
    return output;
}

// Saves one signal to path by the save rules; throws the text to report.
void SaveOne(const ko::CNSignal& signal, const std::string& path, const Output& output,
             const std::vector<std::string>& inputs)
{
    switch (ko::TargetState(path, inputs)) {
        case ko::CTarget::Input: throw std::runtime_error("Not written over the input file: " + path);
        case ko::CTarget::Exists:
            if (!output.force) throw std::runtime_error("File exists: " + path + " (--force replaces it)");
            break;
        case ko::CTarget::Free: break;
    }
    const auto replace = output.force ? ko::CReplace::Allowed : ko::CReplace::Never;
    try {
        ko::SaveFile(path, replace, [&](const std::string& staged) {
            output.text ? ko::SaveXYText(signal, staged) : ko::SaveUDS(signal, staged);
        });
    } catch (const std::exception& e) {
        throw std::runtime_error(output.text ? "Failure to open: " + path + "\n" + e.what() : e.what());
    }
}

// Saves each signal under its proposed name (made distinct within the save);
// a failure is reported and the next signal saved. False when any signal was
// not saved.
bool SaveAll(const ko::CSignalList& signals, const Output& output, const std::vector<std::string>& inputs)
{
    bool saved = true;
    ko::CSaveNames names;
    for (const auto& signal : signals) {
        const std::string proposed =
            output.text ? ko::ProposedTextName(*signal) : ko::ProposedUDSName(*signal);
        const std::string name = proposed.empty() ? proposed : names.Distinct(proposed);
        names.Take(name);
        try {
            if (name.empty())
                throw std::runtime_error("No file name for test " + std::to_string(signal->GetTSTNO()) +
                                         " curve " + std::to_string(signal->GetCURNO()) + ".");
            SaveOne(*signal, (std::filesystem::path(output.dir) / name).string(), output, inputs);
        } catch (const std::exception& e) {
            std::cerr << e.what() << '\n';
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
    const auto inputs = ko::InputFiles(document.GetCurrentSignals());
    for (const auto& operation : operations) document.ApplyToSignals(operation.apply);
    for (const auto& signal : document.GetCurrentSignals()) {
        cli::PrintWarnings(*signal, std::cerr);
        std::cout << signal->GetTSTNO() << '\t' << signal->GetCURNO() << '\t' << signal->GetFileName() << '\t'
                  << ko::PlotPoints(*signal) << '\t' << ko::PeakSubtitle(*signal) << '\n';
    }
    if (!output.dir.empty() && !SaveAll(document.GetCurrentSignals(), output, inputs)) return 1;
    return 0;
}

}  // namespace

VELDER_CLI_COMMAND("channel",
                   std::string("channel ") + cli::kSourceUsage +
                       " --title ROW [OPS...] [--out DIR --format uds|txt [--force]]; " + cli::kOpsHelp,
                   Channel);
