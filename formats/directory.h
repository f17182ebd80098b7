// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <memory>
#include <string>

#include "model/database.h"
#include "model/test_number.h"

namespace ko {

// The directory of a test in the file store:
//   <root>uds\<name>\<l><ten-thousands>\<l><hundreds>\<l><padded number>\   (also "evdata")
//   <root>photos\<name>\<l><ten-thousands>\<l><hundreds>\                    (also "reports", "videos")
// with the database name (vehdb) and letter (v). Backslash style (the default)
// has a drive root such as "Q:\" and ends every path with "\". Slash style
// joins with "/" after its root, "/array/data" unless SetRoot named another
// directory, and ends paths without a separator.
class CDirectory {
public:
    static constexpr int kBackslashStyle = 1;
    static constexpr int kSlashStyle = 2;

    CDirectory();
    virtual ~CDirectory() = default;

    // Replace the database; the string form throws the CDatabase texts and
    // then keeps the previous database.
    void SetDatabase(TestKind kind);
    void SetDatabase(const std::string& database);
    // Throws the CTestNumber range text and keeps the previous number.
    void SetTestNumber(int number);
    // 2 selects slash style, anything else backslash style; the path becomes the root.
    void SetPathStyle(int style);
    // Empty text changes nothing. Slash style: the text is the store root
    // (trailing "/" removed). Backslash style: its first character must be a
    // letter and the root becomes "<letter>:\"; otherwise the separators, root
    // and path are cleared and std::logic_error "No alphabet letter dir root." is thrown.
    void SetRoot(const std::string& text);

    const std::string& GetUDSDirectory();
    const std::string& GetEVDataDirectory();
    const std::string& GetPhotosDirectory();
    const std::string& GetReportsDirectory();
    const std::string& GetVideosDirectory();

    const std::shared_ptr<CDatabase>& GetDatabase() const { return database_; }
    const std::shared_ptr<CTestNumber>& GetTestNumber() const { return testNumber_; }
    int GetPathStyle() const { return style_; }
    const std::string& GetSeparator() const { return separator_; }
    const std::string& GetTrailingSeparator() const { return trailing_; }
    const std::string& GetRoot() const { return root_; }
    const std::string& GetPath() const { return path_; }

    static constexpr const char* kDefaultDriveRoot = "Q:\\";
    static constexpr const char* kDefaultSlashRoot = "/array/data";

private:
    // Builds root + area + database levels; the test level only when withTest.
    const std::string& Build(const char* area, bool withTest);
    // One separator character; the trailing one only when trailing.
    void SetSeparators(char separator, bool trailing);

    std::shared_ptr<CDatabase> database_ = std::make_shared<CDatabase>();
    std::shared_ptr<CTestNumber> testNumber_ = std::make_shared<CTestNumber>();
    int style_ = kBackslashStyle;
    std::string separator_ = "\\";
    std::string trailing_ = "\\";
    std::string root_ = kDefaultDriveRoot;
    std::string slashRoot_ = kDefaultSlashRoot;
    std::string path_ = kDefaultDriveRoot;
};

}  // namespace ko
