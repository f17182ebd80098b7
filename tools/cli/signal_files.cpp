// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/cli/signal_files.h"

#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <ostream>
#include <stdexcept>

#include "core/atomic_file.h"
#include "core/number_text.h"
#include "core/signal.h"
#include "formats/uds_file.h"
#include "formats/uds_signal.h"

namespace cli {

namespace {

bool IsText(const std::string& path)
{
    const std::string ext = ".txt";
    return path.size() >= ext.size() && path.compare(path.size() - ext.size(), ext.size(), ext) == 0;
}

// A new empty file beside target, for writing in full before the rename.
std::string StagingFile(const std::string& target)
{
    const std::filesystem::path p(target);
    std::string name(1, '.');
    name += p.filename().string();
    name += ".XXXXXX";
    std::string pattern = (p.parent_path() / name).string();
    const int fd = mkstemp(pattern.data());
    if (fd < 0) throw std::runtime_error("Failure to open file for writing.");
    close(fd);
    return pattern;
}

void RemoveAll(const std::vector<std::string>& paths)
{
    std::error_code ignored;
    for (const auto& path : paths) std::filesystem::remove(path, ignored);
}

}  // namespace

std::shared_ptr<ko::CNSignal> LoadSignal(const std::string& path)
{
    ko::CUDSFile file;
    file.Read(path);
    auto signal = std::make_shared<ko::CNSignal>();
    SetFromUDSFile(*signal, std::move(file));
    return signal;
}

std::vector<std::shared_ptr<ko::CNSignal>> LoadSignals(std::span<const std::string> paths)
{
    std::vector<std::shared_ptr<ko::CNSignal>> signals;
    for (const auto& path : paths) signals.push_back(LoadSignal(path));
    return signals;
}

std::string XYText(const ko::CNSignal& signal)
{
    std::string text;
    const auto& x = signal.GetX();
    const auto& y = signal.GetY();
    for (std::size_t i = 0; i < y.size() && i < x.size(); ++i) {
        ko::AppendGeneral(text, x[i], 9);
        text += '\t';
        ko::AppendGeneral(text, y[i], 9);
        text += '\n';
    }
    return text;
}

void SaveSignals(const std::vector<std::pair<const ko::CNSignal*, std::string>>& outputs)
{
    std::vector<std::string> staged;
    try {
        for (const auto& [signal, path] : outputs) {
            staged.push_back(StagingFile(path));
            if (IsText(path))
                ko::WriteFileAtomically(staged.back(), XYText(*signal));
            else
                WriteUDS(*signal, staged.back());
        }
        for (std::size_t i = 0; i < outputs.size(); ++i)
            std::filesystem::rename(staged[i], outputs[i].second);
    } catch (...) {
        RemoveAll(staged);
        throw;
    }
}

void PrintWarnings(const ko::CNSignal& signal, std::ostream& err)
{
    for (const auto& warning : signal.GetWarnings()) err << "warning: " << warning << "\n";
}

}  // namespace cli
