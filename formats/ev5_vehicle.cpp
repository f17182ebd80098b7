// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/ev5_vehicle.h"

#include <string>

#include "formats/ev5_field_orders.h"

namespace ko {

namespace {

using Test = CVehicleTest;

CEV5SectionTexts Texts(const char* name, const char* word, const char* keyLabel = "",
                       const char* keyColumn = "")
{
    return {name, word, std::string("Vehicle: ") + word + " Table: ", keyLabel, keyColumn};
}

int CountField(std::string_view text)
{
    return std::get<int>(ParseFieldValue(ColumnType::Int, text));
}

// The numbers of vehicles and occupants at the end of the Extension TEST line.
std::vector<CEV5Extra<veh::CTest>> TestCounts()
{
    return {{"VEHICLES", [](const veh::CTest& t) { return std::to_string(t.GetVehicleCount()); },
             [](veh::CTest& t, std::string_view text) { t.SetVehicleCount(CountField(text)); }},
            {"OCCUPANTS", [](const veh::CTest& t) { return std::to_string(t.GetOccupantCount()); },
             [](veh::CTest& t, std::string_view text) { t.SetOccupantCount(CountField(text)); }}};
}

std::string TestOrder(bool extension)
{
    if (!extension) {
        return std::string(ev5::kTestHeader) +
               "|TSTTYP|TSTCFN|TKSURF|TKCOND|TEMP|RECTYP|LINK|CLSSPD|IMPANG|OFFSET|IMPPNT|TOTCRV|TSTCOM";
    }
    return std::string(ev5::kTestHeaderExtension) +
           "|TSTTYP|TSTTYPD|TSTCFN|TSTCFND|TKSURF|TKSURFD|TKCOND|TKCONDD|TEMP|RECTYP|RECTYPD|LINK|LINKD|"
           "CLSSPD|"
           "IMPANG|OFFSET|IMPPNT|MEASUR|MEASURD|TOTCRV|TSTCOM|VEHICLES|OCCUPANTS";
}

std::string OccupantOrder(bool extension)
{
    if (!extension) {
        return "VEHNO|OCCLOC|OCCTYP|OCCAGE|OCCSEX|OCCHT|OCCWT|MTHCAL|DUMSIZ|DUMMAN|DUMMOD|DUMDSC|HH|HW|HR|HS|"
               "CD|"
               "CS|AD|HD|KD|HB|NB|CB|KB|SEPOSN|CNTRH1|CNTRH2|CNTRC1|CNTRC2|CNTRL1|CNTRL2|HIC|T1|T2|CLIP3M|"
               "LFEM|"
               "RFEM|CSI|LBELT|SBELT|TTI|PELVG|OCCCOM";
    }
    return "VEHNO|OCCLOC|OCCLOCD|OCCTYP|OCCTYPD|OCCAGE|OCCSEX|OCCSEXD|OCCHT|OCCWT|MTHCAL|MTHCALD|DUMSIZ|"
           "DUMSIZD|"
           "DUMMAN|DUMMOD|DUMDSC|HH|HW|HR|HS|CD|CS|AD|HD|KD|HB|NB|CB|KB|SEPOSN|SEPOSND|CNTRH1|CNTRH1D|CNTRH2|"
           "CNTRH2D|CNTRC1|CNTRC1D|CNTRC2|CNTRC2D|CNTRL1|CNTRL1D|CNTRL2|CNTRL2D|HIC|-|T1|-|T2|-|CLIP3M|-|"
           "LFEM|-|"
           "RFEM|-|CSI|LBELT|SBELT|TTI|-|PELVG|-|OCCCOM";
}

// The vehicle columns in table order (codes only for EV5); the short form lacks CURBWT.
std::vector<std::string> VehicleForms(bool extension)
{
    const std::string full = EV5TableOrder(ColumnsOf<veh::CVehicle>(), extension);
    return {EV5Without(full, "CURBWT"), full};
}

CEV5Sections<Test> MakeSections(bool extension)
{
    CEV5Sections<Test> sections;
    sections.push_back(MakeEV5Section(Texts(CEV5::kTest, "Test"), {TestOrder(extension)},
                                      SingleAccess(&Test::GetTest, &Test::SetTest),
                                      extension ? TestCounts() : std::vector<CEV5Extra<veh::CTest>>{}));
    sections.push_back(MakeEV5Section(Texts(CEV5::kVehicle, "Vehicle"), VehicleForms(extension),
                                      ListAccess(&Test::GetVehicles, &Test::AddVehicle)));
    sections.push_back(MakeEV5Section(Texts(CEV5::kBarrier, "Barrier"),
                                      EV5Form(extension, "BARRIG|BARSHP|BARANG|BARDIA|BARCOM",
                                              "BARRIG|BARRIGD|BARSHP|BARSHPD|BARANG|BARDIA|BARCOM"),
                                      SingleAccess(&Test::GetBarrier, &Test::SetBarrier)));
    sections.push_back(MakeEV5Section(Texts(CEV5::kOccupant, "Occupant"), {OccupantOrder(extension)},
                                      ListAccess(&Test::GetOccupants, &Test::AddOccupant)));
    sections.push_back(MakeEV5Section(
        Texts(CEV5::kRestraint, "Restraint", "Restraint Number: ", "RSTNO"),
        EV5Form(extension, "VEHNO|OCCLOC|RSTNO|RSTTYP|RSTMNT|DEPLOY|RSTCOM",
                "VEHNO|OCCLOC|OCCLOCD|RSTNO|RSTTYP|RSTTYPD|RSTMNT|RSTMNTD|DEPLOY|DEPLOYD|RSTCOM"),
        ListAccess(&Test::GetRestraints, &Test::AddRestraint)));
    sections.push_back(MakeEV5Section(
        Texts(CEV5::kInstrumentation, "Instrumentation", "Curve Number: ", "CURNO"),
        EV5Form(
            extension, std::string("VEHNO|CURNO|SENTYP|SENLOC|") + ev5::kInstrumentationData,
            std::string("VEHNO|CURNO|SENTYP|SENTYPD|SENLOC|SENLOCD|") + ev5::kInstrumentationDataExtension),
        ListAccess(&Test::GetInstrumentations, &Test::AddInstrumentation)));
    return sections;
}

}  // namespace

const CEV5Sections<CVehicleTest>& CEV5Veh::GetSections() const
{
    static const CEV5Sections<CVehicleTest> sections = MakeSections(false);
    return sections;
}

const CEV5Sections<CVehicleTest>& CEV5VehExt::GetSections() const
{
    static const CEV5Sections<CVehicleTest> sections = MakeSections(true);
    return sections;
}

std::string CEV5VehExt::Header() const
{
    return ExtensionHeaderLines(HeaderDate("%d/%B/%Y"));
}

}  // namespace ko
