// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace ko {

// The release level of one database row (its SECURITY column): 1 "PUBLIC" or
// 2 "PRIVATE". Rows of the holding tables have no SECURITY column and keep the
// default, "PRIVATE".
class CSecurity {
public:
    CSecurity() = default;
    CSecurity(const CSecurity&) = default;
    CSecurity& operator=(const CSecurity&) = default;
    virtual ~CSecurity() = default;

    // Exactly "PUBLIC" (case-sensitive) gives level 1; anything else level 2.
    void Set(const std::string& value);

    int GetLevel() const { return level_; }
    const std::string& GetText() const { return text_; }

private:
    int level_ = 2;
    std::string text_ = "PRIVATE";
};

}  // namespace ko
