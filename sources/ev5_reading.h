// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <memory>
#include <string>

#include "model/biomechanics_test.h"
#include "model/component_test.h"
#include "model/test_number.h"
#include "model/vehicle_test.h"

namespace ko {

// Reads an EV5 text into test with the reader of its kind: the Extension reader
// when extension is set or the text says it is an Extension file. Records take
// number (when it is 1 to 99999). Throws the reader's failure texts.
void ReadEV5Test(const std::shared_ptr<CBioTest>& test, const std::string& text, int number, bool extension);
void ReadEV5Test(const std::shared_ptr<CComTest>& test, const std::string& text, int number, bool extension);
void ReadEV5Test(const std::shared_ptr<CVehicleTest>& test, const std::string& text, int number,
                 bool extension);

// Sets number from a store file name ("v01234_000.ev5": a letter, then five
// digits); returns false and changes nothing for any other name.
bool SetTestNumberFromName(CTestNumber& number, const std::string& fileName);

}  // namespace ko
