// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/ip5_file.h"

#include <algorithm>
#include <array>
#include <ostream>
#include <stdexcept>

#include "core/failure.h"
#include "model/test_number.h"

namespace ko {

namespace {

// Columns in the order of a written line (9 pipes).
constexpr std::array<std::string_view, 10> kLineColumns{"VEHNO", "IPNO", "IPLOC", "BIX", "BIY",
                                                        "BIZ",   "AIX",  "AIY",   "AIZ", "TSTREF"};
// The 10-pipe form: the first field is not read.
constexpr std::array<std::string_view, 11> kLongLineColumns{"",    "TSTREF", "VEHNO", "IPNO", "IPLOC", "BIX",
                                                            "BIY", "BIZ",    "AIX",   "AIY",  "AIZ"};

}  // namespace

void CIP5File::Read(const std::string& text)
{
    intrusions_.clear();
    if (text.empty()) throw CFailure("Source is empty");
    CTextLines lines(text, "Intrusion");
    std::string_view line;
    while (lines.Next(line)) {
        if (line.empty() || line == kEndMarker) break;
        if (line.front() == '#' || line == kIntrusionMarker) continue;
        intrusions_.push_back(ReadRecord(line));
    }
}

std::shared_ptr<veh::CIntrusion> CIP5File::ReadRecord(std::string_view line) const
{
    const auto pipes = std::count(line.begin(), line.end(), kSeparator);
    if (pipes != 9 && pipes != 10) {
        throw CFailure("Intrusion pipe count is " + std::to_string(pipes) + " and not 9 or 10.");
    }
    const std::vector<std::string_view> fields = SplitRecordLine(line);
    auto record = std::make_shared<veh::CIntrusion>();
    if (testNumber_ >= CTestNumber::kMinimum && testNumber_ <= CTestNumber::kMaximum)
        record->SetTSTNO(testNumber_);
    const auto& columns = veh::CIntrusion::Columns();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::string_view name = pipes == 9 ? kLineColumns[i] : kLongLineColumns[i];
        if (!name.empty()) columns.At(name).SetText(*record, fields[i]);
    }
    return record;
}

bool CIP5File::ToString(std::string& out)
{
    const auto& columns = veh::CIntrusion::Columns();
    std::string text = std::string(kSource) + kLineEnd + kDateStart + CurrentDateText("%m/%d/%Y") + kDateEnd +
                       kLineEnd + kIntrusionMarker + kLineEnd;
    for (const auto& intrusion : intrusions_) {
        for (std::size_t i = 0; i < kLineColumns.size(); ++i) {
            const std::string field = columns.At(kLineColumns[i]).GetText(*intrusion);
            // A bar or line end inside a text would make the line unreadable.
            if (field.find_first_of("|\r\n") != std::string::npos) {
                throw CFailure("Intrusion point " + std::to_string(intrusion->GetIPNO()) + ": " +
                               std::string(kLineColumns[i]) + " holds a \"|\" or a line end.");
            }
            if (i > 0) text += kSeparator;
            text += field;
        }
        text += kLineEnd;
    }
    out = text + kEndMarker + kLineEnd;
    return true;
}

void CIP5File::Write(std::ostream& out)
{
    std::string text;
    ToString(text);
    out << text;
}

}  // namespace ko
