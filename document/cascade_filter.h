// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace ko {

// Drop-down filters in cascade over rows of texts: each filter column offers
// the distinct values of the rows that pass every choice made before it.
class CCascadeFilter {
public:
    // Each row holds at least columns texts; the first columns are filtered.
    CCascadeFilter(std::vector<std::vector<std::string>> rows, std::size_t columns);

    std::size_t ColumnCount() const { return choices_.size(); }
    const std::vector<std::vector<std::string>>& Rows() const { return rows_; }

    // Sorted distinct values of column among the rows passing the choices of
    // the columns before it (numbers by value, before texts).
    std::vector<std::string> Options(std::size_t column) const;
    // Sets the choice of column (none: any value) and clears the later ones.
    void Choose(std::size_t column, std::optional<std::string> value);
    const std::optional<std::string>& Choice(std::size_t column) const { return choices_.at(column); }
    // The rows passing every choice, in order.
    std::vector<std::size_t> Matching() const;

private:
    bool Passes(const std::vector<std::string>& row, std::size_t columns) const;

    std::vector<std::vector<std::string>> rows_;
    std::vector<std::optional<std::string>> choices_;
};

// Orders texts that both read as numbers by value, numbers before other
// texts, other texts bytewise.
bool OptionLess(const std::string& a, const std::string& b);

}  // namespace ko
