// SPDX-License-Identifier: GPL-3.0-or-later
#include <filesystem>
#include <stdexcept>

#include "core/failure.h"
#include "formats/directory.h"
#include "formats/uds_file.h"
#include "sources/data_agent_otl.h"

namespace ko {
namespace {

// A signal name from the database must name a file in the curve directory.
bool IsPlainName(const std::string& name)
{
    return name != "." && name != ".." && name.find_first_of("/\\") == std::string::npos;
}

}  // namespace

void CDataAgentOtl::FillBioSignal(CUDSFile& file)
{
    SetCurveDirectory();
    const auto row = CurrentRow();
    ReadCurveFile(file, *row);
    CDataAgent::FillBioSignal(file);
    NameCurve(file, *row);
}

void CDataAgentOtl::FillComSignal(CUDSFile& file)
{
    SetCurveDirectory();
    const auto row = CurrentRow();
    ReadCurveFile(file, *row);
    CDataAgent::FillComSignal(file);
    NameCurve(file, *row);
}

void CDataAgentOtl::FillVehSignal(CUDSFile& file)
{
    SetCurveDirectory();
    const auto row = CurrentRow();
    ReadCurveFile(file, *row);
    CDataAgent::FillVehSignal(file);
    NameCurve(file, *row);
}

std::shared_ptr<CInstrumentation> CDataAgentOtl::CurrentRow() const
{
    const int curve = GetCurveNumber()->GetNumber();
    switch (GetDatabase()->GetKind()) {
        case TestKind::Biomechanics:
            if (GetBioTest()) return GetBioTest()->GetInstrumentation(curve);
            CBioTest().TestRecord();  // throws the kind's "Invalid ... Test"
            break;
        case TestKind::Component:
            if (GetComTest()) return GetComTest()->GetInstrumentation(curve);
            CComTest().TestRecord();
            break;
        default:
            if (GetVehicleTest()) return GetVehicleTest()->GetInstrumentation(curve);
            CVehicleTest().TestRecord();
            break;
    }
    return nullptr;
}

void CDataAgentOtl::SetCurveDirectory()
{
    const int kind = curveFile_->GetKind();
    if (kind < 1 || (kind > 5 && kind != kUDSKind)) throw CFailure("Unknown File Type");
    CDirectory directory;
    directory.SetPathStyle(CDirectory::kSlashStyle);
    directory.SetRoot(udsDrive_);
    directory.SetDatabase(GetDatabase()->GetKind());
    directory.SetTestNumber(GetTestNumber()->GetNumber());
    curveFile_->SetDirectory(kind == kUDSKind ? directory.GetUDSDirectory() : directory.GetEVDataDirectory());
}

void CDataAgentOtl::ReadCurveFile(CUDSFile& file, const CInstrumentation& row)
{
    const std::string curve = GetCurveNumber()->GetText();
    try {
        if (row.GetSIGNALNAME().empty()) throw CFailure("Curve Number: " + curve + " has empty signal name.");
        if (row.GetDASTAT() == "NO") throw CFailure("Curve Number: " + curve + " has DASTAT = 'NO'.");
        if (curveFile_->GetKind() != kUDSKind) throw CFailure("Unknown File Type: ");
        // The row's file is read without looking first; when it is not there (or
        // not a plain file) the curve's UDS file is looked for by curve number.
        const std::string& name = row.GetSIGNALNAME();
        bool read = false;
        if (IsPlainName(name)) {
            curveFile_->SetFileName(name);
            curveFile_->ComposePath();
            try {
                file.Read(curveFile_->GetFullPath());
                read = true;
            } catch (const std::exception&) {
                std::error_code error;
                if (std::filesystem::is_regular_file(curveFile_->GetFullPath(), error)) throw;
            }
        }
        if (!read) {
            std::string found;
            curveFile_->FindUDSByCurve(GetCurveNumber()->GetNumber(), found);
            curveFile_->ComposePath();
            file.Read(curveFile_->GetFullPath());
        }
        const auto n = static_cast<long long>(file.GetPointCount());
        const long long expected = static_cast<long long>(row.GetNLP()) - row.GetNFP() + 1;
        if (n != expected)
            throw CFailure("Number of points " + std::to_string(n) + " in signal file '" +
                           curveFile_->GetFileName() + "' does not match ( NLP - NFP + 1 ) = " +
                           std::to_string(expected) + " for Curve Number: " + curve);
        if (row.GetNFP() == 0 && row.GetNLP() == 0)
            throw CFailure("NFP and NLP equal zero for Curve Number: " + curve);
        if (row.GetNFP() > row.GetNLP()) throw CFailure("NFP is greater then NLP for Curve Number: " + curve);
        SetPointCount(n);
    } catch (const std::exception& e) {
        throw CFailure(e.what());
    }
}

void CDataAgentOtl::NameCurve(CUDSFile& file, const CInstrumentation& row)
{
    file.SetFileName(curveFile_->GetFileName());
    file.SetDirectory(curveFile_->GetDirectory());
    file.SetAttachment(row.GetSENATT());
}

}  // namespace ko
