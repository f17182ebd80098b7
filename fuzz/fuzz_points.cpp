// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: parse arbitrary bytes as a point list, raw and trimmed as a
// point file is; an accepted text gives finite points, never more than its digits.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "formats/points.h"

namespace {

void Check(bool condition)
{
    if (!condition) __builtin_trap();
}

void ParseText(const std::string& text)
{
    ko::CPoints points;
    try {
        points.Parse(text);
    } catch (const std::logic_error&) {
        return;
    }
    std::size_t digits = 0;
    for (char c : text) digits += (c >= '0' && c <= '9') ? 1 : 0;
    Check(points.size() <= digits);
    for (const auto& point : points) {
        Check(point != nullptr);
        Check(std::isfinite(point->x) && std::isfinite(point->y) && std::isfinite(point->z));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    ParseText(text);
    const std::string trimmed = ko::TrimPointText(text);
    Check(trimmed.size() <= text.size());
    ParseText(trimmed);
    return 0;
}
