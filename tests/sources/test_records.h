// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <memory>
#include <string>

#include "model/biomechanics_test.h"
#include "model/component_test.h"
#include "model/vehicle_test.h"

namespace velder_test {

// A loaded instrumentation row: the constructor presets are replaced by the
// values a reader would have set.
template <class Row>
std::shared_ptr<Row> MakeRow(int curve, const std::string& dastat = "AM", double delt = 100.0)
{
    auto row = std::make_shared<Row>();
    row->SetCURNO(curve);
    row->SetSENTYP("AC");
    row->SetSENATT("HDCG");
    row->SetSENATTD("");
    row->SetAXIS("XG");
    row->SetXTYPE("TIME");
    row->SetXUNITS("SEC");
    row->SetXUNITSD("");
    row->SetYTYPE("ACCELERATION");
    row->SetYUNITS("G'S");
    row->SetYUNITSD("");
    row->SetDASTAT(dastat);
    row->SetDASTATD("");
    row->SetNFP(0);
    row->SetNLP(2);
    row->SetDELT(delt);
    row->SetINSCOM("HEAD X");
    row->SetINIVEL(12.5);
    row->SetPREFIL(1650);
    row->SetSCFCTR(2.0);
    return row;
}

inline std::shared_ptr<ko::CVehicleTest> MakeVehicleTest(int number)
{
    auto test = std::make_shared<ko::CVehicleTest>();
    auto record = std::make_shared<ko::veh::CTest>();
    record->SetTSTNO(number);
    record->SetTITLE("FRONTAL IMPACT");
    record->SetTSTPRF("TRC");
    record->SetTSTPRFD("");
    record->SetTSTREF("REF-1");
    record->SetTSTCFN("VTB");
    record->SetIMPANG(15);
    record->SetCLSSPD(56.3);
    test->SetTest(record);
    return test;
}

inline std::shared_ptr<ko::CBioTest> MakeBioTest(int number, const std::string& occupantType)
{
    auto test = std::make_shared<ko::CBioTest>();
    auto record = std::make_shared<ko::bio::CTest>();
    record->SetTSTNO(number);
    record->SetTITLE("SLED");
    record->SetTSTPRF("UMTRI");
    record->SetTSTCFN("SLD");
    record->SetIMPANG(0);
    record->SetCLSSPD(32.0);
    record->SetOCCTYP(occupantType);
    test->SetTest(record);
    return test;
}

inline std::shared_ptr<ko::CComTest> MakeComTest(int number)
{
    auto test = std::make_shared<ko::CComTest>();
    auto record = std::make_shared<ko::com::CTest>();
    record->SetTSTNO(number);
    record->SetTITLE("SEAT PULL");
    record->SetTSTPRF("LAB");
    test->SetTest(record);
    return test;
}

}  // namespace velder_test
