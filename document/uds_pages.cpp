// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/uds_pages.h"

#include <map>
#include <stdexcept>

#include "core/number_text.h"

namespace ko {

namespace {

std::string Text(const std::string& value)
{
    return value;
}

std::string Text(std::int32_t value)
{
    return std::to_string(value);
}

std::string Text(double value)
{
    return GeneralText(value, 6);
}

using CFieldReader = std::string (*)(const CData&);

const std::map<std::string, CFieldReader, std::less<>>& Readers()
{
#define KO_UDS_READER(kind, name, rec, off, w, def, label) \
    {#name, [](const CData& signal) { return Text(signal.Get##name()); }},
    static const std::map<std::string, CFieldReader, std::less<>> readers{
        KO_UDS_FIELDS(KO_UDS_READER){"FILEVER", [](const CData& signal) { return Text(signal.GetVERNO()); }},
        {"T0", [](const CData& signal) { return Text(signal.GetStartTime()); }},
        {"NCHAN", [](const CData&) { return std::string("1"); }}};
#undef KO_UDS_READER
    return readers;
}

CUDSSubPage VehiclePage(const char* title, bool second)
{
    if (second)
        return {title,
                {{"Vehicle 2",
                  {{"Vehicle Number", "VehicleNumber2"},
                   {"Component Type", "ComponentType2"},
                   {"Description", "Description2"},
                   {"Make", "Make2"},
                   {"Model", "Model2"},
                   {"Year", "Year2"},
                   {"Body Type", "BodyType2"},
                   {"Engine Type", "EngineType2"},
                   {"Vehicle Weight", "VehicleWeight2"},
                   {"VEHSPD", "VEHSPD2"}}}},
                true};
    return {title,
            {{"Vehicle 1",
              {{"Vehicle Number", "VehicleNumber1"},
               {"Component Type", "ComponentType1"},
               {"Description", "Description1"},
               {"Make", "Make1"},
               {"Model", "Model1"},
               {"Year", "Year1"},
               {"Body Type", "BodyType1"},
               {"Engine Type", "EngineType1"},
               {"Vehicle Weight", "VehicleWeight1"},
               {"VEHSPD", "VEHSPD1"}}}},
            true};
}

CUDSSubPage OccupantPage(const char* title, bool second)
{
    if (second)
        return {title,
                {{"Occupant 2",
                  {{"Type", "Type2"},
                   {"Age", "Age2"},
                   {"Sex", "Sex2"},
                   {"Weight", "Weight2"},
                   {"Size", "Size2"},
                   {"1st Restraint", "FirstRestraint2"},
                   {"2nd Restraint", "SecondRestraint2"}}}},
                true};
    return {title,
            {{"Occupant 1",
              {{"Type", "Type1"},
               {"Age", "Age1"},
               {"Sex", "Sex1"},
               {"Weight", "Weight1"},
               {"Size", "Size1"},
               {"1st Restraint", "FirstRestraint1"},
               {"2nd Restraint", "SecondRestraint1"}}}},
            true};
}

// Fields shown under their own UDS names.
std::vector<CUDSPageField> Named(std::initializer_list<const char*> names)
{
    std::vector<CUDSPageField> fields;
    for (const char* name : names) fields.push_back({name, name});
    return fields;
}

}  // namespace

const std::vector<CUDSPage>& UDSPages()
{
    static const std::vector<CUDSPage> pages{
        {"Test",
         {{"",
           {{"Test Information",
             Named({"TITLE", "TSTPRF", "TSTSRC", "TSTNO", "TSTNAM", "TSTREF", "TSTCFN", "IMPANG", "CLSSPD"})},
            {"File Information", Named({"FILEFORM", "NUMFORM", "NCHAN", "DIMSYS", "FILEVER"})}}}}},
        {"Vehicle", {VehiclePage("Vehicle1", false), VehiclePage("Vehicle2", true)}},
        {"Occupant",
         {OccupantPage("Occupant 1", false),
          OccupantPage("Occupant 2", true),
          {"Occupant Injury",
           {{"Injury", Named({"HIC", "T1", "T2", "HICDTUP", "CSI", "AIS", "CLIP3M"})}},
           true}}},
        {"Curve",
         {{"Curve Data",
           {{"Curve Data", Named({"SCLFAC", "ICHAN", "FCOR", "FSTP", "YTYPE", "YUNITS", "XTYPE", "XUNITS",
                                  "INIVEL", "FCUT", "T0", "CHANFORM", "NFP", "NLP", "DEL"})}}},
          {"Sensor Info",
           {{"Sensor Info", Named({"CURNO", "STATUS", "AXIS", "PREFIL", "SENLOC", "CURTYP", "SENATT", "DESC",
                                   "SENNUM", "CURNAM", "BANDNO", "GAGNO"})}}},
          {"Curve-User",
           {{"Curve-User",
             Named({"RD1", "RD2", "RD3", "RD4", "RD5", "ID1", "ID2", "ID3", "ID4", "ID5", "CD1", "CD2"})}}}}},
    };
    return pages;
}

bool UDSSubPagePresent(const CData& signal, const CUDSSubPage& page)
{
    if (!page.optional) return true;
    for (const CUDSPageGroup& group : page.groups) {
        for (const CUDSPageField& field : group.fields) {
            const std::string text = UDSFieldText(signal, field.field);
            if (!text.empty() && text != "0" && text != "NONE") return true;
        }
    }
    return false;
}

std::string UDSFieldText(const CData& signal, std::string_view name)
{
    const auto found = Readers().find(name);
    if (found == Readers().end()) throw std::out_of_range("Unknown UDS field: " + std::string(name));
    return found->second(signal);
}

}  // namespace ko
