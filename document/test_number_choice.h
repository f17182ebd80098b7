// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace ko {

// The chosen test numbers of the batch test dialog, in the order chosen, each
// once.
class CTestNumberChoice {
public:
    static constexpr int kFirst = 1;
    static constexpr int kLast = 99999;

    // A typed entry: a whole number from 1 to 99999, blanks around it allowed;
    // anything else gives nothing.
    static std::optional<int> ParseEntry(const std::string& text);

    // Appends number unless it is already chosen; false when it was.
    bool Add(int number);
    bool Contains(int number) const;
    // Removes the numbers at these positions (any order, duplicates allowed).
    void RemoveAt(std::vector<int> positions);
    void Clear() { numbers_.clear(); }
    const std::vector<int>& Numbers() const { return numbers_; }

private:
    std::vector<int> numbers_;
};

// Reads a test-number list file (one number per line); throws
// std::runtime_error "Failure to open file: <path>" when it cannot be read.
std::vector<int> ReadTestNumberFile(const std::string& path);
// Writes each number once, in order, one per line, atomically; throws
// std::runtime_error "Failure to open file: <path>" when it cannot be written.
void WriteTestNumberFile(const std::string& path, const std::vector<int>& numbers);

}  // namespace ko
