// SPDX-License-Identifier: GPL-3.0-or-later
#include "sources/test_list_rows.h"

namespace ko {

std::shared_ptr<bio::CSelection> SelectionRow(const CBioTest& test)
{
    const bio::CTest& record = test.TestRecord();
    auto row = std::make_shared<bio::CSelection>();
    row->SetTSTNO(record.GetTSTNO());
    row->SetTSTPRF(record.GetTSTPRF());
    row->SetTSTPRFD(record.GetTSTPRFD());
    row->SetTSTREF(record.GetTSTREF());
    row->SetCLSSPD(record.GetCLSSPD());
    row->SetIMPANG(record.GetIMPANG());
    row->SetOCCTYP(record.GetOCCTYP());
    row->SetOCCTYPD(record.GetOCCTYPD());
    row->SetTSTCFN(record.GetTSTCFN());
    row->SetTSTCFND(record.GetTSTCFND());
    return row;
}

std::shared_ptr<com::CSelection> SelectionRow(const CComTest& test)
{
    const com::CTest& record = test.TestRecord();
    auto row = std::make_shared<com::CSelection>();
    row->SetTSTNO(record.GetTSTNO());
    row->SetTSTPRF(record.GetTSTPRF());
    row->SetTSTPRFD(record.GetTSTPRFD());
    row->SetTSTTYP(record.GetTSTTYP());
    row->SetTSTTYPD(record.GetTSTTYPD());
    row->SetTSTREF(record.GetTSTREF());
    return row;
}

std::shared_ptr<veh::CSelection> SelectionRow(const CVehicleTest& test)
{
    const veh::CTest& record = test.TestRecord();
    auto row = std::make_shared<veh::CSelection>();
    row->SetTSTNO(record.GetTSTNO());
    row->SetTSTTYP(record.GetTSTTYP());
    row->SetTSTTYPD(record.GetTSTTYPD());
    row->SetIMPANG(record.GetIMPANG());
    row->SetTSTCFN(record.GetTSTCFN());
    row->SetCLSSPD(record.GetCLSSPD());
    return row;
}

}  // namespace ko
