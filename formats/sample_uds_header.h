// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

#include "formats/uds_file.h"
#include "model/instrumentation.h"

namespace ko::sample {

// The test-level fields of a sample curve's UDS header.
struct CUDSTestFields {
    std::string source;  // TSTSRC: "VEHICLE DB", "COMPONENT DB", "BIOMECHANICS DB"
    int number = 0;
    std::string title;
    std::string performer;
    std::string reference;
    std::string configuration;
    int impactAngle = 0;
    double closingSpeed = 0.0;
};

// The header of a curve as the test database would give it: test fields,
// then the row's (descriptions where there are any), time base in seconds.
void FillUDSHeader(CUDSFile& file, const CUDSTestFields& test, const ko::CInstrumentation& row,
                   const std::string& location);

}  // namespace ko::sample
