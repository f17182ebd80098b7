// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "formats/ev_base.h"
#include "model/veh_intrusion.h"

namespace ko {

// An IP5 intrusion file: the intrusion points of a vehicle test.
//   # Source: Intrusion Data
//   # Date: <mm/dd/yyyy>
//   ----- INTRUSION -----
//   VEHNO|IPNO|IPLOC|BIX|BIY|BIZ|AIX|AIY|AIZ|TSTREF     (one line per point)
//   ----- END -----
// Reading also accepts lines of 10 pipes: ignored|TSTREF|VEHNO|IPNO|IPLOC|BIX..AIZ.
class CIP5File : public CEVBase {
public:
    using Intrusions = std::vector<std::shared_ptr<veh::CIntrusion>>;

    static constexpr const char* kSource = "# Source: Intrusion Data";
    static constexpr const char* kDateStart = "# Date: <";
    static constexpr const char* kDateEnd = ">";
    static constexpr const char* kIntrusionMarker = "----- INTRUSION -----";
    static constexpr const char* kEndMarker = "----- END -----";
    static constexpr char kSeparator = '|';
    static constexpr const char* kLineEnd = "\n";

    // Records read get testNumber as their TSTNO when it is 1 to 99999.
    explicit CIP5File(int testNumber = 0) : testNumber_(testNumber) {}
    ~CIP5File() override = default;

    // Replaces the list by the records of text. Reading stops at an empty line or
    // at "----- END -----"; lines beginning with "#" and the INTRUSION marker are
    // skipped. Throws std::logic_error "Source is empty", "Intrusion pipe count
    // is <n> and not 9 or 10.", a field conversion text or a line text of
    // CTextLines; records read before a failure stay in the list.
    void Read(const std::string& text) override;
    // The whole file text, dated today. Throws std::logic_error "Intrusion point
    // <IPNO>: <column> holds a "|" or a line end." rather than write a line that
    // cannot be read back; out is then unchanged.
    bool ToString(std::string& out) override;
    void Write(std::ostream& out) override;

    const Intrusions& GetIntrusions() const { return intrusions_; }
    void SetIntrusions(Intrusions intrusions) { intrusions_ = std::move(intrusions); }
    int GetTestNumber() const { return testNumber_; }
    void SetTestNumber(int testNumber) { testNumber_ = testNumber; }

private:
    std::shared_ptr<veh::CIntrusion> ReadRecord(std::string_view line) const;

    int testNumber_ = 0;
    Intrusions intrusions_;
};

}  // namespace ko
