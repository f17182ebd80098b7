// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace ko {

// The identity of one test: its number (1 to 99999, 0 while unset) and the
// texts derived from it once, when it is set. The four bucket texts are the
// number rounded down to a multiple of 10, 100, 1000 and 10000, zero-padded to
// five digits; the file store and the database layer build paths and bind
// values from them. Every database record derives from this class.
class CTestNumber {
public:
    CTestNumber() = default;
    CTestNumber(const CTestNumber&) = default;
    CTestNumber& operator=(const CTestNumber&) = default;
    virtual ~CTestNumber() = default;

    // Throws std::out_of_range "Test Number: n is out of range.  Range 1 to 99999"
    // outside 1..99999 and leaves the object unchanged.
    void Set(int number);

    int GetNumber() const { return number_; }
    const std::string& GetText() const { return text_; }              // "7", "12345"
    const std::string& GetPaddedText() const { return paddedText_; }  // "00007"
    const std::string& GetTens() const { return tens_; }
    const std::string& GetHundreds() const { return hundreds_; }
    const std::string& GetThousands() const { return thousands_; }
    const std::string& GetTenThousands() const { return tenThousands_; }

    static constexpr int kMinimum = 1;
    static constexpr int kMaximum = 99999;

private:
    int number_ = 0;
    std::string text_;
    std::string paddedText_;
    std::string tens_;
    std::string hundreds_;
    std::string thousands_;
    std::string tenThousands_;
};

// The number left-filled with '0' to width characters (longer numbers are kept whole).
std::string ZeroPadded(int number, std::size_t width);

}  // namespace ko
