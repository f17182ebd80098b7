// SPDX-License-Identifier: GPL-3.0-or-later
#include <filesystem>
#include <stdexcept>

#include "core/failure.h"
#include "formats/points.h"
#include "formats/uds_file.h"
#include "sources/data_agent_file.h"
#include "sources/header_filler.h"
#include "sources/store_files.h"

namespace ko {
namespace {

bool IsTextKind(int kind)
{
    return kind >= 1 && kind <= CDataAgentFile::kTextKind;
}

// A signal name read from a test file must name a file in the curve directory.
bool IsPlainName(const std::string& name)
{
    return name != "." && name != ".." && name.find_first_of("/\\") == std::string::npos;
}

void CheckSignalName(const std::string& name)
{
    if (!IsPlainName(name)) throw CFailure("Invalid Signal Name: " + name);
}

// The row's own UDS file in that directory: one lookup instead of a directory listing.
// The row names a UDS file to read (a plain name, data not "NO").
bool NamesUDSFile(const CInstrumentation& row)
{
    const std::string& name = row.GetSIGNALNAME();
    if (name.empty() || row.GetDASTAT() == "NO") return false;
    CheckSignalName(name);
    return true;
}

bool HasNamedUDSFile(const std::string& directory, const CInstrumentation& row)
{
    if (!NamesUDSFile(row)) return false;
    std::error_code error;
    return std::filesystem::is_regular_file(std::filesystem::path(directory) / row.GetSIGNALNAME(), error);
}

bool HasTextCurve(const std::string& directory, int curve)
{
    CFile probe;
    probe.SetKind(CFile::kCurveInExtension);
    std::string found;
    try {
        probe.SetDirectory(directory);
        probe.FindByCurveExtension(curve, found);
    } catch (const std::logic_error&) {
        return false;
    }
    return true;
}

std::string WithSeparator(const std::string& directory)
{
    if (!directory.empty() && (directory.back() == '/' || directory.back() == '\\')) return directory;
    return directory + "/";
}

std::string MissingCurveText(const std::string& textDirectory, const std::string& udsDirectory,
                             const CInstrumentation& row)
{
    const std::string curve = std::to_string(row.GetCURNO());
    const std::string& name = row.GetSIGNALNAME();
    if (name.empty() || row.GetDASTAT() == "NO")
        return "No UDS file - Curve Number: " + curve + " Datstat: " + row.GetDASTAT() +
               ", and no text curve file with the extension " + curve + " in " +
               WithSeparator(textDirectory) + ".";
    return "Curve Number: " + curve + ": neither a text curve file with the extension " + curve + " in " +
           WithSeparator(textDirectory) + " nor the UDS file " + WithSeparator(udsDirectory) + name +
           " was found.";
}

}  // namespace

void CDataAgentFile::FillBioSignal(CUDSFile& file)
{
    FillFromFiles(file);
}

void CDataAgentFile::FillComSignal(CUDSFile& file)
{
    FillFromFiles(file);
}

void CDataAgentFile::FillVehSignal(CUDSFile& file)
{
    FillFromFiles(file);
}

void CDataAgentFile::LocateCurveFile(bool probe)
{
    udsUnprobed_ = false;
    const int kind = curveFile_->GetKind();
    if (!IsTextKind(kind) && kind != kUDSKind) throw CFailure("Unknown File Type.");
    if (eachCurveOwnFile_) {
        const std::string directory = curveFile_->GetDirectory();
        curveFile_ = OwnCurveFile(directory, directory, true, true);
        return;
    }
    if (curveFileMode_ != kDerived) return;
    CDirectory directory = StoreDirectory(GetDatabase()->GetKind(), GetTestNumber()->GetNumber());
    const std::string udsDirectory = directory.GetUDSDirectory();
    const std::string textDirectory = directory.GetEVDataDirectory();
    if (!storeRoot_.empty())
        curveFile_ = OwnCurveFile(textDirectory, udsDirectory, false, probe);
    else
        curveFile_ = FileIn(kind == kUDSKind ? udsDirectory : textDirectory, kind);
}

std::shared_ptr<CFile> CDataAgentFile::OwnCurveFile(const std::string& textDirectory,
                                                    const std::string& udsDirectory, bool textFirst,
                                                    bool probe)
{
    const auto row = CurrentRow();
    if (!row) return FileIn(textDirectory, kTextKind);  // the read fails with the test's own text
    const auto udsFile = [&] {
        auto file = std::make_shared<CFile>();
        file->SetFoundDirectory(udsDirectory);
        file->SetKind(kUDSKind);
        return file;
    };
    // The row's UDS file comes first: no listing of the text directory then.
    if (!textFirst && !probe && NamesUDSFile(*row)) {
        udsUnprobed_ = true;
        return udsFile();
    }
    const bool hasUDS = HasNamedUDSFile(udsDirectory, *row);
    if (hasUDS && !textFirst) return udsFile();
    const bool hasText = HasTextCurve(textDirectory, GetCurveNumber()->GetNumber());
    if (hasText && (textFirst || !hasUDS)) return FileIn(textDirectory, kTextKind);
    if (hasUDS) return FileIn(udsDirectory, kUDSKind);
    throw CFailure(MissingCurveText(textDirectory, udsDirectory, *row));
}

std::shared_ptr<CInstrumentation> CDataAgentFile::CurrentRow() const
{
    const int curve = GetCurveNumber()->GetNumber();
    switch (GetDatabase()->GetKind()) {
        case TestKind::Biomechanics: return GetBioTest() ? GetBioTest()->GetInstrumentation(curve) : nullptr;
        case TestKind::Component: return GetComTest() ? GetComTest()->GetInstrumentation(curve) : nullptr;
        default: return GetVehicleTest() ? GetVehicleTest()->GetInstrumentation(curve) : nullptr;
    }
}

void CDataAgentFile::FillBaseHeader(CUDSFile& file)
{
    switch (GetDatabase()->GetKind()) {
        case TestKind::Biomechanics: CDataAgent::FillBioSignal(file); break;
        case TestKind::Component: CDataAgent::FillComSignal(file); break;
        default: CDataAgent::FillVehSignal(file); break;
    }
}

void CDataAgentFile::FillFromFiles(CUDSFile& file)
{
    LocateCurveFile();
    const auto row = CurrentRow();
    if (!row) {
        FillBaseHeader(file);  // throws the database's "Invalid ... Test" text
        return;
    }
    if (curveFile_->GetKind() == kUDSKind && udsUnprobed_) {
        try {
            ReadUDSCurve(file, *row);
            return;
        } catch (const CFailure&) {
            // Not there, or not a plain file: the curve is looked for as a
            // probe finds it, and a UDS file that is there fails as it did.
            LocateCurveFile(true);
            if (curveFile_->GetKind() == kUDSKind) throw;
        }
    }
    if (curveFile_->GetKind() == kUDSKind)
        ReadUDSCurve(file, *row);
    else
        ReadTextCurve(file, *row);
}

void CDataAgentFile::ReadUDSCurve(CUDSFile& file, const CInstrumentation& row)
{
    const std::string& name = row.GetSIGNALNAME();
    if (name.empty() || row.GetDASTAT() == "NO")
        throw CFailure("No UDS file - Curve Number: " + GetCurveNumber()->GetText() +
                       " Datstat: " + row.GetDASTAT());
    CheckSignalName(name);
    curveFile_->SetFileName(name);
    curveFile_->ComposePath();
    file.Read(curveFile_->GetFullPath());
    file.SetFileName(name);
    file.SetDirectory(curveFile_->GetDirectory());
    file.SetAttachment(row.GetSENATT());
    SetPointCount(static_cast<std::int64_t>(file.GetPointCount()));
}

void CDataAgentFile::ReadTextCurve(CUDSFile& file, const CInstrumentation& row)
{
    std::string found;
    curveFile_->FindByCurveExtension(GetCurveNumber()->GetNumber(), found);
    curveFile_->SetKind(kTextKind);
    curveFile_->ComposePath();
    CPoints points;
    points.ReadFile(curveFile_->GetFullPath());
    SetTextCurveData(file, points, row.GetNFP(), row.GetDELT());
    SetPointCount(static_cast<std::int64_t>(points.size()));
    FillBaseHeader(file);
    file.SetFileName(curveFile_->GetFileName());
    file.SetDirectory(curveFile_->GetDirectory());
    file.SetAttachment(row.GetSENATT());
    file.SetTSTSRC(GetSourceLabel());
}

}  // namespace ko
