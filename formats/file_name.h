// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

#include "model/curve_number.h"
#include "model/database.h"
#include "model/test_number.h"

namespace ko {

// The 17-character UDS file name of a curve, "_00000_000___.uds" until set:
//   0     database letter (v, b, c, t)
//   1-5   test number, zero-padded
//   7-9   curve number, zero-padded
//   10    quantity letter from the Y units
//   11    status letter from the data status
//   12    filter letter from the filter frequency
// and the 14-character test file name "_00000_000.___" (database letter and
// test number only). Invalid input never fails: it leaves "_" or zeros.
class CFileName {
public:
    CFileName() = default;
    CFileName(const CFileName&) = default;
    CFileName& operator=(const CFileName&) = default;
    virtual ~CFileName() = default;

    void SetDatabase(const std::string& database);
    void SetTestNumber(int number);
    void SetCurveNumber(int number);
    void SetQuantity(const std::string& units);
    void SetStatus(const std::string& dataStatus);
    void SetFilter(double frequency);

    const std::string& GetUDSName() const { return udsName_; }
    const std::string& GetTestName() const { return testName_; }

private:
    CTestNumber testNumber_;
    CCurveNumber curveNumber_;
    CDatabase database_;
    std::string udsName_ = "_00000_000___.uds";
    std::string testName_ = "_00000_000.___";
};

// The letters of positions 10, 11 and 12; '_' for anything not listed. Units
// and statuses are compared in upper case.
char QuantityLetter(const std::string& units);
char StatusLetter(const std::string& dataStatus);
char FilterLetter(double frequency);

}  // namespace ko
