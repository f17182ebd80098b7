// SPDX-License-Identifier: GPL-3.0-or-later
#include "sources/header_filler.h"

#include <vector>

#include "formats/points.h"
#include "formats/uds_file.h"
#include "model/description_else_code.h"
#include "sources/header_blocks.h"

namespace ko {
namespace {

// FILEID ... SCLFAC from the instrumentation row (all kinds).
void FillCurve(CUDSFile& file, const CInstrumentation& row)
{
    const std::string form = row.GetDELT() == 0.0 ? "X-Y" : "Y";
    file.SetFILEID("UDS-1992");
    file.SetVERNO(1);
    file.SetFILEFORM(form);
    file.SetDIMSYS("MET");
    file.SetICHAN(1);
    file.SetCHANFORM(form);
    file.SetCURNO(row.GetCURNO());
    file.SetCURNAM(row.GetCurveNumber()->GetText());
    file.SetSENATT(DescriptionElseCode(row.GetSENATTD(), row.GetSENATT()));
    file.SetAXIS(row.GetAXIS());
    file.SetYTYPE(row.GetYTYPE());
    file.SetYUNITS(DescriptionElseCode(row.GetYUNITSD(), row.GetYUNITS()));
    file.SetXTYPE(row.GetXTYPE());
    file.SetXUNITS(DescriptionElseCode(row.GetXUNITSD(), row.GetXUNITS()));
    file.SetSTATUS(DescriptionElseCode(row.GetDASTATD(), row.GetDASTAT()));
    if (row.GetXTYPE() == "TIME" && row.GetXUNITS() == "SEC") file.SetCURTYP("TIME SERIES");
    file.SetDESC(row.GetINSCOM());
    file.SetNFP(row.GetNFP());
    file.SetNLP(row.GetNLP());
    file.SetDEL(static_cast<float>(row.GetDELT() * 1e-6));
    file.SetINIVEL(static_cast<float>(row.GetINIVEL()));
    file.SetPREFIL(static_cast<float>(row.GetPREFIL()));
    file.SetSCLFAC(static_cast<float>(row.GetSCFCTR()));
}

// TSTSRC ... TSTREF: the columns every test record has.
template <class Record>
void FillTest(CUDSFile& file, const Record& test, const char* source, const std::string& performer)
{
    file.SetTSTSRC(source);
    file.SetTSTNO(test.GetTSTNO());
    file.SetTSTNAM(test.GetText());
    file.SetTITLE(test.GetTITLE());
    file.SetTSTPRF(performer);
    file.SetTSTREF(test.GetTSTREF());
}

// TSTCFN, IMPANG, CLSSPD: vehicle and biomechanics test records only.
template <class Record>
void FillConfiguration(CUDSFile& file, const Record& test)
{
    file.SetTSTCFN(test.GetTSTCFN());
    file.SetIMPANG(test.GetIMPANG());
    file.SetCLSSPD(static_cast<float>(test.GetCLSSPD()));
}

}  // namespace

void FillBioHeader(CUDSFile& file, const CBioTest& test, int curveNumber)
{
    const bio::CTest& record = test.TestRecord();
    const auto row = test.GetInstrumentation(curveNumber);
    FillTest(file, record, "BIOMECHANICS DB", record.GetTSTPRF());
    FillConfiguration(file, record);
    FillCurve(file, *row);
    file.SetSENLOC(row->GetSENLOC());
    const auto gauge = FindRecord(test.GetChestBandGauges(),
                                  [&](const bio::CChestBandGauge& g) { return g.GetCURNO() == curveNumber; });
    file.SetBANDNO(gauge ? gauge->GetBANDNO() : 0);
    file.SetGAGNO(gauge ? gauge->GetGAGENO() : 0);
    FillBioOccupantBlock(file, test);
}

void FillComHeader(CUDSFile& file, const CComTest& test, int curveNumber)
{
    const com::CTest& record = test.TestRecord();
    const auto row = test.GetInstrumentation(curveNumber);
    FillTest(file, record, "COMPONENT DB", record.GetTSTPRF());
    FillCurve(file, *row);
}

void FillVehHeader(CUDSFile& file, const CVehicleTest& test, int curveNumber)
{
    const veh::CTest& record = test.TestRecord();
    const auto row = test.GetInstrumentation(curveNumber);
    FillTest(file, record, "VEHICLE DB", DescriptionElseCode(record.GetTSTPRFD(), record.GetTSTPRF()));
    FillConfiguration(file, record);
    FillCurve(file, *row);
    file.SetSENLOC(row->GetSENLOC());
    if (row->GetXTYPE().empty() && (row->GetXUNITS() == "SEC" || row->GetXUNITSD() == "SECONDS"))
        file.SetXTYPE("TIME");
    FillVehicleBlock(file, test, *row);
    FillVehicleOccupantBlock(file, test, *row);
}

void SetTextCurveData(CUDSFile& file, const CPoints& points, int nfp, double deltMicroseconds)
{
    std::vector<double> x, y, z;
    x.reserve(points.size());
    y.reserve(points.size());
    z.reserve(points.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        const auto& point = *points[i];
        const double k = static_cast<double>(i + 1);
        x.push_back(deltMicroseconds > 0.0 ? (nfp + k) * deltMicroseconds * 1e-6 : point.x);
        y.push_back(point.y);
        z.push_back(point.z);
    }
    file.SetData(std::move(x), std::move(y), std::move(z));
}

}  // namespace ko
