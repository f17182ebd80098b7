// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace ko {

// The number of one curve (channel) within a test: 1 to 999, 0 while unset,
// with its plain and three-digit texts ("0" and "000" while unset).
class CCurveNumber {
public:
    CCurveNumber() = default;
    CCurveNumber(const CCurveNumber&) = default;
    CCurveNumber& operator=(const CCurveNumber&) = default;
    virtual ~CCurveNumber() = default;

    // Throws std::out_of_range "Curve Number: n is out of range." outside 1..999
    // and leaves the object unchanged.
    void Set(int number);

    int GetNumber() const { return number_; }
    const std::string& GetText() const { return text_; }
    const std::string& GetPaddedText() const { return paddedText_; }

    static constexpr int kMinimum = 1;
    static constexpr int kMaximum = 999;

private:
    int number_ = 0;
    std::string text_ = "0";
    std::string paddedText_ = "000";
};

}  // namespace ko
