// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/uds_report.h"

#include "core/failure.h"
#include "core/number_text.h"
#include "document/uds_pages.h"

namespace ko {

namespace {

std::string Milliseconds(double seconds)
{
    return GeneralText(seconds * 1000.0, 6);
}

class CBlockWriter {
public:
    explicit CBlockWriter(const CData& signal) : signal_(signal) {}

    // label + the field's text + unit.
    CBlockWriter& Field(const char* label, const char* field, const char* unit = "")
    {
        return Line(std::string(label) + UDSFieldText(signal_, field) + unit);
    }
    CBlockWriter& Line(std::string text)
    {
        block_.lines.push_back(std::move(text));
        return *this;
    }
    CReportBlock Take(std::string title)
    {
        block_.title = std::move(title);
        return std::move(block_);
    }

private:
    const CData& signal_;
    CReportBlock block_;
};

const CUDSSubPage& SubPage(const char* title)
{
    for (const CUDSPage& page : UDSPages())
        for (const CUDSSubPage& sub : page.subPages)
            if (std::string(sub.title) == title) return sub;
    throw CFailure(std::string("No UDS page ") + title);
}

CReportBlock FileBlock(const CData& s)
{
    return CBlockWriter(s)
        .Field("Version:  ", "VERNO")
        .Field("Form: ", "FILEFORM")
        .Field("Number Format: ", "NUMFORM")
        .Field("Unit System: ", "DIMSYS")
        .Take("File");
}

CReportBlock TestBlock(const CData& s)
{
    return CBlockWriter(s)
        .Field("Test Number: ", "TSTNO")
        .Field("Configuration: ", "TSTCFN")
        .Field("Closing Speed: ", "CLSSPD", " (kph)")
        .Field("Performer: ", "TSTPRF")
        .Field("Title: ", "TITLE")
        .Take("Test");
}

CReportBlock VehicleBlock(const CData& s, bool second)
{
    const char* title = second ? "Vehicle Two" : "Vehicle One";
    CBlockWriter block(s);
    if (!UDSSubPagePresent(s, SubPage(second ? "Vehicle2" : "Vehicle1")))
        return block.Line("No vehicle in this file.").Take(title);
    const std::string n = second ? "2" : "1";
    const auto field = [&](const char* label, const std::string& name, const char* unit = "") {
        block.Line(label + UDSFieldText(s, name + n) + unit);
    };
    field("Make: ", "Make");
    field("Year: ", "Year");
    field("Model: ", "Model");
    field("Engine Type: ", "EngineType");
    field("Body: ", "BodyType");
    field("Weight: ", "VehicleWeight", " (kgs)");
    field("Speed: ", "VEHSPD", " (kph)");
    return block.Take(title);
}

CReportBlock OccupantBlock(const CData& s)
{
    CBlockWriter block(s);
    if (!UDSSubPagePresent(s, SubPage("Occupant 1")))
        return block.Line("No occupant in this file.").Take("Occupant One");
    return block.Field("Type: ", "Type1")
        .Field("Sex: ", "Sex1")
        .Field("Weight: ", "Weight1")
        .Field("Age: ", "Age1")
        .Field("Dummy Size: ", "Size1")
        .Field("Primary Restraint: ", "FirstRestraint1")
        .Field("Secondary Restraint: ", "SecondRestraint1")
        .Take("Occupant One");
}

CReportBlock InjuryBlock(const CData& s)
{
    CBlockWriter block(s);
    if (!UDSSubPagePresent(s, SubPage("Occupant Injury")))
        return block.Line("No injury values in this file.").Take("Occupant InJury");
    return block.Field("HIC: ", "HIC")
        .Line("T1: " + Milliseconds(s.GetT1()) + " (msec)")
        .Line("T2: " + Milliseconds(s.GetT2()) + " (msec)")
        .Field("AIS: ", "AIS")
        .Take("Occupant InJury");
}

CReportBlock CurveBlock(const CData& s)
{
    CBlockWriter block(s);
    for (const char* id : {"ID1", "ID2", "ID3", "ID4", "ID5"})
        block.Field((std::string(id) + ": ").c_str(), id);
    for (const char* rd : {"RD1", "RD2", "RD3", "RD4", "RD5"})
        block.Field((std::string(rd) + ": ").c_str(), rd);
    block.Field("Status: ", "STATUS")
        .Field("Data Type: ", "YTYPE")
        .Line("Time Step: " + Milliseconds(s.GetDEL()) + " (msec)")
        .Line("Time Range: " + Milliseconds(s.GetStartTime()) + " to " + Milliseconds(s.GetEndTime()) +
              "(msec)")
        .Field("Units: ", "YUNITS")
        .Field("SenAtt: ", "SENATT")
        .Field("Type: ", "CURTYP")
        .Field("InitVel: ", "INIVEL", " (kph) ")
        .Field("Filter Cutoff: ", "FCUT", "(Hz)   ")
        .Line("Number of Points: " + std::to_string(s.GetPointCount()))
        .Line("Data min: " + GeneralText(s.GetYMin(), 6))
        .Line("Data Max: " + GeneralText(s.GetYMax(), 6))
        .Field("Axis: ", "AXIS")
        .Field("Scale Factor: ", "SCLFAC")
        .Field("First Point: ", "NFP")
        .Field("Last Point: ", "NLP")
        .Field("Location: ", "SENLOC")
        .Field("Form: ", "CHANFORM")
        .Field("TO: ", "T0")
        .Field("Curve Description: ", "DESC")
        .Field("CD1: ", "CD1")
        .Field("CD2: ", "CD2");
    return block.Take("Curve User Data");
}

}  // namespace

CReportText UDSReport(const CData& signal, UDSReportKind kind, const std::tm& date)
{
    CReportText report;
    const bool full = kind == UDSReportKind::Full;
    report.title = full ? "Full UDS File Report" : "UDS File Specification Report";
    report.heading = {"Test Number: " + UDSFieldText(signal, "TSTNO"),
                      "Curve Number: " + UDSFieldText(signal, "CURNO"),
                      "Date: " + std::to_string(date.tm_mon + 1) + "/" + std::to_string(date.tm_mday) + "/" +
                          std::to_string(date.tm_year + 1900)};
    report.blocks.push_back(FileBlock(signal));
    report.blocks.push_back(TestBlock(signal));
    if (full) {
        report.blocks.push_back(VehicleBlock(signal, false));
        report.blocks.push_back(VehicleBlock(signal, true));
        report.blocks.push_back(OccupantBlock(signal));
        report.blocks.push_back(InjuryBlock(signal));
    }
    report.blocks.push_back(CurveBlock(signal));
    return report;
}

std::string ReportPlainText(const CReportText& report)
{
    std::string text = report.title + "\n";
    for (const std::string& line : report.heading) text += line + "\n";
    for (const CReportBlock& block : report.blocks) {
        text += "\n" + block.title + "\n";
        for (const std::string& line : block.lines) text += "  " + line + "\n";
    }
    return text;
}

}  // namespace ko
