// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <ctime>
#include <string>
#include <vector>

#include "core/signal.h"

namespace ko {

// A report as text: its title, the heading lines of every page, and blocks
// of "label value" lines under their titles.
struct CReportBlock {
    std::string title;
    std::vector<std::string> lines;
};
struct CReportText {
    std::string title;
    std::vector<std::string> heading;
    std::vector<CReportBlock> blocks;
};

enum class UDSReportKind { Specification, Full };

// "UDS File Specification Report" (the File, Test and Curve User Data
// blocks) or "Full UDS File Report" (every block). The heading holds
// "Test Number: ", "Curve Number: " and the date as "Date: month/day/year". A
// vehicle or occupant group the file does not carry is one line saying so.
CReportText UDSReport(const CData& signal, UDSReportKind kind, const std::tm& date);

// The report as plain text: title, heading, then each block's title and lines.
std::string ReportPlainText(const CReportText& report);

}  // namespace ko
