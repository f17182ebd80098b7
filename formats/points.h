// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstddef>
#include <memory>
#include <string>

#include "core/point.h"

namespace ko {

// A curve kept as ASCII text: one point per line with one number (y), two (x, y)
// or three (x, y, z). Lines of one number come first, then lines of two, then
// lines of three; numbers of one point may be split by blanks, tabs, commas and
// line ends.
class CPoints {
public:
    CPoints() = default;
    virtual ~CPoints() = default;

    // Clears the list and parses the whole text. Throws std::logic_error
    // "Failure to parse the data." unless all of it matches; the list then holds
    // whatever matched before the failure.
    void Parse(const std::string& text);

    // Reads the file whole, cuts off trailing material (see TrimPointText) and
    // parses it. Throws std::logic_error "Failure to open file: <path> for
    // reading." or "Failure to parse the file: <path> for reading.\n" followed
    // by the parse failure text.
    void ReadFile(const std::string& path);

    std::size_t size() const { return points_.size(); }
    bool empty() const { return points_.empty(); }
    const std::shared_ptr<CPoint<double>>& operator[](std::size_t index) const { return points_[index]; }
    auto begin() const { return points_.begin(); }
    auto end() const { return points_.end(); }
    const CPointList& GetPoints() const { return points_; }

private:
    CPointList points_;
};

// The text a point file is parsed from: CR LF becomes LF (as a text-mode read
// gives it), then the text is cut at the first empty line, at the first line that begins with a
// tab, before the first tab that ends a line or precedes a blank, and before
// the first two blanks in a row, in that order.
std::string TrimPointText(std::string text);

}  // namespace ko
