// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/directory.h"

#include <stdexcept>

#include "core/failure.h"

namespace ko {

CDirectory::CDirectory() = default;

void CDirectory::SetDatabase(TestKind kind)
{
    auto database = std::make_shared<CDatabase>();
    database->SetKind(kind);
    database_ = database;
}

void CDirectory::SetDatabase(const std::string& database)
{
    auto replacement = std::make_shared<CDatabase>();
    replacement->Set(database);
    database_ = replacement;
}

void CDirectory::SetTestNumber(int number)
{
    auto replacement = std::make_shared<CTestNumber>();
    replacement->Set(number);
    testNumber_ = replacement;
}

// Characters rather than literals: GCC 12 warns falsely (-Wrestrict) on a
// std::string assigned a one-character literal.
void CDirectory::SetSeparators(char separator, bool trailing)
{
    separator_.assign(1, separator);
    trailing_.assign(trailing ? 1 : 0, separator);
}

void CDirectory::SetPathStyle(int style)
{
    const bool slash = style == kSlashStyle;
    style_ = slash ? kSlashStyle : kBackslashStyle;
    SetSeparators(slash ? '/' : '\\', !slash);
    root_ = slash ? slashRoot_ : kDefaultDriveRoot;
    path_ = root_;
}

void CDirectory::SetRoot(const std::string& text)
{
    if (text.empty()) return;
    if (style_ == kSlashStyle) {
        std::string root = text;
        while (root.size() > 1 && root.back() == '/') root.pop_back();
        slashRoot_ = root;
        SetSeparators('/', false);
        root_ = root;
        path_ = root_;
        return;
    }
    const char first = text[0];
    if (!((first >= 'A' && first <= 'Z') || (first >= 'a' && first <= 'z'))) {
        separator_.clear();
        trailing_.clear();
        root_.clear();
        path_.clear();
        throw CFailure("No alphabet letter dir root.");
    }
    SetSeparators('\\', true);
    root_ = std::string(1, text[0]) + ":\\";
    path_ = root_;
}

const std::string& CDirectory::Build(const char* area, bool withTest)
{
    const std::string& letter = database_->GetLetter();
    path_ = root_;
    if (style_ == kSlashStyle && (path_.empty() || path_.back() != '/')) path_ += '/';
    path_ += area;
    path_ += separator_ + database_->GetName();
    path_ += separator_ + letter + testNumber_->GetTenThousands();
    path_ += separator_ + letter + testNumber_->GetHundreds();
    if (withTest) path_ += separator_ + letter + testNumber_->GetPaddedText();
    path_ += trailing_;
    return path_;
}

const std::string& CDirectory::GetUDSDirectory()
{
    return Build("uds", true);
}

const std::string& CDirectory::GetEVDataDirectory()
{
    return Build("evdata", true);
}

const std::string& CDirectory::GetPhotosDirectory()
{
    return Build("photos", false);
}

const std::string& CDirectory::GetReportsDirectory()
{
    return Build("reports", false);
}

const std::string& CDirectory::GetVideosDirectory()
{
    return Build("videos", false);
}

}  // namespace ko
