// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/compare_files.h"

#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <stdexcept>

#include "core/signal.h"
#include "document/run_folder.h"
#include "formats/uds_signal.h"

namespace ko {

namespace {

std::string TemporaryUDS(const CNSignal& signal, CRunFolder& folder)
{
    std::string pattern = (std::filesystem::path(folder.Path()) / "UDSXXXXXX.uds").string();
    const int fd = ::mkstemps(pattern.data(), 4);
    if (fd < 0) throw std::runtime_error(std::strerror(errno));
    ::close(fd);
    try {
        WriteUDS(signal, pattern);
    } catch (...) {
        ::unlink(pattern.c_str());
        throw;
    }
    return pattern;
}

}  // namespace

std::vector<std::string> CompareFiles(const CSignalList& signals, bool ownFiles, CRunFolder& folder)
{
    std::vector<std::string> files;
    for (const auto& signal : signals) {
        const auto path = std::filesystem::path(signal->GetDirectory()) / signal->GetFileName();
        std::error_code error;
        const bool own = ownFiles && !signal->IsModified() && !signal->GetFileName().empty() &&
                         !signal->GetDirectory().empty() && std::filesystem::is_regular_file(path, error);
        files.push_back(own ? path.string() : TemporaryUDS(*signal, folder));
    }
    return files;
}

std::string CompareArgumentText(const std::vector<std::string>& files)
{
    std::string text;
    for (const auto& file : files) text += file + " ";
    return text;
}

}  // namespace ko
