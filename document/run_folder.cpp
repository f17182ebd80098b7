// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/run_folder.h"

#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <stdexcept>

namespace fs = std::filesystem;

namespace ko {

namespace {

constexpr const char* kPrefix = "velder-run-";

std::string RootOr(const std::string& root)
{
    return root.empty() ? fs::temp_directory_path().string() : root;
}

// The process id in a run folder's name; 0 when the name is not one.
pid_t RunOf(const std::string& name)
{
    if (name.rfind(kPrefix, 0) != 0) return 0;
    const std::string rest = name.substr(std::strlen(kPrefix));
    const auto dash = rest.find('-');
    if (dash == 0 || dash == std::string::npos) return 0;
    try {
        return static_cast<pid_t>(std::stol(rest.substr(0, dash)));
    } catch (const std::exception&) {
        return 0;
    }
}

bool Runs(pid_t pid)
{
    return ::kill(pid, 0) == 0 || errno != ESRCH;
}

}  // namespace

CRunFolder::CRunFolder(std::string root) : root_(std::move(root)) {}

CRunFolder::~CRunFolder()
{
    std::error_code ignored;
    if (!path_.empty()) fs::remove_all(path_, ignored);
}

const std::string& CRunFolder::Path()
{
    if (!path_.empty()) return path_;
    std::string pattern =
        (fs::path(RootOr(root_)) / (kPrefix + std::to_string(::getpid()) + "-XXXXXX")).string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("Failure to create the folder " + pattern + ": " + std::strerror(errno));
    path_ = pattern;
    return path_;
}

void CRunFolder::RemoveStale(const std::string& root)
{
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(RootOr(root), error)) {
        const pid_t pid = RunOf(entry.path().filename().string());
        struct stat info {};
        if (pid <= 0 || pid == ::getpid() || Runs(pid)) continue;
        if (::lstat(entry.path().c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::getuid())
            continue;
        std::error_code ignored;
        fs::remove_all(entry.path(), ignored);
    }
}

}  // namespace ko
