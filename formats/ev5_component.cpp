// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/ev5_component.h"

#include <string>

#include "formats/ev5_field_orders.h"

namespace ko {

namespace {

using Test = CComTest;

CEV5SectionTexts Texts(const char* name, const char* word, const char* keyLabel = "",
                       const char* keyColumn = "")
{
    return {name, word, std::string("Component: ") + word + " Table: ", keyLabel, keyColumn};
}

std::vector<std::string> VehicleForms(bool extension)
{
    const std::string order = "VEHNO|MAKE|MODEL|YEAR|KORVANO|BODY|VIN|CRTEST|VEHCOM";
    if (extension) return {"VEHNO|MAKE|MAKED|MODEL|MODELD|YEAR|KORVANO|BODY|BODYD|VIN|CRTEST|CRTESTD|VEHCOM"};
    return {order, order + "|VIMFNO|LOAD|ENGINE|ENGDSP|TRANSM|FUEL|EQUIP"};
}

// The rollover section is written for rollover tests only.
CEV5Access<Test, com::CRollover> RolloverAccess()
{
    CEV5Access<Test, com::CRollover> access = SingleAccess(&Test::GetRollover, &Test::SetRollover);
    access.written = [](const Test& test) {
        return test.GetRollover() && test.GetTest() && test.GetTest()->GetTSTTYP() == "ROV";
    };
    return access;
}

CEV5Sections<Test> MakeSections(bool extension)
{
    CEV5Sections<Test> sections;
    sections.push_back(
        MakeEV5Section(Texts(CEV5::kTest, "Test"),
                       EV5Form(extension, std::string(ev5::kTestHeader) + "|TSTTYP|TEMP|TOTCRV|TSTCOM",
                               std::string(ev5::kTestHeaderExtension) + "|TSTTYP|TSTTYPD|TEMP|TOTCRV|TSTCOM"),
                       SingleAccess(&Test::GetTest, &Test::SetTest)));
    sections.push_back(MakeEV5Section(Texts(CEV5::kVehicle, "Vehicle"), VehicleForms(extension),
                                      ListAccess(&Test::GetVehicles, &Test::AddVehicle)));
    sections.push_back(MakeEV5Section(
        Texts(CEV5::kComponent, "Component", "Component Number: ", "CMPNO"),
        EV5Form(extension, "VEHNO|CMPNO|CMPNT|CMPTYP|CMPWGT|MODIND|MODDSC|OCCTYP|DUMSIZ|DUMMAN|CMPCOM",
                "VEHNO|CMPNO|CMPNT|CMPNTD|CMPTYP|CMPTYPD|CMPWGT|MODIND|MODINDD|MODDSC|OCCTYP|OCCTYPD|DUMSIZ|"
                "DUMSIZD|"
                "DUMMAN|CMPCOM"),
        ListAccess(&Test::GetComponents, &Test::AddComponent)));
    sections.push_back(MakeEV5Section(Texts(CEV5::kRollover, "Rollover"),
                                      {EV5TableOrder(ColumnsOf<com::CRollover>(), true)}, RolloverAccess()));
    sections.push_back(MakeEV5Section(
        Texts(CEV5::kConfiguration, "Configuration", "Configuration Number: ", "CNFNO"),
        EV5Form(extension,
                "VEHNO|CMPNO|CNFNO|TSTDEV|DEVSPD|DEVCOM|CONFIG|CMPSPD|CNTANG|CNTLOC1|CNTLOC2|CNTCOM|CNFCOM",
                "VEHNO|CMPNO|CNFNO|TSTDEV|TSTDEVD|DEVSPD|DEVCOM|CONFIG|CONFIGD|CMPSPD|CNTANG|CNTLOC1|CNTLOC2|"
                "CNTCOM|"
                "CNFCOM"),
        ListAccess(&Test::GetConfigurations, &Test::AddConfiguration)));
    sections.push_back(MakeEV5Section(
        Texts(CEV5::kInstrumentation, "Instrumentation", "Curve Number: ", "CURNO"),
        EV5Form(extension, std::string("VEHNO|CMPNO|CNFNO|CURNO|SENTYP|") + ev5::kInstrumentationData,
                std::string("VEHNO|CMPNO|CNFNO|CURNO|SENTYP|SENTYPD|") +
                    ev5::kComponentInstrumentationDataExtension),
        ListAccess(&Test::GetInstrumentations, &Test::AddInstrumentation)));
    return sections;
}

}  // namespace

const CEV5Sections<CComTest>& CEV5Com::GetSections() const
{
    static const CEV5Sections<CComTest> sections = MakeSections(false);
    return sections;
}

const CEV5Sections<CComTest>& CEV5ComExt::GetSections() const
{
    static const CEV5Sections<CComTest> sections = MakeSections(true);
    return sections;
}

std::string CEV5ComExt::Header() const
{
    return ExtensionHeaderLines(HeaderDate("%d/%B/%Y"));
}

}  // namespace ko
