// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/file_bytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace ko {

CFileDescriptor::~CFileDescriptor()
{
    if (fd >= 0) ::close(fd);
}

int OpenForReading(const std::string& path)
{
    return ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
}

namespace {

// Reads until size bytes are in or the file ends: the count read, nothing when a read fails.
std::optional<std::size_t> ReadUpTo(int fd, char* buffer, std::size_t size)
{
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::read(fd, buffer + done, size - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return std::nullopt;
        if (n == 0) break;
        done += static_cast<std::size_t>(n);
    }
    return done;
}

}  // namespace

bool ReadWhole(int fd, unsigned char* buffer, std::size_t size)
{
    const auto done = ReadUpTo(fd, reinterpret_cast<char*>(buffer), size);
    if (done) std::fill(buffer + *done, buffer + size, 0);
    return done.has_value();
}

std::optional<std::string> ReadRegularFile(const std::string& path)
{
    const CFileDescriptor file(OpenForReading(path));
    if (file.fd < 0) return std::nullopt;
    struct stat info {};
    if (::fstat(file.fd, &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
    const auto size = static_cast<std::size_t>(info.st_size);
    constexpr std::size_t kBlock = 64 * 1024;
    std::string bytes(size > 0 ? size : kBlock, '\0');
    std::size_t filled = 0;
    for (;;) {
        const auto done = ReadUpTo(file.fd, bytes.data() + filled, bytes.size() - filled);
        if (!done) return std::nullopt;
        filled += *done;
        // Stops at the end, or at the size it had when it was opened.
        if (filled < bytes.size() || size > 0) break;
        bytes.resize(bytes.size() * 2);
    }
    bytes.resize(filled);
    return bytes;
}

}  // namespace ko
