// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/sample_uds_header.h"

namespace ko::sample {

namespace {

const std::string& DescriptionElseCode(const std::string& description, const std::string& code)
{
    return description.empty() ? code : description;
}

}  // namespace

void FillUDSHeader(CUDSFile& file, const CUDSTestFields& test, const ko::CInstrumentation& row,
                   const std::string& location)
{
    const std::string form = row.GetDELT() > 0.0 ? "Y" : "X-Y";
    file.SetFILEFORM(form);
    file.SetDIMSYS("MET");
    file.SetTSTSRC(test.source);
    file.SetTSTNO(test.number);
    file.SetTSTNAM(std::to_string(test.number));
    file.SetTITLE(test.title);
    file.SetTSTPRF(test.performer);
    file.SetTSTREF(test.reference);
    file.SetTSTCFN(test.configuration);
    file.SetIMPANG(test.impactAngle);
    file.SetCLSSPD(static_cast<float>(test.closingSpeed));
    file.SetCHANFORM(form);
    file.SetCURNO(row.GetCURNO());
    file.SetCURNAM(std::to_string(row.GetCURNO()));
    file.SetSENATT(DescriptionElseCode(row.GetSENATTD(), row.GetSENATT()));
    file.SetSENLOC(location);
    file.SetAXIS(row.GetAXIS());
    file.SetYTYPE(row.GetYTYPE());
    file.SetYUNITS(DescriptionElseCode(row.GetYUNITSD(), row.GetYUNITS()));
    file.SetXTYPE(row.GetXTYPE());
    file.SetXUNITS(DescriptionElseCode(row.GetXUNITSD(), row.GetXUNITS()));
    file.SetSTATUS(DescriptionElseCode(row.GetDASTATD(), row.GetDASTAT()));
    file.SetCURTYP("TIME SERIES");
    file.SetDESC(row.GetINSCOM());
    file.SetNFP(row.GetNFP());
    file.SetNLP(row.GetNLP());
    file.SetDEL(static_cast<float>(row.GetDELT() * 1e-6));
    file.SetINIVEL(static_cast<float>(row.GetINIVEL()));
    file.SetPREFIL(static_cast<float>(row.GetPREFIL()));
    file.SetSCLFAC(static_cast<float>(row.GetSCFCTR()));
}

}  // namespace ko::sample
