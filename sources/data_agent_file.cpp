// SPDX-License-Identifier: GPL-3.0-or-later
#include "sources/data_agent_file.h"

#include <stdexcept>

#include "core/failure.h"
#include "formats/file_name.h"
#include "formats/ip5_file.h"
#include "sources/ev5_reading.h"
#include "sources/store_files.h"

namespace ko {
namespace {

// The generated UDS name of every row with data and without a signal name.
template <class Test>
void NameRows(const Test& test, const CDatabase& database)
{
    for (const auto& row : test.GetInstrumentations()) {
        if (row->GetDASTAT() == "NO" || !row->GetSIGNALNAME().empty()) continue;
        CFileName name;
        name.SetDatabase(database.GetName());
        name.SetTestNumber(test.TestRecord().GetTSTNO());
        name.SetFilter(0.0);
        name.SetCurveNumber(row->GetCURNO());
        name.SetQuantity(row->GetYUNITS());
        name.SetStatus(row->GetDASTAT());
        row->SetSIGNALNAME(name.GetUDSName());
    }
}

// The description of the database of a kind, or the kind's code for None.
std::string KindDescription(TestKind kind)
{
    CDatabase database;
    database.SetKind(kind);
    return database.GetKind() == kind ? database.GetDescription()
                                      : "kind code " + std::to_string(KindCode(kind));
}

}  // namespace

CDataAgentFile::CDataAgentFile() : testFile_(std::make_shared<CFile>()), curveFile_(std::make_shared<CFile>())
{
    testFile_->SetKind(kUDSKind);
    curveFile_->SetKind(kUDSKind);
}

bool CDataAgentFile::Setup(const std::function<void()>& body)
{
    return Guard([&] {
        body();
        return true;
    });
}

bool CDataAgentFile::SetTestFileDirectory(const std::string& directory, int kind)
{
    if (kind == kRefusedKind) return false;
    return Setup([&] {
        testFile_ = FileIn(directory, kind);
        testFileMode_ = kChosen;
    });
}

bool CDataAgentFile::SetCurveFileDirectory(const std::string& directory, int kind)
{
    if (kind == kRefusedKind) return false;
    return Setup([&] {
        curveFile_ = FileIn(directory, kind);
        curveFileMode_ = kChosen;
        eachCurveOwnFile_ = false;
    });
}

bool CDataAgentFile::SetIntrusionFileDirectory(const std::string& directory)
{
    const bool done = Setup([&] {
        intrusionFile_ = FileIn(directory, kTextKind);
        curveFileMode_ = kChosen;
    });
    if (!done) intrusionFile_.reset();
    return done;
}

bool CDataAgentFile::SetZipFile(const std::string& fullName)
{
    return Setup([&] {
        auto file = std::make_shared<CFile>();
        file->SetPathAndFileName(fullName);
        file->SetKind(kZipKind);
        testFile_ = file;
        testFileMode_ = kChosen;
        curveFileMode_ = kChosen;
    });
}

bool CDataAgentFile::LoadTest(const std::shared_ptr<CTestType>& test)
{
    return Loading([&] {
        if (!CDataAgent::LoadTest(test)) throw CFailure(GetLastError());
        LoadTestFromFiles();
        CopyCurrentTest(*test);
        return true;
    });
}

bool CDataAgentFile::LoadTest(TestKind kind)
{
    return Loading([&] {
        // Collision-warning tests are vehicle tests on disk: read them as such.
        if (!BeginLoad(kind == TestKind::CollisionWarning ? TestKind::Vehicle : kind))
            throw CFailure("Invalid Database: " + KindDescription(kind));
        LoadTestFromFiles();
        return true;
    });
}

bool CDataAgentFile::Loading(const std::function<bool()>& body)
{
    bool threw = true;
    const bool done = Guard([&] {
        const bool result = body();
        threw = false;
        return result;
    });
    if (threw) LoadFailed(GetLastError());
    return done;
}

void CDataAgentFile::LoadFailed(const std::string& text)
{
    const int number = GetTestNumber()->GetNumber();
    SetLastError(number == 0 ? text : "Failure to load test number: " + std::to_string(number) + "\n" + text);
    ClearTests();
}

void CDataAgentFile::LoadTestFromFiles()
{
    const TestKind kind = GetDatabase()->GetKind();
    if (!kLoadableKinds.Has(kind)) throw CFailure("Invalid Database: " + GetDatabase()->GetDescription());
    LocateTestFile();
    ReadTestFile();
    NameSignals();
    if (kind == TestKind::Vehicle) ReadIntrusionFile();
}

CDirectory CDataAgentFile::StoreDirectory(TestKind kind, int testNumber) const
{
    CDirectory directory;
    if (!storeRoot_.empty()) {
        directory.SetPathStyle(CDirectory::kSlashStyle);
        directory.SetRoot(storeRoot_);
    }
    directory.SetDatabase(kind);
    directory.SetTestNumber(testNumber);
    return directory;
}

void CDataAgentFile::LocateTestFile()
{
    if (testFileMode_ != kDerived) return;
    const int kind = testFile_->GetKind();
    if (kind == kXMLKind || kind == kZipKind) return;
    if (kind != kTextKind && !(kind == kExtensionKind && !storeRoot_.empty()))
        throw CFailure("Unknow File Type.");
    const std::string directory =
        StoreDirectory(GetDatabase()->GetKind(), GetTestNumber()->GetNumber()).GetEVDataDirectory();
    if (storeRoot_.empty())
        testFile_ = FileIn(directory, kind);
    else
        LocateStoreTest(directory);
}

void CDataAgentFile::ReadTestFile()
{
    std::string found;
    switch (testFile_->GetKind()) {
        case kTextKind:
            if (testFile_->GetFileName().empty()) testFile_->FindByExtension("ev5", found);
            break;
        case kExtensionKind:
            if (testFile_->GetFileName().empty()) testFile_->FindByExtension("e5x", found);
            break;
        case kXMLKind: throw CFailure("XML File Type: Not Developed.");
        case kZipKind: throw CFailure("Zip File Type: Not Developed.");
        default: throw CFailure("Unknown File Type.");
    }
    testFile_->ReadAll();
    if (GetTestNumber()->GetNumber() == 0) SetTestNumberFromName(*GetTestNumber(), testFile_->GetFileName());
    const bool extension = testFile_->GetKind() == kExtensionKind;
    const int number = GetTestNumber()->GetNumber();
    switch (GetDatabase()->GetKind()) {
        case TestKind::Biomechanics:
            ReadEV5Test(GetBioTest(), testFile_->GetContents(), number, extension);
            break;
        case TestKind::Component:
            ReadEV5Test(GetComTest(), testFile_->GetContents(), number, extension);
            break;
        default: ReadEV5Test(GetVehicleTest(), testFile_->GetContents(), number, extension); break;
    }
}

void CDataAgentFile::NameSignals()
{
    switch (GetDatabase()->GetKind()) {
        case TestKind::Biomechanics: NameRows(*GetBioTest(), *GetDatabase()); break;
        case TestKind::Component: NameRows(*GetComTest(), *GetDatabase()); break;
        default: NameRows(*GetVehicleTest(), *GetDatabase()); break;
    }
}

void CDataAgentFile::ReadIntrusionFile()
{
    if (!intrusionFile_) return;
    std::string found;
    if (intrusionFile_->GetFileName().empty()) intrusionFile_->FindByExtension("ip5", found);
    intrusionFile_->ReadAll();
    CIP5File reader(GetVehicleTest()->TestRecord().GetTSTNO());
    reader.Read(intrusionFile_->GetContents());
    for (const auto& intrusion : reader.GetIntrusions()) GetVehicleTest()->AddIntrusion(intrusion);
}

bool CDataAgentFile::LoadCodes(int, TestKind)
{
    return false;
}

bool CDataAgentFile::LoadValues(int valueIdentifier)
{
    CDataAgent::LoadValues(valueIdentifier);
    return false;
}

}  // namespace ko
