// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace ko {

// A file written through a temporary in the same directory: Open creates the
// temporary, Commit flushes it to disk and renames it over the target. Until
// Commit succeeds the target is untouched; a failed or abandoned write removes
// the temporary.
class CAtomicFile {
public:
    explicit CAtomicFile(std::string path);
    CAtomicFile(const CAtomicFile&) = delete;
    CAtomicFile& operator=(const CAtomicFile&) = delete;
    ~CAtomicFile();

    bool Open();
    bool Write(const void* data, std::size_t size);
    bool Commit();

private:
    void Discard();

    std::string path_;
    std::string temp_;
    int fd_ = -1;
};

// Writes data to path atomically; throws std::runtime_error on failure
// ("Failure to open file: " + path + " for writing." or "Failure to write file: " + path).
void WriteFileAtomically(const std::string& path, const void* data, std::size_t size);
inline void WriteFileAtomically(const std::string& path, std::string_view text)
{
    WriteFileAtomically(path, text.data(), text.size());
}

}  // namespace ko
