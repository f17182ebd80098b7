// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>
#include <string_view>

namespace ko {

// The fixed texts of EV5 and EV5 Extension test files. A file is three header
// lines, one section per table (a marker line, then one record line per row,
// fields joined by "|"), and the END marker.
class CEV5 {
public:
    CEV5() = default;
    CEV5(const CEV5&) = default;
    CEV5& operator=(const CEV5&) = default;
    virtual ~CEV5() = default;

    static constexpr const char* kSource = "# Source: EV5";
    static constexpr const char* kSourceExtension = "# Source: EV5 Extension";
    static constexpr const char* kDate = "# Date: <";  // EV5: "# Date: <mm/dd/yyyy>"
    static constexpr const char* kDateEnd = ">";
    static constexpr const char* kDateExtension = "# Date: ";  // Extension: "# Date: dd/Month/yyyy"
    static constexpr const char* kTitle = "----- EV5 -----";
    static constexpr const char* kTitleExtension = "----- EV5 Extension -----";
    static constexpr const char* kEndMarker = "----- END -----";
    static constexpr char kSeparator = '|';
    static constexpr const char* kLineEnd = "\n";

    // Section names; the marker line is "----- <name> -----".
    static constexpr const char* kTest = "TEST";
    static constexpr const char* kVehicle = "VEHICLE";
    static constexpr const char* kBarrier = "BARRIER";
    static constexpr const char* kOccupant = "OCCUPANT";
    static constexpr const char* kRestraint = "RESTRAINT";
    static constexpr const char* kInstrumentation = "INSTRUMENTATION";
    static constexpr const char* kBioOccupant = "BIO OCCUPANT";
    static constexpr const char* kDummyOccupant = "DUMMY OCCUPANT";
    static constexpr const char* kAnthropometry = "ANTHROPOMETRY";
    static constexpr const char* kRib = "RIB";
    static constexpr const char* kOccupantInjury = "OCCUPANT INJURY";
    static constexpr const char* kChestBand = "CHEST BAND";
    static constexpr const char* kChestBandGauge = "CHEST BAND GAUGE";
    static constexpr const char* kComponent = "COMPONENT";
    static constexpr const char* kRollover = "ROLLOVER";
    static constexpr const char* kConfiguration = "CONFIGURATION";

    static std::string Marker(std::string_view section) { return "----- " + std::string(section) + " -----"; }
    // The three header lines; date is "mm/dd/yyyy" for EV5, "dd/Month/yyyy" for the Extension.
    static std::string HeaderLines(const std::string& date)
    {
        return std::string(kSource) + kLineEnd + kDate + date + kDateEnd + kLineEnd + kTitle + kLineEnd;
    }
    static std::string ExtensionHeaderLines(const std::string& date)
    {
        return std::string(kSourceExtension) + kLineEnd + kDateExtension + date + kLineEnd + kTitleExtension +
               kLineEnd;
    }
};

// True when the first line of text is "# Source: EV5 Extension" (a "\r" before
// its line end ignored); such a text is read by the Extension readers.
bool IsEV5ExtensionText(std::string_view text);

}  // namespace ko
