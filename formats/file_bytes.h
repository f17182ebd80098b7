// SPDX-License-Identifier: GPL-3.0-or-later
// Whole-file reads with the fewest system calls: open, fstat, read, close.
#pragma once
#include <cstddef>
#include <optional>
#include <string>

namespace ko {

// A file descriptor, closed when it goes.
struct CFileDescriptor {
    explicit CFileDescriptor(int descriptor) : fd(descriptor) {}
    CFileDescriptor(const CFileDescriptor&) = delete;
    CFileDescriptor& operator=(const CFileDescriptor&) = delete;
    ~CFileDescriptor();

    int fd;
};

// Opens path for reading; a FIFO is opened without waiting for a writer. -1 on failure.
int OpenForReading(const std::string& path);

// Reads size bytes of fd into buffer; a file that shrank leaves zeros after its end.
bool ReadWhole(int fd, unsigned char* buffer, std::size_t size);

// The bytes of the regular file at path, read in one go (a file that reports
// no size, as /proc files do, to its end); nothing when path is no regular
// file or cannot be read.
std::optional<std::string> ReadRegularFile(const std::string& path);

}  // namespace ko
