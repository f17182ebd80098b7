// SPDX-License-Identifier: GPL-3.0-or-later
// The check shared by the EV5 fuzz targets: whatever a reader accepts and its
// writer writes must read back, and a second round trip must change nothing.
#pragma once
#include <cstddef>
#include <cstdint>
#include <ctime>
#include <memory>
#include <stdexcept>
#include <string>

namespace ev5fuzz {

inline void Check(bool condition)
{
    if (!condition) __builtin_trap();
}

// The file's text after reading text into a new aggregate, or "" when the
// reader or the writer refused it.
template <class File, class Test>
std::string Rewritten(const std::string& text, bool mustRead)
{
    auto test = std::make_shared<Test>();
    File file(test, 42);
    std::tm date{};
    date.tm_mday = 1;
    date.tm_year = 100;
    file.SetDate(date);
    try {
        file.Read(text);
    } catch (const std::logic_error&) {
        Check(!mustRead);
        return {};
    }
    std::string written;
    try {
        Check(file.ToString(written));
    } catch (const std::logic_error&) {
        return {};
    }
    Check(!written.empty());
    return written;
}

template <class File, class Test>
void RoundTrip(const std::string& text)
{
    const std::string first = Rewritten<File, Test>(text, false);
    if (first.empty()) return;
    const std::string second = Rewritten<File, Test>(first, true);
    // Equal texts are a fixed point already; otherwise the second must be one.
    if (second.empty() || second == first) return;
    Check(Rewritten<File, Test>(second, true) == second);
}

template <class Plain, class Extension, class Test>
int FuzzOne(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    RoundTrip<Plain, Test>(text);
    RoundTrip<Extension, Test>(text);
    return 0;
}

}  // namespace ev5fuzz
