// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <filesystem>
#include <stdexcept>

#include "core/failure.h"
#include "sources/data_agent_file.h"
#include "sources/ev5_reading.h"
#include "sources/store_files.h"
#include "sources/test_list_rows.h"

namespace ko {
namespace {

namespace fs = std::filesystem;

// A fresh test aggregate read from the test file of a store test directory.
template <class Test>
std::shared_ptr<Test> ReadStoreTest(const std::string& directory, int number)
{
    CFile file;
    file.SetDirectory(directory);
    std::string name;
    int kind = 0;
    FindTestFile(directory, name, kind);
    file.SetFileName(name);
    file.ReadAll();
    auto test = std::make_shared<Test>();
    ReadEV5Test(test, file.GetContents(), number, kind == CDataAgentFile::kExtensionKind);
    return test;
}

}  // namespace

bool CDataAgentFile::SetChosenDirectory(const std::string& directory)
{
    return Setup([&] {
        std::string name;
        int kind = 0;
        FindTestFile(directory, name, kind);
        auto testFile = FileIn(directory, kind, name);
        auto curveFile = FileIn(directory, kTextKind);
        std::shared_ptr<CFile> intrusionFile;
        if (!FirstWithExtension(directory, "ip5").empty()) intrusionFile = FileIn(directory, kTextKind);
        testFile_ = testFile;
        curveFile_ = curveFile;
        intrusionFile_ = intrusionFile;
        testFileMode_ = kChosen;
        curveFileMode_ = kChosen;
        eachCurveOwnFile_ = true;
        storeRoot_.clear();
        SetTestNumberFromName(*GetTestNumber(), name);
    });
}

bool CDataAgentFile::SetStoreRoot(const std::string& root)
{
    return Setup([&] {
        CFile probe;
        probe.SetDirectory(root);
        storeRoot_ = root;
        testFile_ = std::make_shared<CFile>();
        testFile_->SetKind(kTextKind);
        curveFile_ = std::make_shared<CFile>();
        curveFile_->SetKind(kUDSKind);
        intrusionFile_.reset();
        testFileMode_ = kDerived;
        curveFileMode_ = kDerived;
        eachCurveOwnFile_ = false;
    });
}

void CDataAgentFile::LocateStoreTest(const std::string& directory)
{
    std::string name;
    int kind = 0;
    FindTestFile(directory, name, kind);
    testFile_ = FileIn(directory, kind, name);
    intrusionFile_.reset();
    if (!FirstWithExtension(directory, "ip5").empty()) intrusionFile_ = FileIn(directory, kTextKind);
}

bool CDataAgentFile::GetStoreTestNumbers(TestKind kind, std::vector<int>& numbers)
{
    numbers.clear();
    return Guard([&] {
        if (storeRoot_.empty()) throw CFailure("No store root is set.");
        CDatabase database;
        database.SetKind(kind);
        if (database.GetKind() != kind) throw CFailure("Invalid Database");
        const fs::path base = fs::path(storeRoot_) / "evdata" / database.GetName();
        if (!fs::is_directory(base)) return true;
        for (auto it = fs::recursive_directory_iterator(base); it != fs::recursive_directory_iterator();
             ++it) {
            if (it.depth() < 2 || !it->is_directory()) continue;
            it.disable_recursion_pending();
            const std::string name = it->path().filename().string();
            CTestNumber number;
            if (name.size() != 6 || !SetTestNumberFromName(number, name)) continue;
            CDirectory expected = StoreDirectory(kind, number.GetNumber());
            if (fs::path(expected.GetEVDataDirectory()).lexically_normal() != it->path().lexically_normal())
                continue;
            if (HoldsTestFile(it->path().string())) numbers.push_back(number.GetNumber());
        }
        std::sort(numbers.begin(), numbers.end());
        return true;
    });
}

bool CDataAgentFile::LoadTestList(TestKind kind)
{
    SetListWarning({});
    if (storeRoot_.empty()) return true;
    std::vector<int> numbers;
    if (!GetStoreTestNumbers(kind, numbers)) return false;
    ClearTestList(kind);
    std::string unread;
    for (int number : numbers) {
        const bool read = Guard([&] {
            const std::string directory = StoreDirectory(kind, number).GetEVDataDirectory();
            if (kind == TestKind::Biomechanics)
                AddListRow(SelectionRow(*ReadStoreTest<CBioTest>(directory, number)));
            if (kind == TestKind::Component)
                AddListRow(SelectionRow(*ReadStoreTest<CComTest>(directory, number)));
            if (kind == TestKind::Vehicle)
                AddListRow(SelectionRow(*ReadStoreTest<CVehicleTest>(directory, number)));
            return true;
        });
        if (!read)
            unread += "Failure to load test number: " + std::to_string(number) + "\n" + GetLastError() + "\n";
    }
    SetLastError({});
    if (!unread.empty()) SetListWarning("These tests could not be read and are not listed:\n" + unread);
    return true;
}

}  // namespace ko
