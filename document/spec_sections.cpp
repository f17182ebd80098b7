// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/spec_sections.h"

#include <map>

namespace ko {

namespace {

template <class R>
std::vector<CSpecRow> RecordRows(const R& record)
{
    const auto& columns = R::Columns();
    std::vector<CSpecRow> rows;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const auto& field = columns[i];
        if (field.column.describesPrevious || !field.column.IsIn(TableVariant::Production)) continue;
        CSpecRow row{
            std::string(field.column.description), std::string(field.column.name), field.GetText(record), {}};
        if (i + 1 < columns.size() && columns[i + 1].column.describesPrevious)
            row.decoded = columns[i + 1].GetText(record);
        rows.push_back(std::move(row));
    }
    return rows;
}

template <class R>
bool HasDecoded()
{
    for (const auto& field : R::Columns())
        if (field.column.describesPrevious) return true;
    return false;
}

template <class R>
int MediaNumberOf(const R& record)
{
    if constexpr (std::is_base_of_v<CElectricMediaBase, R>)
        return record.GetMediaNumber();
    else
        return 0;
}

template <class R>
void Add(CSpecSection& section, const std::shared_ptr<R>& record)
{
    section.decoded = HasDecoded<R>();
    if (!record) return;
    section.records.push_back(RecordRows(*record));
    section.mediaNumbers.push_back(MediaNumberOf(*record));
}

template <class R>
void Add(CSpecSection& section, const CRecordList<R>& records)
{
    section.decoded = HasDecoded<R>();
    for (const auto& record : records) Add(section, record);
}

// The media sections every kind shares.
template <class Test>
bool AddMedia(CSpecSection& out, const Test& test, const std::string& section)
{
    if (section == "Reports")
        Add(out, test.GetReports());
    else if (section == "Photos")
        Add(out, test.GetPhotos());
    else if (section == "Videos")
        Add(out, test.GetVideos());
    else
        return false;
    return true;
}

const char* KindWord(TestKind kind)
{
    switch (kind) {
        case TestKind::Vehicle: return "Vehicle";
        case TestKind::Component: return "Component";
        case TestKind::Biomechanics: return "Biomenechanics";
        default: return "";
    }
}

// The values of names for one record: its own columns, else the test record's.
template <class R, class T>
std::string CopyLine(const R& record, const T& test, const std::vector<std::string>& names)
{
    std::string line;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) line += '\t';
        if (const auto* field = R::Columns().Find(names[i]))
            line += field->GetText(record);
        else if (const auto* testField = T::Columns().Find(names[i]))
            line += testField->GetText(test);
    }
    return line + "\n";
}

std::vector<std::string> SplitHeader(const std::string& header)
{
    std::vector<std::string> names(1);
    for (const char c : header) {
        if (c == '\t')
            names.emplace_back();
        else if (c != '\n')
            names.back() += c;
    }
    return names;
}

}  // namespace

const std::vector<std::string>& SpecSectionNames(TestKind kind)
{
    static const std::vector<std::string> vehicle{"Track",    "Test",       "Barrier", "Instrumentation",
                                                  "Occupant", "Restraints", "Vehicle", "Intrusion"};
    static const std::vector<std::string> component{"Track",           "Test",   "Component", "Configuration",
                                                    "Instrumentation", "Vehicle"};
    static const std::vector<std::string> bio{
        "Track",           "Test",   "Anthropometric", "B. Occ.", "Gauge", "Chest Band", "D. Occ.",
        "Instrumentation", "Injury", "Restraint",      "Rib"};
    static const std::vector<std::string> none;
    switch (kind) {
        case TestKind::Vehicle: return vehicle;
        case TestKind::Component: return component;
        case TestKind::Biomechanics: return bio;
        default: return none;
    }
}

const std::vector<std::string>& SpecMediaSectionNames()
{
    static const std::vector<std::string> names{"Reports", "Photos", "Videos"};
    return names;
}

std::string SpecSectionTip(TestKind kind, const std::string& section)
{
    static const std::map<std::string, std::string> full{
        {"B. Occ.", "Biological Occupant"},    {"D. Occ.", "Dummy Occupant"}, {"Gauge", "Chest Band Gauge"},
        {"Chest Band", "Chest Band Occupant"}, {"Rib", "Rib Bending"},        {"Reports", "Report"}};
    const auto found = full.find(section);
    return std::string(KindWord(kind)) + " " + (found == full.end() ? section : found->second) +
           " Specification";
}

MediaKind SpecMediaKind(const std::string& section)
{
    if (section == "Photos") return MediaKind::Photo;
    if (section == "Reports") return MediaKind::Report;
    if (section == "Videos") return MediaKind::Video;
    return MediaKind::None;
}

std::string SpecWindowTitle(TestKind kind)
{
    return std::string(KindWord(kind)) + " Test Specification";
}

CSpecSection SpecSection(const CVehicleTest& test, const std::string& section)
{
    CSpecSection out;
    if (section == "Track")
        Add(out, test.GetTrack());
    else if (section == "Test")
        Add(out, test.GetTest());
    else if (section == "Barrier")
        Add(out, test.GetBarrier());
    else if (section == "Instrumentation")
        Add(out, test.GetInstrumentations());
    else if (section == "Occupant")
        Add(out, test.GetOccupants());
    else if (section == "Restraints")
        Add(out, test.GetRestraints());
    else if (section == "Vehicle")
        Add(out, test.GetVehicles());
    else if (section == "Intrusion")
        Add(out, test.GetIntrusions());
    else
        AddMedia(out, test, section);
    return out;
}

