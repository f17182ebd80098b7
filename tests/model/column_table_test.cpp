// SPDX-License-Identifier: GPL-3.0-or-later
// Every record's column table against the SELECT lists of its tables, and every
// column against every other (a column that shares or loses storage shows here).
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "model/biomechanics_test.h"
#include "model/component_test.h"
#include "model/korvadb.h"
#include "model/load_selection.h"
#include "model/vehicle_test.h"

namespace ko {
namespace {

struct SelectLists {
    std::string production;
    std::string holding;
};

template <class R>
SelectLists SelectListsOf()
{
    return {R::Columns().SelectList(TableVariant::Production),
            R::Columns().SelectList(TableVariant::Holding)};
}

struct ExpectedTable {
    const char* table;
    SelectLists (*lists)();
    const char* production;
};

// Copied from the statements and record lists the database and files use.
const ExpectedTable kTables[] = {
    {"VEHDB.TEST", &SelectListsOf<veh::CTest>,
     "TSTNO, VERNO, TITLE, TSTOBJ, TSTDAT, TSTPRF, TSTPRFD, CONNO, TSTREF, TSTTYP, TSTTYPD, TSTCFN, TSTCFND, "
     "TKSURF, TKSURFD, TKCOND, TKCONDD, TEMP, RECTYP, RECTYPD, LINK, LINKD, CLSSPD, IMPANG, OFFSET, IMPPNT, "
     "MEASUR, MEASURD, TOTCRV, TSTCOM, SECURITY"},
    {"VEHDB.VEH", &SelectListsOf<veh::CVehicle>,
     "TSTNO, VEHNO, MAKE, MAKED, MODEL, MODELD, YEAR, KORVANO, BODY, BODYD, VIN, ENGINE, ENGINED, ENGDSP, "
     "TRANSM, TRANSMD, VEHTWT, CURBWT, WHLBAS, VEHLEN, VEHWID, VEHCG, STRSEP, STRSEPD, COLMEC, COLMECD, "
     "MODIND, MODINDD, MODDSC, BX1, BX2, BX3, BX4, BX5, BX6, BX7, BX8, BX9, BX10, BX11, BX12, BX13, BX14, "
     "BX15, BX16, BX17, BX18, BX19, BX20, BX21, VEHSPD, CRBANG, PDOF, BMPENG, BMPENGD, SILENG, SILENGD, "
     "APLENG, APLENGD, DPD1, DPD2, DPD3, DPD4, DPD5, DPD6, VDI, LENCNT, DAMDST, CRHDST, AX1, AX2, AX3, AX4, "
     "AX5, AX6, AX7, AX8, AX9, AX10, AX11, AX12, AX13, AX14, AX15, AX16, AX17, AX18, AX19, AX20, AX21, "
     "CARANG, VEHOR, VEHCOM, SECURITY"},
    {"VEHDB.OCC", &SelectListsOf<veh::COccupant>,
     "TSTNO, VEHNO, OCCLOC, OCCLOCD, OCCTYP, OCCTYPD, OCCAGE, OCCSEX, OCCSEXD, OCCHT, OCCWT, MTHCAL, "
     "MTHCALD, DUMSIZ, DUMSIZD, DUMMAN, DUMMOD, DUMDSC, HH, HW, HR, HS, CD, CS, AD, HD, KD, HB, NB, CB, KB, "
     "SEPOSN, SEPOSND, CNTRH1, CNTRH1D, CNTRH2, CNTRH2D, CNTRC1, CNTRC1D, CNTRC2, CNTRC2D, CNTRL1, CNTRL1D, "
     "CNTRL2, CNTRL2D, HIC, T1, T2, CLIP3M, LFEM, RFEM, CSI, LBELT, SBELT, TTI, PELVG, OCCCOM, SECURITY"},
    {"VEHDB.BAR", &SelectListsOf<veh::CBarrier>,
     "TSTNO, BARRIG, BARRIGD, BARSHP, BARSHPD, BARANG, BARDIA, BARCOM, SECURITY"},
    {"VEHDB.REST", &SelectListsOf<veh::CRestraint>,
     "TSTNO, VEHNO, OCCLOC, OCCLOCD, RSTNO, RSTTYP, RSTTYPD, RSTMNT, RSTMNTD, DEPLOY, DEPLOYD, RSTCOM, "
     "SECURITY"},
    {"VEHDB.INTRUSION", &SelectListsOf<veh::CIntrusion>,
     "TSTNO, VEHNO, IPNO, IPLOC, IPLOCD, IPCOM, IPCOMD, BIX, BIY, BIZ, AIX, AIY, AIZ, TSTREF, SECURITY"},
    {"VEHDB.INST", &SelectListsOf<veh::CInstrumentation>,
     "TSTNO, VEHNO, CURNO, SENTYP, SENTYPD, SENLOC, SENLOCD, SENATT, SENATTD, AXIS, AXISD, XUNITS, XUNITSD, "
     "YUNITS, YUNITSD, PREFIL, PREMAX, PREMIN, INSMAN, CALDAT, INSRAT, CHLMAX, INIVEL, NFP, NLP, DELT, "
     "DASTAT, DASTATD, SCFCTR, CHSTAT, CHSTATD, INSCOM, XTYPE, YTYPE, SIGNALNAME, SIGCREDATE, SIGREVDATE, "
     "SCALEHISTORY, BIAS, BIASHISTORY, SECURITY"},
    {"COMDB.TEST", &SelectListsOf<com::CTest>,
     "TSTNO, VERNO, TITLE, TSTOBJ, TSTDAT, TSTPRF, TSTPRFD, CONNO, TSTREF, TSTTYP, TSTTYPD, TEMP, TOTCRV, "
     "TSTCOM"},
    {"COMDB.VEH", &SelectListsOf<com::CVehicle>,
     "TSTNO, VEHNO, MAKE, MAKED, MODEL, MODELD, YEAR, KORVANO, BODY, BODYD, VIN, CRTEST, CRTESTD, VEHCOM, "
     "VIMFNO, LOAD, ENGINE, ENGDSP, TRANSM, FUEL, EQUIP"},
    {"COMDB.COMP", &SelectListsOf<com::CComponent>,
     "TSTNO, VEHNO, CMPNO, CMPNT, CMPNTD, CMPTYP, CMPTYPD, CMPWGT, MODIND, MODINDD, MODDSC, OCCTYP, OCCTYPD, "
     "DUMSIZ, DUMSIZD, DUMMAN, CMPCOM"},
    {"COMDB.CONF", &SelectListsOf<com::CConfiguration>,
     "TSTNO, VEHNO, CMPNO, CNFNO, TSTDEV, TSTDEVD, DEVSPD, DEVCOM, CONFIG, CONFIGD, CMPSPD, CNTANG, CNTLOC1, "
     "CNTLOC2, CNTCOM, CNFCOM"},
    {"COMDB.INST", &SelectListsOf<com::CInstrumentation>,
     "TSTNO, VEHNO, CMPNO, CNFNO, CURNO, SENTYP, SENTYPD, SENATT, SENATTD, AXIS, AXISD, XUNITS, XUNITSD, "
     "YUNITS, YUNITSD, PREFIL, PREMAX, PREMIN, INSMAN, CALDAT, INSRAT, CHLMAX, INIVEL, NFP, NLP, DELT, "
     "DASTAT, DASTATD, SCFCTR, CHSTAT, CHSTATD, INSCOM, XTYPE, YTYPE, SIGNALNAME, SIGCREDATE, SIGREVDATE, "
     "SCALEHISTORY, BIAS, BIASHISTORY"},
    {"BIODB.TEST", &SelectListsOf<bio::CTest>,
     "TSTNO, VERNO, TITLE, TSTOBJ, TSTDAT, TSTPRF, TSTPRFD, CONNO, TSTREF, TSTCFN, TSTCFND, TEMP, RECTYP, "
     "RECTYPD, LINK, LINKD, CLSSPD, IMPANG, TOTCRV, OCCTYP, OCCTYPD, TSTCOM, SECURITY"},
    {"BIODB.ANTH", &SelectListsOf<bio::CAnthropometric>,
     "TSTNO, STATUR, SHLDHT, VRTSYM, WASTHT, SHLDBD, CHSTBD, WASTBD, HIPBD, SHLDEL, FARMHD, TIBLHT, ANKLHT, "
     "FOOTBD, FOOTLN, HDTROC, SEATHT, KNEEHT, HEADLN, HEADBD, HEADCH, BICPCR, ELBWCR, FARMCR, WRSTCR, "
     "THGHCR, LTGHCR, KNEECR, CALFCR, ANKLCR, NECKCR, SCYECR, CHSTCR, WASTCR, BUTTCR, CHSTDP, WASTDP, "
     "BUTTDP, INSCYE, SECURITY"},
    {"BIODB.BOCC", &SelectListsOf<bio::CBiologicalOccupant>,
     "TSTNO, BOCCLOC, BOCCLOCD, BOCCSEX, BOCCSEXD, BSEPOSN, BSEPOSND, OCCAGE, OCCWT, BCOMPWT, FRCTRB, "
     "RBFRCT, OCCREF, NOTEST, DTEDTH, CSEDTH, CADAPP, BEDCON, CADAN, AORPRE, CERPRE, PULPRE, BMC, BMCLOC, "
     "BMCUNITS, BMCMETHOD, BMCCOM, BOCCOM, SECURITY"},
    {"BIODB.DOCC", &SelectListsOf<bio::CDummyOccupant>,
     "TSTNO, DOCCLOC, DOCCLOCD, DOCCSEX, DOCCSEXD, DSEPOSN, DSEPOSND, HIC, T1, T2, CLIP3M, LFEM, RFEM, CSI, "
     "LBELT, SBELT, TTI, PELVG, CTI, VC, CMAX, NIJ, MTHCAL, MTHCALD, DUMSIZ, DUMSIZD, DUMMAN, DUMMOD, "
     "DUMDSC, DCOMPWT, DOCCOM, SECURITY"},
    {"BIODB.CHBD", &SelectListsOf<bio::CChestBandOccupant>,
     "TSTNO, BANDNO, CHSDPT, CHSBRD, BANLEN, ANTLOC, POSLOC, GAGSTR, DISSTR, GAGSPN, DISSPN, TOTGAG, CHBCOM, "
     "SECURITY"},
    {"BIODB.GAGE", &SelectListsOf<bio::CChestBandGauge>,
     "TSTNO, BANDNO, GAGENO, GAGDIS, CURNO, GAGCOM, SECURITY"},
    {"BIODB.OCCI", &SelectListsOf<bio::COccupantInjury>,
     "TSTNO, INJNO, BODYRG, BODYRGD, ASPECT, ASPECTD, LESION, LESIOND, SYSORG, SYSORGD, AIS, AISD, AIS90, "
     "INJCOM, SECURITY"},
    {"BIODB.REST", &SelectListsOf<bio::CRestraint>,
     "TSTNO, RSTNO, RSTTYP, RSTTYPD, RSTMNT, RSTMNTD, DEPLOY, DEPLOYD, RSTCOM, SECURITY"},
    {"BIODB.RIB", &SelectListsOf<bio::CRibBending>,
     "TSTNO, RIBNO, RIBLOC, RIBLOCD, RIBIN, NADIS, SPLEN, DEFL, LOAD, BRKLD, ARMAR, RAREA, SECURITY"},
    {"BIODB.INST", &SelectListsOf<bio::CInstrumentation>,
     "TSTNO, CURNO, SENTYP, SENTYPD, SENLOC, SENLOCD, SENATT, SENATTD, AXIS, AXISD, XUNITS, XUNITSD, YUNITS, "
     "YUNITSD, PREFIL, PREMAX, PREMIN, INSMAN, CALDAT, INSRAT, CHLMAX, INIVEL, NFP, NLP, DELT, DASTAT, "
     "DASTATD, SCFCTR, CHSTAT, CHSTATD, INSCOM, XTYPE, YTYPE, SIGNALNAME, SIGCREDATE, SIGREVDATE, "
     "SCALEHISTORY, BIAS, BIASHISTORY, SECURITY"},
    {"TRACK", &SelectListsOf<CTrack>,
     "TSTNO, TSTPRF, TSTREF, STATUS, COTR, COTRPROXY, QCDATE, DATALOADDATE, DATARCPTDATE, DATACOMMENT, "
     "PAPERREPORTEXISTS, ELECREPORTEXISTS, ELECREPTTSTNO, ELECREPTCOMMENT, HARDFILMEXISTS, ELECVIDEOEXISTS, "
     "ELECVIDEOTSTNO, ELECVIDEOCOMMENT, PHOTOEXISTS, PHOTOTSTNO, PHOTOCOMMENT"},
    {"PHOTOS", &SelectListsOf<CPhotos>,
     "PHOTOTSTNO, PHOTONO, ORIG_FILENAME, ORIG_CDLABEL, COMMENTS, FILENAME, FILESIZE, MIMETYPE, SECURITY, "
     "PHOTOLOADDATE"},
    {"REPORTS", &SelectListsOf<CReports>,
     "REPTTSTNO, REPNO, ORIG_CDLABEL, ORIG_FILENAME, FILENAME, TOTALPAGES, FILESIZE, MIMETYPE, SECURITY, "
     "ELECREPTLOADDATE"},
    {"VIDEOS", &SelectListsOf<CVideos>,
     "VIDEOTSTNO, CAMNO, VSCFACTOR, VIEWDESC, ORIG_FILENAME, ORIG_CDLABEL, COMMENTS, FILENAME, FILESIZE, "
     "MIMETYPE, SECURITY, ELECVIDEOLOADDATE"},
    {"veh test list", &SelectListsOf<veh::CSelection>,
     "TSTNO, TSTTYP, TSTTYPD, IMPANG, TSTCFN, CLSSPD, VEHNO, YEAR, MAKED, MODELD, BODY, VIN, VEHTWT, CURBWT, "
     "VEHLEN, VEHWID, WHLBAS"},
    {"com test list", &SelectListsOf<com::CSelection>, "TSTNO, TSTPRF, TSTPRFD, TSTTYP, TSTTYPD, TSTREF"},
    {"bio test list", &SelectListsOf<bio::CSelection>,
     "TSTNO, TSTPRF, TSTPRFD, TSTREF, CLSSPD, IMPANG, OCCTYP, OCCTYPD, TSTCFN, TSTCFND, DOCCSEX, DOCCSEXD, "
     "DUMSIZ, DUMSIZD, BOCCSEX, BOCCSEXD, OCCAGE, OCCWT"},
    {"COMDB.ROV", &SelectListsOf<com::CRollover>,
     "TSTNO, TITYPF, TISIZF, TIPRSF, TITYPR, TISIZR, TIPRSR, TRACK, TRACKF, TRACKR, TRACKFA, TRACKFB, "
     "TRACKFC, TRACKFD, TRACKRE, TRACKRF, TRACKRG, TRACKRH, WHLBAS, WHLBASL, WHLBASR, ROOFHT, GVWR, GAWRF, "
     "GAWRR, WT, WTLF, WTRF, WTLR, WTRR, CGLONG, CGLATE, CGHT, CGWT1, CGANGLE1, CGMOTION1, CGHT1, CGWT2, "
     "CGANGLE2, CGMOTION2, CGHT2, CGWT3, CGANGLE3, CGMOTION3, CGHT3, CGWT4, CGANGLE4, CGMOTION4, CGHT4, "
     "CGWT5, CGANGLE5, CGMOTION5, CGHT5, SSF, POSS, RRS, STAR"},
};

std::string WithoutSecurity(std::string list)
{
    const std::string security = ", SECURITY";
    const auto at = list.find(security);
    if (at != std::string::npos) list.erase(at, security.size());
    return list;
}

TEST(ColumnOrder, ProductionListsInSelectOrderHoldingWithoutSecurityRolloverWithVehicle)
{
    for (const ExpectedTable& expected : kTables) {
        SCOPED_TRACE(expected.table);
        const SelectLists lists = expected.lists();
        EXPECT_EQ(lists.production, expected.production);
        std::string holding = WithoutSecurity(expected.production);
        if (std::string(expected.table) == "COMDB.ROV")
            holding.insert(std::string("TSTNO, ").size(), "VEHNO, ");
        EXPECT_EQ(lists.holding, holding);
    }
}

// A distinct text per column, valid for its type (and for the ranges of TSTNO and CURNO).
template <class R>
std::string SampleText(const CField<R>& field, std::size_t index)
{
    const int n = static_cast<int>(index) + 1;
    if (field.column.name == "SECURITY") return "PUBLIC";
    switch (field.column.type) {
        case ColumnType::Int: return std::to_string(n);
        case ColumnType::Double: return std::to_string(n) + ".5";
        case ColumnType::Date: {
            std::tm date{};
            date.tm_mday = n % 28 + 1;
            date.tm_mon = n % 12;
            date.tm_year = 90 + n;
            return FormatDate(date);
        }
        case ColumnType::Text: break;
    }
    return "T" + std::string(field.column.name);
}

template <class R>
class ColumnTableTest : public ::testing::Test {
};

using RecordTypes =
    ::testing::Types<veh::CTest, veh::CVehicle, veh::COccupant, veh::CBarrier, veh::CRestraint,
                     veh::CIntrusion, veh::CInstrumentation, com::CTest, com::CVehicle, com::CComponent,
                     com::CConfiguration, com::CRollover, com::CInstrumentation, bio::CTest,
                     bio::CAnthropometric, bio::CBiologicalOccupant, bio::CDummyOccupant,
                     bio::CChestBandOccupant, bio::CChestBandGauge, bio::COccupantInjury, bio::CRestraint,
                     bio::CRibBending, bio::CInstrumentation, CTrack, CPhotos, CReports, CVideos,
                     veh::CSelection, com::CSelection, bio::CSelection, korvadb::CFilterClass>;
TYPED_TEST_SUITE(ColumnTableTest, RecordTypes);

TYPED_TEST(ColumnTableTest, EveryColumnKeepsItsOwnValueThroughTextAndTypedValuesAndCopies)
{
    const auto& table = TypeParam::Columns();
    TypeParam byText, byValue;
    for (std::size_t i = 0; i < table.size(); ++i) {
        table[i].SetText(byText, SampleText(table[i], i));
        table[i].SetValue(byValue, ParseFieldValue(table[i].column.type, SampleText(table[i], i)));
    }
    const TypeParam copy = byValue;
    for (std::size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(table[i].GetText(byText), SampleText(table[i], i)) << table[i].column.name;
        EXPECT_EQ(FormatFieldValue(table[i].GetValue(copy)), SampleText(table[i], i)) << table[i].column.name;
    }
}

TYPED_TEST(ColumnTableTest, NamesAreUniqueAndDescribed)
{
    std::set<std::string> names;
    for (const auto& field : TypeParam::Columns()) {
        EXPECT_TRUE(names.insert(std::string(field.column.name)).second) << field.column.name;
        EXPECT_FALSE(field.column.description.empty()) << field.column.name;
        EXPECT_EQ(TypeParam::Columns().Find(field.column.name), &field);
    }
}

TEST(ColumnTable, DescriptionColumnsFollowTheirCodes)
{
    const auto& inst = veh::CInstrumentation::Columns();
    EXPECT_TRUE(inst.At("SENTYPD").column.describesPrevious);
    EXPECT_TRUE(inst.At("SENLOCD").column.describesPrevious);
    EXPECT_FALSE(inst.At("SENTYP").column.describesPrevious);
    // Names ending in D that are not descriptions.
    EXPECT_FALSE(veh::COccupant::Columns().At("HD").column.describesPrevious);
    EXPECT_FALSE(veh::CSelection::Columns().At("MAKED").column.describesPrevious);
    EXPECT_FALSE(bio::CRibBending::Columns().At("BRKLD").column.describesPrevious);
}

TEST(ColumnTable, LooksUpNamesInAnyCaseAndRejectsUnknownOnes)
{
    veh::CBarrier barrier;
    SetFieldText(barrier, "barrig", "R");
    EXPECT_EQ(barrier.GetBARRIG(), "R");
    EXPECT_EQ(GetFieldText(barrier, "BarRig"), "R");
    EXPECT_EQ(veh::CBarrier::Columns().Find("NOSUCH"), nullptr);
    EXPECT_THROW(GetFieldText(barrier, "NOSUCH"), std::out_of_range);
}

TEST(ColumnTable, VisitYieldsNameTypeAndTextInOrder)
{
    veh::CRestraint restraint;
    restraint.SetTSTNO(12);
    restraint.SetOCCLOC("01");
    restraint.SetRSTNO(2);
    std::vector<std::string> seen;
    VisitFields(restraint, [&](const CColumn& column, const std::string& text) {
        if (column.type == ColumnType::Int || column.name == "OCCLOC") {
            seen.push_back(std::string(column.name) + "=" + text);
        }
    });
    EXPECT_EQ(seen, (std::vector<std::string>{"TSTNO=12", "VEHNO=0", "OCCLOC=01", "RSTNO=2"}));
}

TEST(ColumnTable, SetFailuresComeFromTheColumn)
{
    veh::CInstrumentation row;
    const auto& curve = veh::CInstrumentation::Columns().At("CURNO");
    EXPECT_THROW(curve.SetText(row, "1000"), std::out_of_range);
    EXPECT_THROW(curve.SetText(row, "x"), std::invalid_argument);
    EXPECT_EQ(row.GetCURNO(), 0);
    EXPECT_THROW(curve.SetValue(row, CFieldValue(2.5)), std::invalid_argument);
    curve.SetValue(row, CFieldValue(7.0));
    EXPECT_EQ(row.GetCURNO(), 7);
}

}  // namespace
}  // namespace ko
