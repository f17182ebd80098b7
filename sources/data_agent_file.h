// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "formats/directory.h"
#include "formats/file.h"
#include "sources/data_agent.h"

namespace ko {

// The data agent of the local file system: a test comes from an EV5 (or EV5
// extension) test text file, optionally completed by an IP5 intrusion file; its
// curves are UDS-1992 files named by the instrumentation rows (curve kind 21) or
// text curve files found by their curve-number extension (curve kinds 1 to 5).
//
// File locations are either chosen (mode 1: the directories set below) or
// derived (mode 2: the test's directories in the store layout of CDirectory
// under the store root, evdata for test files, uds for curves).
class CDataAgentFile : public CDataAgent {
public:
    static constexpr int kChosen = 1;
    static constexpr int kDerived = 2;
    // File kinds: text curves 1 to 5 (5 also the EV5 test file), UDS-1992,
    // XML, archive, EV5 extension; kRefusedKind is refused by the set-up steps.
    static constexpr int kTextKind = 5;
    static constexpr int kUDSKind = 21;
    static constexpr int kXMLKind = 22;
    static constexpr int kZipKind = 23;
    static constexpr int kExtensionKind = 24;
    static constexpr int kRefusedKind = 200;

    CDataAgentFile();

    // Kind 200 returns false at once; otherwise sets the directory and kind of
    // the test file and selects chosen mode for test files.
    bool SetTestFileDirectory(const std::string& directory, int kind);
    // The same for curve files.
    bool SetCurveFileDirectory(const std::string& directory, int kind);
    // Creates the intrusion file (kind 5) in directory; curve files become chosen.
    bool SetIntrusionFileDirectory(const std::string& directory);
    // Sets path and name of the test file from fullName, kind 23, both modes chosen.
    bool SetZipFile(const std::string& fullName);

    // A directory the user chose that holds one test: the test file is its EV5
    // file (its EV5 extension file when it has no EV5 file), each curve is read
    // from its text curve file (kind 5, found by the curve number's extension)
    // when there is one, else from the UDS file its row names (kind 21), and its
    // IP5 file, when there is one, is the intrusion file. A test file named as
    // in the store ("v01234_000.ev5") sets the test number.
    bool SetChosenDirectory(const std::string& directory);
    // A store root in the slash layout of CDirectory: both files derived from
    // the database and test number. Any test of the root can then be loaded by
    // number: its EV5 file, else its EV5 extension file, and its IP5 file when
    // it has one; each curve is the UDS file its row names in the test's UDS
    // directory, else the text curve of its number beside the test file.
    bool SetStoreRoot(const std::string& root);
    // Ascending numbers of the tests of a database under the store root (those
    // whose test directory holds an EV5 or EV5 extension file); false without
    // a store root.
    bool GetStoreTestNumbers(TestKind kind, std::vector<int>& numbers);

    bool LoadTest(const std::shared_ptr<CTestType>& test) override;
    bool LoadTest(TestKind kind) override;
    using CDataAgent::LoadTest;
    // With a store root: one selection row per test of the database, filled
    // from its TEST record, in ascending test number; a test that cannot be
    // read gives no row and is named, with its failure text, in the list
    // warning. Without a store root: true, no rows.
    bool LoadTestList(TestKind kind) override;
    bool LoadCodes(int codeIdentifier, TestKind kind) override;
    bool LoadValues(int valueIdentifier) override;

    int GetTestFileMode() const { return testFileMode_; }
    int GetCurveFileMode() const { return curveFileMode_; }
    const std::shared_ptr<CFile>& GetTestFile() const { return testFile_; }
    const std::shared_ptr<CFile>& GetCurveFile() const { return curveFile_; }
    const std::shared_ptr<CFile>& GetIntrusionFile() const { return intrusionFile_; }
    const std::string& GetStoreRoot() const { return storeRoot_; }

protected:
    void FillBioSignal(CUDSFile& file) override;
    void FillComSignal(CUDSFile& file) override;
    void FillVehSignal(CUDSFile& file) override;

private:
    // Runs a set-up step: a failure becomes the last-error text and false.
    bool Setup(const std::function<void()>& body);
    void LoadTestFromFiles();
    void LocateTestFile();
    // probe: look whether the row's UDS file is there before taking it.
    void LocateCurveFile(bool probe = false);
    // The current curve's own file: its text curve in textDirectory or the UDS
    // file its row names in udsDirectory, the one named first when both exist.
    // Throws a text naming both when neither exists. Without probe the UDS
    // file, when it comes first, is taken without looking (udsUnprobed_): its
    // read tells.
    std::shared_ptr<CFile> OwnCurveFile(const std::string& textDirectory, const std::string& udsDirectory,
                                        bool textFirst, bool probe);
    // Under a store root: the test file (EV5, else EV5 extension) and IP5 file of directory.
    void LocateStoreTest(const std::string& directory);
    // The store directories of a test of a database.
    CDirectory StoreDirectory(TestKind kind, int testNumber) const;
    void ReadTestFile();
    void ReadIntrusionFile();
    void NameSignals();
    // Runs a load: a failure becomes the load-failure text, the tests are released.
    bool Loading(const std::function<bool()>& body);
    void LoadFailed(const std::string& text);
    void FillFromFiles(CUDSFile& file);
    void ReadUDSCurve(CUDSFile& file, const CInstrumentation& row);
    void ReadTextCurve(CUDSFile& file, const CInstrumentation& row);
    std::shared_ptr<CInstrumentation> CurrentRow() const;
    void FillBaseHeader(CUDSFile& file);

    int testFileMode_ = kDerived;
    int curveFileMode_ = kDerived;
    std::shared_ptr<CFile> testFile_;
    std::shared_ptr<CFile> curveFile_;
    std::shared_ptr<CFile> intrusionFile_;
    std::string storeRoot_;
    // A chosen directory: the kind is decided curve by curve.
    bool eachCurveOwnFile_ = false;
    // The curve file is the row's UDS file, taken without looking whether it is there.
    bool udsUnprobed_ = false;
};

}  // namespace ko
