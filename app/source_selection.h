// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <memory>
#include <optional>
#include <vector>

#include "app/source_profile.h"
#include "model/test_kind.h"
#include "sources/entry_mode.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace ko {
class CDataAgent;
class CDataAgentFile;
}  // namespace ko

namespace kores {

// What the source selection hands to the batch test dialog.
struct CSourceResult {
    std::shared_ptr<ko::CDataAgent> agent;
    ko::TestKind kind = ko::TestKind::Vehicle;
    int sourceKind = kSourceUnknown;
    ko::KindMask allowedKinds;
    // Local files: the directory is a store root, so tests are chosen by number
    // in the batch dialog; otherwise the agent holds the one test of the directory.
    bool storeRoot = false;
};

// Decides where tests come from (database, web or local files), creates that
// data agent and logs it in, connects or loads it.
class CSourceSelection : public QDialog {
    Q_OBJECT

public:
    // decision: how to open; by default decided from the working directory and drives.
    CSourceSelection(ko::TestKind kind, ko::KindMask allowedKinds, int sourceKind, QWidget* parent = nullptr,
                     std::optional<ko::CEntryDecision> decision = std::nullopt);
    ~CSourceSelection() override;

    ko::EEntryMode Mode() const { return mode_; }
    int Selection() const;
    void SetSelection(int selection);
    bool IsChoiceOffered(int selection) const;

    QLineEdit* UserNameEdit() const { return userName_; }
    QLineEdit* PasswordEdit() const { return password_; }
    QComboBox* DriveBox() const { return drive_; }
    QComboBox* TnsBox() const { return tns_; }
    // The database's connection text ("sqlite:DIR", "postgresql://HOST:PORT/DB").
    QComboBox* ConnectionBox() const { return connection_; }
    QPushButton* ChangePasswordButton() const { return changePassword_; }
    QComboBox* DatabaseBox() const { return database_; }
    QComboBox* DirectoryBox() const { return directory_; }
    QCheckBox* FileDataCheck() const { return fileData_; }
    QCheckBox* ZipDataCheck() const { return zipData_; }
    QLineEdit* ServerURLEdit() const { return serverURL_; }
    QLineEdit* CAFileEdit() const { return caFile_; }
    QCheckBox* InsecureCheck() const { return insecure_; }

    // The OK step: true, with the result set and the choice written to the
    // profile, when an agent was created and loaded; otherwise the failure was
    // shown and the dialog stays.
    bool Apply();
    const CSourceResult& Result() const { return result_; }

    // The text of the local-files check box for a directory: "IP5 && EV5 &&
    // ASCII Signal data" when it holds an IP5 file, else "EV5 && ASCII Signal data".
    static QString FileDataText(const QString& directory);

public Q_SLOTS:
    void accept() override;

private:
    void BuildLayout();
    QGroupBox* BuildDatabaseGroup();
    QGroupBox* BuildFilesGroup();
    QGroupBox* BuildWebGroup();
    void SetupMode(const ko::CEntryDecision& decision);
    void ShowRememberedPaths();
    void UpdateEnabling();
    void UpdateTnsShown();
    void Browse();
    bool ApplyDatabase();
    bool ReadLogin(QString& tnsName, bool& needsPassword);
    QString TnsName() const;
    void ChangePassword();
    bool ApplyWeb();
    bool ApplyLocalFiles();
    bool SetupFileAgent(ko::CDataAgentFile& agent, const QString& path, bool& storeRoot);
    bool LoadFirstTest(ko::CDataAgentFile& agent, const QString& path, bool storeRoot);
    ko::TestKind ChosenKind() const;

    ko::EEntryMode mode_ = ko::EEntryMode::B;
    ko::KindMask allowedKinds_;
    int sourceKind_ = kSourceUnknown;
    QRadioButton* choices_[3] = {};
    QLineEdit* userName_ = nullptr;
    QLineEdit* password_ = nullptr;
    QComboBox* drive_ = nullptr;
    QComboBox* tns_ = nullptr;
    QComboBox* connection_ = nullptr;
    std::vector<ko::CDrive> drives_;
    QPushButton* changePassword_ = nullptr;
    QComboBox* database_ = nullptr;
    QCheckBox* fileData_ = nullptr;
    QCheckBox* zipData_ = nullptr;
    QComboBox* directory_ = nullptr;
    QPushButton* browse_ = nullptr;
    QLineEdit* serverURL_ = nullptr;
    QLineEdit* caFile_ = nullptr;
    QCheckBox* insecure_ = nullptr;
    CSourceResult result_;
};

}  // namespace kores
