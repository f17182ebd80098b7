// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/status.h"

#include <array>
#include <cctype>
#include <string_view>

namespace ko {

namespace {

struct StatusForm {
    std::string_view text;
    std::string_view stored;
};

// Tried in order; the two-letter forms are the test databases' status codes.
constexpr std::array<StatusForm, 26> kForms{{
    {"AM", "AS MEASURED"},
    {"AS MEASURED", "AS MEASURED"},
    {"CM", "COMPUTED"},
    {"COMPUTED", "COMPUTED"},
    {"DFT", "DFT"},
    {"CF", "CHANNEL FAILED"},
    {"CHANNEL FAILED", "CHANNEL FAILED"},
    {"SF", "SYSTEM FAILED"},
    {"SYSTEM FAILED", "SYSTEM FAILED"},
    {"FILTERED", "FILTERED"},
    {"ALIGEND", "ALIGEND"},
    {"MODIFIED", "MODIFIED"},
    {"MN", "MEANINGLESS"},
    {"MEANINGLESS", "MEANINGLESS"},
    {"NO", "NO DATA"},
    {"NO DATA", "NO DATA"},
    {"QD", "QUESTIONABLE DATA"},
    {"QUESTIONABLE DATA", "QUESTIONABLE DATA"},
    {"SUBSAMPLED", "SUBSAMPLED"},
    {"SC", "SCALING FACTOR"},
    {"SCALED", "SCALING FACTOR"},
    {"SCALING FACTOR", "SCALING FACTOR"},
    {"TRUNCATED", "TRUNCATED"},
    {"UN", "NOT KNOW"},
    {"NOT KNOW", "NOT KNOW"},
    {"", ""},
}};

}  // namespace

std::string NormaliseStatus(const std::string& text)
{
    std::string upper = text;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (const auto& form : kForms)
        if (form.text == upper) return std::string(form.stored);
    return upper;
}

}  // namespace ko