CSpecSection SpecSection(const CComTest& test, const std::string& section)
{
    CSpecSection out;
    if (section == "Track")
        Add(out, test.GetTrack());
    else if (section == "Test")
        Add(out, test.GetTest());
    else if (section == "Component")
        Add(out, test.GetComponents());
    else if (section == "Configuration")
        Add(out, test.GetConfigurations());
    else if (section == "Instrumentation")
        Add(out, test.GetInstrumentations());
    else if (section == "Vehicle")
        Add(out, test.GetVehicles());
    else
        AddMedia(out, test, section);
    return out;
}

CSpecSection SpecSection(const CBioTest& test, const std::string& section)
{
    CSpecSection out;
    if (section == "Track")
        Add(out, test.GetTrack());
    else if (section == "Test")
        Add(out, test.GetTest());
    else if (section == "Anthropometric")
        Add(out, test.GetAnthropometric());
    else if (section == "B. Occ.")
        Add(out, test.GetBiologicalOccupant());
    else if (section == "Gauge")
        Add(out, test.GetChestBandGauges());
    else if (section == "Chest Band")
        Add(out, test.GetChestBands());
    else if (section == "D. Occ.")
        Add(out, test.GetDummyOccupant());
    else if (section == "Instrumentation")
        Add(out, test.GetInstrumentations());
    else if (section == "Injury")
        Add(out, test.GetInjuries());
    else if (section == "Restraint")
        Add(out, test.GetRestraints());
    else if (section == "Rib")
        Add(out, test.GetRibBendings());
    else
        AddMedia(out, test, section);
    return out;
}

std::string SpecCopyText(const CSpecSection& section, SpecCopy copy)
{
    std::string text;
    const bool all = copy == SpecCopy::All || copy == SpecCopy::AllPivot;
    if (copy == SpecCopy::All || copy == SpecCopy::TitleValues) {
        for (const auto& record : section.records)
            for (const CSpecRow& row : record)
                text += all ? row.description + "\t" + row.name + "\t" + row.value + "\t" + row.decoded + "\n"
                            : row.name + "\t" + row.value + "\n";
        return text;
    }
    if (section.records.empty()) return text;
    const auto line = [&](auto member, const std::vector<CSpecRow>& rows) {
        std::string out;
        for (std::size_t i = 0; i < rows.size(); ++i) out += (i ? "\t" : "") + rows[i].*member;
        return out + "\n";
    };
    const std::vector<CSpecRow>& first = section.records.front();
    if (all) text += line(&CSpecRow::description, first);
    text += line(&CSpecRow::name, first);
    for (const auto& record : section.records) {
        text += line(&CSpecRow::value, record);
        if (all) text += line(&CSpecRow::decoded, record);
    }
    return text;
}

const std::vector<std::string>& VehicleCopySections()
{
    static const std::vector<std::string> sections{"Track",    "Test",      "Barrier", "Instrumentation",
                                                   "Occupant", "Restraint", "Vehicle"};
    return sections;
}

const std::string& VehicleCopyHeader(const std::string& section)
{
    static const std::map<std::string, std::string> headers{
        {"Track", "TSTNO\tTSTPRF\tTSTREF\tSTATUS\tCOTR\tCOTRPROXY\n"},
        {"Test", "TSTNO\tTSTTYP\tTSTCFN\tCLSSPD\tIMPANG\tOFFSET\tTSTPRF\tTSTCOM\tTITLE\n"},
        {"Barrier", "BARRIG\tBARSHP\tBARANG\tBARDIA\tBARCOM\n"},
        {"Instrumentation",
         "CURNO\tVEHNO\tSENLOC\tSENATT\tSENTYP\tAXIS\tXUNITS\tYUNITS\tDASTAT\tCHSTAT\tINIVEL\tNFP\tNLP\tDELT"
         "\tINSCOM\n"},
        {"Occupant", "VEHNO\tOCCLOC\tOCCTYP\tDUMSIZ\tHIC\tT1\tT2\tCLIP3M\tLFEM\tRFEM\tTTI\tPELVG\n"},
        {"Restraint", "VEHNO\tOCCLOC\tRSTNO\tRSTTYP\tDEPLOY\tRSTMNT\tRSTCOM\n"},
        {"Vehicle",
         "VEHNO\tMAKED\tMODEL\tYEAR\tVEHSPD\tVEHTWT\tCRBANG\tVEHLEN\tVEHWID\tWHLBAS\tKORVANO\tBODY\tTRANSM\t"
         "\tVEHCOM\t"
         "VIN\n"}};
    static const std::string none;
    const auto found = headers.find(section);
    return found == headers.end() ? none : found->second;
}

std::string VehicleCopyText(const CVehicleTest& test, const std::string& section)
{
    const std::string& header = VehicleCopyHeader(section);
    if (header.empty() || !test.GetTest()) return {};
    const std::vector<std::string> names = SplitHeader(header);
    const veh::CTest& record = *test.GetTest();
    std::string lines;
    const auto add = [&](const auto& records) {
        for (const auto& row : records)
            if (row) lines += CopyLine(*row, record, names);
    };
    if (section == "Track")
        add(std::vector{test.GetTrack()});
    else if (section == "Test")
        add(std::vector{test.GetTest()});
    else if (section == "Barrier")
        add(std::vector{test.GetBarrier()});
    else if (section == "Instrumentation")
        add(test.GetInstrumentations());
    else if (section == "Occupant")
        add(test.GetOccupants());
    else if (section == "Restraint")
        add(test.GetRestraints());
    else if (section == "Vehicle")
        add(test.GetVehicles());
    return lines.empty() ? std::string() : header + lines;
}

}  // namespace ko
