// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "model/biomechanics_test.h"
#include "model/component_test.h"
#include "model/test_kind.h"
#include "model/vehicle_test.h"

namespace ko {

// One line of the test specification sheet: the field's long description,
// its column name, its value and, for a coded field, the code's description
// (the ...D column after it).
struct CSpecRow {
    std::string description;
    std::string name;
    std::string value;
    std::string decoded;
};

// A section of one test: one block of rows per record, in record order; a
// record the test does not have gives no block. decoded tells whether any
// field of the record class has a description column (else the sheet shows
// three columns).
struct CSpecSection {
    std::vector<std::vector<CSpecRow>> records;
    bool decoded = false;
    // The media number of each record of a media section (0 elsewhere).
    std::vector<int> mediaNumbers;
};

// The section buttons of a kind in order ("Track", "Test", "Barrier", ...),
// without the media sections "Reports", "Photos", "Videos".
const std::vector<std::string>& SpecSectionNames(TestKind kind);
const std::vector<std::string>& SpecMediaSectionNames();
// A section's tool tip: "Vehicle Barrier Specification", "Biomenechanics
// Chest Band Gauge Specification", "Vehicle Report Specification".
std::string SpecSectionTip(TestKind kind, const std::string& section);
// The media kind of "Photos", "Reports" or "Videos"; None for other names.
MediaKind SpecMediaKind(const std::string& section);
// "Vehicle Test Specification", "Component Test Specification", "Biomenechanics Test Specification".
std::string SpecWindowTitle(TestKind kind);

// The rows of a section of a test, from the column tables of its records;
// an unknown section name gives no records.
CSpecSection SpecSection(const CVehicleTest& test, const std::string& section);
CSpecSection SpecSection(const CComTest& test, const std::string& section);
CSpecSection SpecSection(const CBioTest& test, const std::string& section);

// The sheet as clipboard text, lines ending "\n": all four columns or names
// and values only, one line per row; or pivoted, one line per column (names,
// then the values of each record on a line of their own).
enum class SpecCopy { All, TitleValues, AllPivot, TitleValuesPivot };
std::string SpecCopyText(const CSpecSection& section, SpecCopy copy);

// The "Copy Information" sections of a vehicle test and the header line of
// each ("TSTNO\tTSTPRF\t...\n"); "Restraint" copies the "Restraints" section.
const std::vector<std::string>& VehicleCopySections();
const std::string& VehicleCopyHeader(const std::string& section);
// The header line and one tab-separated line per record of the section;
// columns the section's records lack come from the test record, an empty
// name gives an empty column. Empty when the test has no such record.
std::string VehicleCopyText(const CVehicleTest& test, const std::string& section);

}  // namespace ko
