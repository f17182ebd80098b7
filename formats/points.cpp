// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/points.h"

#include <cmath>
#include <stdexcept>

#include "core/failure.h"
#include "formats/file.h"
#include "formats/points_syntax.h"

namespace ko {

namespace {

// Keeps text up to pos, plus `keep` characters of the match found there.
void CutAt(std::string& text, const char* pattern, std::size_t keep)
{
    const std::size_t pos = text.find(pattern);
    if (pos != std::string::npos) text.erase(pos + keep);
}

}  // namespace

std::string TrimPointText(std::string text)
{
    std::string unix;
    unix.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        unix += text[i];
    }
    CutAt(unix, "\n\n", 1);
    CutAt(unix, "\n\t", 1);
    CutAt(unix, "\t\n", 0);
    CutAt(unix, "\t ", 0);
    CutAt(unix, "  ", 0);
    return unix;
}

void CPoints::Parse(const std::string& text)
{
    points_.clear();
    static const syntax<std::string::const_iterator> grammar;
    CPointGroups groups;
    auto first = text.begin();
    const bool matched = qi::parse(first, text.end(), grammar, groups);
    if (!matched || first != text.end()) throw CFailure("Failure to parse the data.");
    points_.reserve(groups.ones.size() + groups.twos.size() + groups.threes.size());
    for (double y : groups.ones) points_.push_back(std::make_shared<CPoint<double>>(0.0, y));
    for (const auto& [x, y] : groups.twos) points_.push_back(std::make_shared<CPoint<double>>(x, y));
    for (const CPointXYZ& p : groups.threes)
        points_.push_back(std::make_shared<CPoint<double>>(p.x, p.y, p.z));
    // A value that overflows a double is refused, whichever rule read it.
    for (const auto& point : points_) {
        if (!std::isfinite(point->x) || !std::isfinite(point->y) || !std::isfinite(point->z)) {
            points_.clear();
            throw CFailure("Failure to parse the data.");
        }
    }
}

void CPoints::ReadFile(const std::string& path)
{
    const std::string text = TrimPointText(ReadFileText(path));
    try {
        Parse(text);
    } catch (const std::logic_error& failure) {
        throw CFailure("Failure to parse the file: " + path + " for reading.\n" + failure.what());
    }
}

}  // namespace ko
