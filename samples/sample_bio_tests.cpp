// SPDX-License-Identifier: GPL-3.0-or-later
// The sample biomechanics tests, frontal sled tests:
//   301  a Hybrid III dummy at 48 km/h                                (EV5 Extension)
//   302  a post mortem human subject at 40 km/h with anthropometry,
//        rib bending, injuries and a chest band                      (EV5)
#include <array>

#include "samples/sample_tests.h"

namespace ko::sample {

namespace {

std::shared_ptr<bio::CTest> TestRecord(int number, const std::string& title, double speed, bool dummy,
                                       const std::tm& date)
{
    auto test =
        TestHeader<bio::CTest>(title, dummy ? "DUMMY RESPONSE REFERENCE" : "THORACIC INJURY TOLERANCE",
                               "WIL-B" + std::to_string(number), date);
    test->SetTSTCFN("SLD");
    test->SetTSTCFND("SLED");
    SetRecording(*test, speed);
    test->SetOCCTYP(dummy ? "H3" : "CD");
    test->SetOCCTYPD(dummy ? "HYBRID III" : "CADAVER");
    return test;
}

std::shared_ptr<bio::CRestraint> Belt()
{
    auto belt = std::make_shared<bio::CRestraint>();
    belt->SetRSTNO(1);
    belt->SetRSTTYP("3PT");
    belt->SetRSTTYPD("3 POINT BELT");
    belt->SetRSTMNT("RG");
    belt->SetRSTMNTD("RIG MOUNTED");
    belt->SetDEPLOY("NA");
    belt->SetDEPLOYD("NOT APPLICABLE");
    return belt;
}

void AddChannels(CSampleTest& sample, const std::vector<CChannel>& channels, double speed)
{
    sample::AddChannels<bio::CInstrumentation>(sample, *sample.biomechanics, channels, speed,
                                               [](bio::CInstrumentation& row, const CChannel& channel) {
                                                   row.SetSENLOC(channel.location);
                                                   row.SetSENLOCD("SLED SEAT");
                                               });
}

CSampleTest NewTest(int number, const std::tm& date, bool extension, std::shared_ptr<bio::CTest> record)
{
    CSampleTest sample = NewSample<CBioTest>(number, date, extension, std::move(record));
    sample.biomechanics->AddRestraint(Belt());
    return sample;
}

std::shared_ptr<bio::CDummyOccupant> Dummy()
{
    auto dummy = std::make_shared<bio::CDummyOccupant>();
    dummy->SetDOCCLOC("SS");
    dummy->SetDOCCLOCD("SLED SEAT");
    dummy->SetDOCCSEX("M");
    dummy->SetDOCCSEXD("MALE");
    dummy->SetDSEPOSN("MD");
    dummy->SetDSEPOSND("MID TRACK");
    dummy->SetHIC(402);
    dummy->SetT1(0.0712);
    dummy->SetT2(0.0861);
    dummy->SetCLIP3M(41.3);
    dummy->SetLFEM(1210);
    dummy->SetRFEM(1150);
    dummy->SetSBELT(6020);
    dummy->SetCTI(0.62);
    dummy->SetVC(0.31);
    dummy->SetCMAX(31);
    dummy->SetNIJ(0.42);
    dummy->SetMTHCAL("ST");
    dummy->SetMTHCALD("STANDARD CALIBRATION");
    dummy->SetDUMSIZ("50");
    dummy->SetDUMSIZD("50TH PERCENTILE MALE");
    dummy->SetDUMMAN("ORSA");
    dummy->SetDUMDSC("H3-50M SERIAL 121");
    dummy->SetDCOMPWT(78);
    return dummy;
}

CSampleTest DummySled()
{
    const std::tm date = Date(2004, 8, 18);
    CSampleTest sample =
        NewTest(301, date, true, TestRecord(301, "FRONTAL SLED TEST, HYBRID III, 48 KM/H", 48.0, true, date));
    sample.biomechanics->SetDummyOccupant(Dummy());
    CSampleCurve sternum = Pulse(-31.0, 0.025, 0.09, 0.15);
    sternum.shape = CSampleCurve::Shape::Deflection;
    sternum.residual = 0.2;
    AddChannels(sample,
                {Accelerometer("SS", "HDCG", "HEAD CG", Deceleration(48.0, 0.035, 0.08, 0.12, 0.3)),
                 Accelerometer("SS", "CHST", "CHEST", Deceleration(48.0, 0.02, 0.1, 0.15, 0.3)),
                 Transducer("SS", "STRN", "STERNUM", sternum),
                 Accelerometer("SS", "PELV", "PELVIS", Deceleration(48.0, 0.012, 0.095, 0.2, 0.35)),
                 LoadCell("SS", "NKUP", "UPPER NECK", Pulse(1450.0, 0.04, 0.07, 15.0))},
                48.0);
    return sample;
}

std::shared_ptr<bio::CBiologicalOccupant> Subject()
{
    auto subject = std::make_shared<bio::CBiologicalOccupant>();
    subject->SetBOCCLOC("SS");
    subject->SetBOCCLOCD("SLED SEAT");
    subject->SetBOCCSEX("M");
    subject->SetBOCCSEXD("MALE");
    subject->SetBSEPOSN("NA");
    subject->SetBSEPOSND("NOT APPLICABLE");
    subject->SetOCCAGE(63);
    subject->SetOCCWT(72);
    subject->SetBCOMPWT(74);
    subject->SetFRCTRB(6);
    subject->SetRBFRCT(9);
    subject->SetOCCREF("S-0417");
    subject->SetNOTEST(1);
    subject->SetDTEDTH(Date(2004, 8, 2));
    subject->SetCSEDTH("CARDIAC ARREST");
    subject->SetCADAPP("GOOD");
    subject->SetBEDCON(3);
    subject->SetCADAN("A-04-117");
    subject->SetAORPRE("Y");
    subject->SetCERPRE("N");
    subject->SetPULPRE("Y");
    subject->SetBMC(0.92);
    subject->SetBMCLOC("L3");
    subject->SetBMCUNITS("G/CM2");
    subject->SetBMCMETHOD("DEXA");
    return subject;
}

// The 38 body measures in millimetres, in the table's order (stature first).
std::shared_ptr<bio::CAnthropometric> Anthropometry()
{
    static constexpr std::array<int, 38> kMeasures{
        1760, 1440, 655, 1050, 400, 320, 300, 350, 365, 475, 455, 75,  100, 265, 455, 905, 545, 195, 155,
        575,  290,  265, 265,  170, 555, 400, 385, 365, 235, 385, 450, 990, 880, 990, 240, 225, 260, 380};
    auto anthropometry = std::make_shared<bio::CAnthropometric>();
    std::size_t next = 0;
    for (const auto& field : bio::CAnthropometric::Columns()) {
        if (field.column.type == ColumnType::Int && field.column.name != "TSTNO" && next < kMeasures.size())
            field.SetValue(*anthropometry, kMeasures[next++]);
    }
    return anthropometry;
}

std::shared_ptr<bio::CRibBending> Rib(int number, int deflection, int load)
{
    auto rib = std::make_shared<bio::CRibBending>();
    rib->SetRIBNO(number);
    rib->SetRIBLOC("L");
    rib->SetRIBLOCD("LEFT");
    rib->SetRIBIN(1);
    rib->SetNADIS(4);
    rib->SetSPLEN(120);
    rib->SetDEFL(deflection);
    rib->SetLOAD(load);
    rib->SetBRKLD(load + 35);
    rib->SetARMAR(60);
    rib->SetRAREA(38);
    return rib;
}

std::shared_ptr<bio::COccupantInjury> Injury(int number, const char* aspect, const char* aspectText,
                                             const char* lesion, const char* ais, double code,
                                             const char* comment)
{
    auto injury = std::make_shared<bio::COccupantInjury>();
    injury->SetINJNO(number);
    injury->SetBODYRG("TH");
    injury->SetBODYRGD("THORAX");
    injury->SetASPECT(aspect);
    injury->SetASPECTD(aspectText);
    injury->SetLESION(lesion);
    injury->SetLESIOND(std::string(lesion) == "FX" ? "FRACTURE" : "CONTUSION");
    injury->SetSYSORG("SK");
    injury->SetSYSORGD("SKELETAL");
    injury->SetAIS(ais);
    injury->SetAIS90(code);
    injury->SetINJCOM(comment);
    return injury;
}

void AddChestBand(CBioTest& test, int firstCurve)
{
    auto band = std::make_shared<bio::CChestBandOccupant>();
    band->SetBANDNO(1);
    band->SetCHSDPT(235);
    band->SetCHSBRD(320);
    band->SetBANLEN(1020);
    band->SetANTLOC(1);
    band->SetPOSLOC(3);
    band->SetGAGSTR(2);
    band->SetTOTGAG(3);
    band->SetCHBCOM("AT THE LEVEL OF THE FOURTH RIB");
    test.AddChestBand(band);
    for (int gauge = 1; gauge <= 3; ++gauge) {
        auto record = std::make_shared<bio::CChestBandGauge>();
        record->SetBANDNO(1);
        record->SetGAGENO(gauge);
        record->SetGAGDIS(gauge * 340 - 170);
        record->SetCURNO(firstCurve + gauge - 1);
        test.AddChestBandGauge(record);
    }
}

CSampleTest HumanSubjectSled()
{
    const std::tm date = Date(2004, 8, 25);
    CSampleTest sample =
        NewTest(302, date, false,
                TestRecord(302, "FRONTAL SLED TEST, POST MORTEM HUMAN SUBJECT, 40 KM/H", 40.0, false, date));
    CBioTest& test = *sample.biomechanics;
    test.SetBiologicalOccupant(Subject());
    test.SetAnthropometric(Anthropometry());
    for (int rib = 4; rib <= 6; ++rib) test.AddRibBending(Rib(rib, 18 + rib, 120 + 10 * rib));
    test.AddInjury(Injury(1, "L", "LEFT", "FX", "3", 450203.3, "RIBS 4 TO 6, LEFT, MULTIPLE FRACTURES"));
    test.AddInjury(Injury(2, "R", "RIGHT", "FX", "2", 450202.2, "RIBS 5 AND 6, RIGHT"));
    test.AddInjury(Injury(3, "A", "ANTERIOR", "CO", "1", 490402.1, "STERNUM, BELT CONTUSION"));
    AddChestBand(test, 4);
    std::vector<CChannel> channels{
        Accelerometer("SS", "HDCG", "HEAD CG", Deceleration(40.0, 0.04, 0.085, 0.15, 0.35)),
        Accelerometer("SS", "TH01", "FIRST THORACIC VERTEBRA", Deceleration(40.0, 0.025, 0.1, 0.15, 0.3)),
        Accelerometer("SS", "PELV", "PELVIS", Deceleration(40.0, 0.015, 0.1, 0.2, 0.35))};
    for (const auto& [peak, start] : {std::pair{0.0042, 0.028}, {-0.0031, 0.03}, {0.0026, 0.032}}) {
        CChannel channel =
            Accelerometer("SS", "CBND", "CHEST BAND", Pulse(peak, start, 0.085, 0.00004), "NA");
        channel.quantity = Quantity::Curvature;
        channels.push_back(channel);
    }
    AddChannels(sample, channels, 40.0);
    return sample;
}

}  // namespace

std::vector<CSampleTest> BiomechanicsTests()
{
    return {DummySled(), HumanSubjectSled()};
}

}  // namespace ko::sample
