// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/ev5_biomechanics.h"

#include <string>

#include "formats/ev5_field_orders.h"

namespace ko {

namespace {

using Test = CBioTest;

CEV5SectionTexts Texts(const char* name, const char* word, const char* keyLabel = "",
                       const char* keyColumn = "")
{
    return {name, word, std::string("Biomechanics: ") + word + " Table: ", keyLabel, keyColumn};
}

std::string TestOrder(bool extension)
{
    if (!extension) {
        return std::string(ev5::kTestHeader) + "|TSTCFN|TEMP|RECTYP|LINK|CLSSPD|IMPANG|TOTCRV|OCCTYP|TSTCOM";
    }
    return std::string(ev5::kTestHeaderExtension) +
           "|TSTCFN|TSTCFND|TEMP|RECTYP|RECTYPD|LINK|LINKD|CLSSPD|IMPANG|TOTCRV|OCCTYP|OCCTYPD|TSTCOM";
}

std::string BiologicalOrder(bool extension)
{
    const std::string rest =
        "OCCAGE|OCCWT|BCOMPWT|FRCTRB|RBFRCT|OCCREF|NOTEST|DTEDTH|CSEDTH|CADAPP|BEDCON|CADAN|AORPRE|CERPRE|"
        "PULPRE|"
        "BMC|BMCLOC|BMCUNITS|BMCMETHOD|BMCCOM|BOCCOM";
    return (extension ? "BOCCLOC|BOCCLOCD|BOCCSEX|BOCCSEXD|BSEPOSN|BSEPOSND|" : "BOCCLOC|BOCCSEX|BSEPOSN|") +
           rest;
}

std::string DummyOrder(bool extension)
{
    if (!extension) {
        return "DOCCLOC|DOCCSEX|DSEPOSN|HIC|T1|T2|CLIP3M|LFEM|RFEM|CSI|LBELT|SBELT|TTI|PELVG|CTI|VC|CMAX|NIJ|"
               "MTHCAL|DUMSIZ|DUMMAN|DUMMOD|DUMDSC|DCOMPWT|DOCCOM";
    }
    return "DOCCLOC|DOCCLOCD|DOCCSEX|DOCCSEXD|DSEPOSN|DSEPOSND|HIC|-|T1|-|T2|-|CLIP3M|-|LFEM|-|RFEM|-|CSI|"
           "LBELT|"
           "SBELT|TTI|-|PELVG|-|CTI|-|VC|-|CMAX|-|NIJ|-|MTHCAL|MTHCALD|DUMSIZ|DUMSIZD|DUMMAN|DUMMOD|DUMDSC|"
           "DCOMPWT|DOCCOM";
}

void AddOccupantSections(CEV5Sections<Test>& sections, bool extension)
{
    sections.push_back(MakeEV5Section(Texts(CEV5::kTest, "Test"), {TestOrder(extension)},
                                      SingleAccess(&Test::GetTest, &Test::SetTest)));
    sections.push_back(
        MakeEV5Section(Texts(CEV5::kBioOccupant, "Biological Occupant"), {BiologicalOrder(extension)},
                       SingleAccess(&Test::GetBiologicalOccupant, &Test::SetBiologicalOccupant)));
    sections.push_back(MakeEV5Section(Texts(CEV5::kDummyOccupant, "Dummy Occupant"), {DummyOrder(extension)},
                                      SingleAccess(&Test::GetDummyOccupant, &Test::SetDummyOccupant)));
    sections.push_back(MakeEV5Section(Texts(CEV5::kRestraint, "Restraint", "Restraint Number: ", "RSTNO"),
                                      EV5Form(extension, "RSTNO|RSTTYP|RSTMNT|DEPLOY|RSTCOM",
                                              "RSTNO|RSTTYP|RSTTYPD|RSTMNT|RSTMNTD|DEPLOY|DEPLOYD|RSTCOM"),
                                      ListAccess(&Test::GetRestraints, &Test::AddRestraint)));
    sections.push_back(MakeEV5Section(Texts(CEV5::kAnthropometry, "Anthropometric"),
                                      {EV5TableOrder(ColumnsOf<bio::CAnthropometric>(), true)},
                                      SingleAccess(&Test::GetAnthropometric, &Test::SetAnthropometric)));
}

void AddMeasurementSections(CEV5Sections<Test>& sections, bool extension)
{
    CEV5SectionTexts rib = Texts(CEV5::kRib, "Rib Bending", "Rib Number: ", "RIBNO");
    if (extension) rib.pipeName = "RibBending";
    sections.push_back(
        MakeEV5Section(std::move(rib),
                       EV5Form(extension, "RIBNO|RIBLOC|RIBIN|NADIS|SPLEN|DEFL|LOAD|BRKLD|ARMAR|RAREA",
                               "RIBNO|RIBLOC|RIBLOCD|RIBIN|NADIS|SPLEN|DEFL|LOAD|BRKLD|ARMAR|RAREA"),
                       ListAccess(&Test::GetRibBendings, &Test::AddRibBending)));
    sections.push_back(MakeEV5Section(
        Texts(CEV5::kOccupantInjury, "Occupant Injury", "Injury Number: ", "INJNO"),
        EV5Form(extension, "INJNO|BODYRG|ASPECT|LESION|SYSORG|AIS|AIS90|INJCOM",
                "INJNO|BODYRG|BODYRGD|ASPECT|ASPECTD|LESION|LESIOND|SYSORG|SYSORGD|AIS|-|AIS90|INJCOM"),
        ListAccess(&Test::GetInjuries, &Test::AddInjury)));
    sections.push_back(MakeEV5Section(
        Texts(CEV5::kInstrumentation, "Instrumentation", "Curve Number: ", "CURNO"),
        EV5Form(extension, std::string("CURNO|SENTYP|SENLOC|") + ev5::kInstrumentationData,
                std::string("CURNO|SENTYP|SENTYPD|SENLOC|SENLOCD|") + ev5::kInstrumentationDataExtension),
        ListAccess(&Test::GetInstrumentations, &Test::AddInstrumentation)));
    sections.push_back(MakeEV5Section(
        Texts(CEV5::kChestBand, "Chest Band Occupant", "Chest Band Number: ", "BANDNO"),
        {"BANDNO|CHSDPT|CHSBRD|BANLEN|ANTLOC|POSLOC|GAGSTR|DISSTR|GAGSPN|DISSPN|TOTGAG|CHBCOM"},
        ListAccess(&Test::GetChestBands, &Test::AddChestBand)));
    sections.push_back(
        MakeEV5Section(Texts(CEV5::kChestBandGauge, "Chest Band Gauge", "Chest Band Number: ", "BANDNO"),
                       {"BANDNO|GAGENO|GAGDIS|CURNO|GAGCOM"},
                       ListAccess(&Test::GetChestBandGauges, &Test::AddChestBandGauge)));
}

CEV5Sections<Test> MakeSections(bool extension)
{
    CEV5Sections<Test> sections;
    AddOccupantSections(sections, extension);
    AddMeasurementSections(sections, extension);
    return sections;
}

}  // namespace

const CEV5Sections<CBioTest>& CEV5Bio::GetSections() const
{
    static const CEV5Sections<CBioTest> sections = MakeSections(false);
    return sections;
}

const CEV5Sections<CBioTest>& CEV5BioExt::GetSections() const
{
    static const CEV5Sections<CBioTest> sections = MakeSections(true);
    return sections;
}

std::string CEV5BioExt::Header() const
{
    return ExtensionHeaderLines(HeaderDate("%d/%B/%Y"));
}

}  // namespace ko
