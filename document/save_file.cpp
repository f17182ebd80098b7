// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/save_file.h"

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <stdexcept>

#include "core/signal.h"

namespace fs = std::filesystem;

namespace ko {

namespace {

std::string StagingFile(const std::string& path)
{
    const fs::path parent = fs::path(path).parent_path();
    std::string pattern = (parent / ".velder-save-XXXXXX").string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) throw std::runtime_error("Failure to open file: " + path + " for writing.");
    ::close(fd);
    return pattern;
}

// rename that never replaces; link for file systems without the rename flag.
bool MoveNew(const std::string& from, const std::string& to)
{
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
    if (::link(from.c_str(), to.c_str()) != 0) return false;
    ::unlink(from.c_str());
    return true;
}

}  // namespace

std::vector<std::string> InputFiles(const CSignalList& signals)
{
    std::vector<std::string> files;
    for (const auto& signal : signals)
        if (!signal->GetFileName().empty() && !signal->GetDirectory().empty())
            files.push_back((fs::path(signal->GetDirectory()) / signal->GetFileName()).string());
    return files;
}

CTarget TargetState(const std::string& path, const std::vector<std::string>& inputs)
{
    std::error_code error;
    if (!fs::exists(path, error)) return CTarget::Free;
    for (const auto& input : inputs)
        if (fs::equivalent(path, input, error)) return CTarget::Input;
    return CTarget::Exists;
}

void SaveFile(const std::string& path, CReplace replace, const std::function<void(const std::string&)>& write)
{
    const std::string staging = StagingFile(path);
    try {
        write(staging);
    } catch (...) {
        ::unlink(staging.c_str());
        throw;
    }
    const bool moved = replace == CReplace::Allowed ? std::rename(staging.c_str(), path.c_str()) == 0
                                                    : MoveNew(staging, path);
    if (moved) return;
    const int error = errno;
    ::unlink(staging.c_str());
    if (error == EEXIST) throw std::runtime_error("File exists: " + path);
    throw std::runtime_error("Failure to write file: " + path + ": " + std::strerror(error));
}

}  // namespace ko
