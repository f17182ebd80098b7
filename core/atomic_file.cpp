// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/atomic_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <stdexcept>

namespace ko {

CAtomicFile::CAtomicFile(std::string path) : path_(std::move(path)) {}

CAtomicFile::~CAtomicFile()
{
    Discard();
}

bool CAtomicFile::Open()
{
    static std::atomic<unsigned> counter{0};
    Discard();
    if (path_.empty()) return false;
    // A short hidden name beside the target, whatever the length of the target's name.
    const std::size_t slash = path_.rfind('/');
    const std::string dir = slash == std::string::npos ? std::string() : path_.substr(0, slash + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp_ = dir + ".velder" + std::to_string(::getpid()) + "_" + std::to_string(counter++) + ".tmp";
        fd_ = ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ >= 0) return true;
        if (errno != EEXIST) break;
    }
    temp_.clear();
    return false;
}

bool CAtomicFile::Write(const void* data, std::size_t size)
{
    if (fd_ < 0) return false;
    const char* p = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t n = ::write(fd_, p, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            Discard();
            return false;
        }
        p += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool CAtomicFile::Commit()
{
    if (fd_ < 0) return false;
    const bool synced = ::fsync(fd_) == 0;
    const bool closed = ::close(fd_) == 0;
    fd_ = -1;
    if (!synced || !closed || std::rename(temp_.c_str(), path_.c_str()) != 0) {
        Discard();
        return false;
    }
    temp_.clear();
    return true;
}

void CAtomicFile::Discard()
{
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!temp_.empty()) ::unlink(temp_.c_str());
    temp_.clear();
}

void WriteFileAtomically(const std::string& path, const void* data, std::size_t size)
{
    CAtomicFile file(path);
    if (!file.Open()) throw std::runtime_error("Failure to open file: " + path + " for writing.");
    if (!file.Write(data, size) || !file.Commit()) throw std::runtime_error("Failure to write file: " + path);
}

}  // namespace ko
