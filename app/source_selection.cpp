// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/source_selection.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include "app/change_password_dialog.h"
#include "app/database_combo.h"
#include "app/database_login.h"
#include "app/dialog_runner.h"
#include "app/message_box.h"
#include "app/status_progress.h"
#include "db/connection.h"
#include "sources/data_agent_file.h"
#include "sources/data_agent_otl.h"
#include "sources/data_agent_web.h"
#include "sources/store_files.h"

namespace kores {

namespace {

// Accounts for which the alternative service names are offered.
const QStringList kTnsAccounts = {"vehdb", "korvadba", "korvadev"};
const QStringList kTnsShortNames = {"KORVA", "KORVADEV"};

const char* const kChoiceTexts[] = {"KORVA Database", "via KORVA Website", "Local File System"};

std::string LocalPath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

// An SQLite database has no login.
bool HasLogin(const ko::db::CConnectText& text)
{
    return text.backend != ko::db::Backend::SQLite;
}

// While the text is not a connection text yet, the login fields stay open.
bool HasLogin(const QString& text)
{
    try {
        return HasLogin(ko::db::ParseConnectText(text.toStdString()));
    } catch (const std::exception&) {
        return true;
    }
}

// The drive message names the entry chosen in its place.
QString DriveMissingText(int selection)
{
    QString text = QString::fromStdString(ko::DriveMissingMessage());
    if (selection == kSourceFiles)
        text.replace("The WEB entry is selected automatically.",
                     "The Local File System entry is selected automatically.");
    return text;
}

// While verification is off the status bar says so, permanently.
void ShowInsecure(QStatusBar* bar, bool insecure)
{
    auto* label = bar->findChild<QLabel*>("insecureWeb");
    if (!insecure) {
        delete label;
        return;
    }
    if (label) return;
    label = new QLabel("TLS certificate verification is off", bar);
    label->setObjectName("insecureWeb");
    bar->addPermanentWidget(label);
}

}  // namespace

CSourceSelection::CSourceSelection(ko::TestKind kind, ko::KindMask allowedKinds, int sourceKind,
                                   QWidget* parent, std::optional<ko::CEntryDecision> decision)
    : QDialog(parent), allowedKinds_(allowedKinds), sourceKind_(sourceKind), drives_(ko::AvailableDrives())
{
    result_.kind = kind;
    BuildLayout();
    FillDatabaseCombo(*database_, allowedKinds_, kind);
    userName_->setText(CSourceProfile::UserName());
    ShowRememberedPaths();
    SetupMode(decision ? *decision : ko::DecideEntryMode(ko::WorkingDirectory(), drives_));
}

CSourceSelection::~CSourceSelection() = default;

void CSourceSelection::BuildLayout()
{
    auto* entry = new QGroupBox("Data Entry:", this);
    auto* entryLayout = new QVBoxLayout(entry);
    auto* group = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        choices_[i] = new QRadioButton(kChoiceTexts[i], entry);
        group->addButton(choices_[i], i + 1);
        entryLayout->addWidget(choices_[i]);
    }
    connect(group, &QButtonGroup::idToggled, this, [this] { UpdateEnabling(); });

    database_ = new QComboBox(this);
    auto* databaseRow = new QFormLayout;
    databaseRow->addRow("Database:", database_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CSourceSelection::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(entry);
    layout->addWidget(BuildDatabaseGroup());
    layout->addLayout(databaseRow);
    layout->addWidget(BuildWebGroup());
    layout->addWidget(BuildFilesGroup());
    layout->addWidget(buttons);
}

QGroupBox* CSourceSelection::BuildDatabaseGroup()
{
    auto* box = new QGroupBox(this);
    auto* form = new QFormLayout(box);
    userName_ = new QLineEdit(box);
    userName_->setToolTip("User Name: \nTo login into the KORVA R&D Database");
    password_ = new QLineEdit(box);
    password_->setEchoMode(QLineEdit::Password);
    password_->setToolTip("Password: \nTo login into the KORVA R&D Database");
    drive_ = new QComboBox(box);
    for (const ko::CDrive& drive : drives_) {
        drive_->addItem(QString("[-%1-]").arg(QChar(drive.letter).toLower()));
        drive_->setItemData(drive_->count() - 1, QString::fromStdString(drive.root), Qt::ToolTipRole);
    }
    tns_ = new QComboBox(box);
    tns_->addItems(kTnsShortNames);
    connection_ = new QComboBox(box);
    connection_->setEditable(true);
    connection_->setMinimumContentsLength(32);
    connection_->addItems(CSourceProfile::Paths(CSourceProfile::kTnsSection));
    connection_->lineEdit()->setPlaceholderText("sqlite:FOLDER or postgresql://HOST:PORT/DATABASE");
    changePassword_ = new QPushButton("Change Password", box);
    form->addRow("&User Name:", userName_);
    form->addRow("&Password:", password_);
    form->addRow("Database &TNS:", connection_);
    form->addRow("UDS Drive Letter:", drive_);
    form->addRow(tns_);
    form->addRow(changePassword_);
    connect(userName_, &QLineEdit::textChanged, this, [this] { UpdateTnsShown(); });
    connect(changePassword_, &QPushButton::clicked, this, &CSourceSelection::ChangePassword);
    connect(connection_, &QComboBox::editTextChanged, this, [this] { UpdateEnabling(); });
    return box;
}

QGroupBox* CSourceSelection::BuildFilesGroup()
{
    auto* box = new QGroupBox(this);
    auto* layout = new QVBoxLayout(box);
    fileData_ = new QCheckBox("EV5 && ASCII Signal data", box);
    fileData_->setChecked(true);
    zipData_ = new QCheckBox("ZIP: EV5 && Signal data", box);
    zipData_->hide();
    auto* exclusive = new QButtonGroup(box);
    exclusive->addButton(fileData_);
    exclusive->addButton(zipData_);
    directory_ = new QComboBox(box);
    directory_->setEditable(true);
    directory_->setMinimumContentsLength(40);
    browse_ = new QPushButton("Select: Directory", box);
    auto* row = new QHBoxLayout;
    row->addWidget(directory_, 1);
    row->addWidget(browse_);
    layout->addWidget(fileData_);
    layout->addWidget(zipData_);
    layout->addLayout(row);
    connect(browse_, &QPushButton::clicked, this, &CSourceSelection::Browse);
    connect(directory_, &QComboBox::editTextChanged, this,
            [this](const QString& text) { fileData_->setText(FileDataText(text)); });
    connect(zipData_, &QCheckBox::toggled, this, [this](bool zip) {
        browse_->setText(zip ? "Select: Zip File" : "Select: Directory");
        ShowRememberedPaths();
    });
    return box;
}

QGroupBox* CSourceSelection::BuildWebGroup()
{
    auto* box = new QGroupBox(this);
    auto* form = new QFormLayout(box);
    serverURL_ = new QLineEdit(box);
    const QString url = CSourceProfile::WebURL();
    serverURL_->setText(url.isEmpty() ? ko::CDataAgentWeb::kDefaultServerURL : url);
    caFile_ = new QLineEdit(CSourceProfile::CAFile(), box);
    caFile_->setPlaceholderText("System certificates");
    insecure_ = new QCheckBox("Do not verify the server certificate", box);
    insecure_->setChecked(CSourceProfile::Insecure());
    form->addRow("Server URL:", serverURL_);
    form->addRow("CA File:", caFile_);
    form->addRow(insecure_);
    return box;
}

// The directories or, with the archive ticked, the archives used before, the latest first.
void CSourceSelection::ShowRememberedPaths()
{
    directory_->clear();
    directory_->addItems(CSourceProfile::Paths(zipData_->isChecked() ? CSourceProfile::kZipDataSection
                                                                     : CSourceProfile::kFileDataSection));
}

// A: database, web and local files, the database chosen. B and W: web and
// local files, the web chosen unless the current source is local files.
void CSourceSelection::SetupMode(const ko::CEntryDecision& decision)
{
    mode_ = decision.mode;
    setWindowTitle(mode_ == ko::EEntryMode::W ? "KORVA ZEB R&D Database, US MTD"
                                              : "Entry Selection, KORVA ZEB, US MTD");
    choices_[0]->setVisible(mode_ == ko::EEntryMode::A);
    if (mode_ == ko::EEntryMode::A) {
        const int found = drive_->findText(QString("[-%1-]").arg(QChar(*decision.drive).toLower()));
        drive_->setCurrentIndex(found);
        SetSelection(kSourceDatabase);
        (userName_->text().isEmpty() ? userName_ : password_)->setFocus();
    } else {
        SetSelection(sourceKind_ == kSourceFiles ? kSourceFiles : kSourceWeb);
    }
    UpdateTnsShown();
    UpdateEnabling();
    if (decision.driveMissing) ShowMessage(this, QMessageBox::Information, DriveMissingText(Selection()));
}

int CSourceSelection::Selection() const
{
    for (int i = 0; i < 3; ++i) {
        if (choices_[i]->isChecked()) return i + 1;
    }
    return kSourceUnknown;
}

void CSourceSelection::SetSelection(int selection)
{
    if (selection >= kSourceDatabase && selection <= kSourceFiles) choices_[selection - 1]->setChecked(true);
}

bool CSourceSelection::IsChoiceOffered(int selection) const
{
    return selection >= kSourceDatabase && selection <= kSourceFiles && !choices_[selection - 1]->isHidden();
}

void CSourceSelection::UpdateEnabling()
{
    const int selection = Selection();
    for (QWidget* field : {static_cast<QWidget*>(drive_), static_cast<QWidget*>(connection_)})
        field->setEnabled(selection == kSourceDatabase);
    const bool login = selection == kSourceDatabase && HasLogin(connection_->currentText().trimmed());
    for (QWidget* field : {static_cast<QWidget*>(userName_), static_cast<QWidget*>(password_),
                           static_cast<QWidget*>(tns_), static_cast<QWidget*>(changePassword_)})
        field->setEnabled(login);
    for (QWidget* field : {static_cast<QWidget*>(fileData_), static_cast<QWidget*>(zipData_),
                           static_cast<QWidget*>(directory_), static_cast<QWidget*>(browse_)})
        field->setEnabled(selection == kSourceFiles);
    for (QWidget* field : {static_cast<QWidget*>(serverURL_), static_cast<QWidget*>(caFile_),
                           static_cast<QWidget*>(insecure_)})
        field->setEnabled(selection == kSourceWeb);
}

void CSourceSelection::UpdateTnsShown()
{
    tns_->setVisible(mode_ == ko::EEntryMode::A && kTnsAccounts.contains(userName_->text()));
}

void CSourceSelection::Browse()
{
    const QString current = directory_->currentText();
    const QString chosen =
        zipData_->isChecked()
            ? QFileDialog::getOpenFileName(this, "Select: Zip File", current, "Zip File (*.zip)")
            : QFileDialog::getExistingDirectory(this, "Select: Directory", current);
    if (!chosen.isEmpty()) directory_->setEditText(QDir::toNativeSeparators(chosen));
}

QString CSourceSelection::FileDataText(const QString& directory)
{
    return ko::HoldsIntrusionFile(LocalPath(directory)) ? "IP5 && EV5 && ASCII Signal data"
                                                        : "EV5 && ASCII Signal data";
}

ko::TestKind CSourceSelection::ChosenKind() const
{
    return DatabaseEntryKind(database_->currentText());
}

void CSourceSelection::accept()
{
    if (Apply()) QDialog::accept();
}

bool CSourceSelection::Apply()
{
    bool applied = false;
    switch (Selection()) {
        case kSourceDatabase: applied = ApplyDatabase(); break;
        case kSourceWeb: applied = ApplyWeb(); break;
        case kSourceFiles: applied = ApplyLocalFiles(); break;
        default: ShowStop(this, "Error - Unknown Source Selection"); break;
    }
    if (!applied) return false;
    result_.sourceKind = Selection();
    result_.allowedKinds = allowedKinds_;
    result_.kind = ChosenKind();
    CSourceProfile::SetSelection(result_.sourceKind);
    CSourceProfile::SetDatabase(database_->currentText());
    return true;
}

// The connection text: the short service name's stored text while the
// service drop-down is shown, else the typed one.
QString CSourceSelection::TnsName() const
{
    if (!tns_->isHidden()) {
        const QString completed = CSourceProfile::TnsOfShortName(tns_->currentText());
        if (!completed.isEmpty()) return completed;
    }
    return connection_->currentText().trimmed();
}

// User name and password (an SQLite database has no login, so neither is
// needed there); an empty field gets the focus.
bool CSourceSelection::ReadLogin(QString& tnsName, bool& needsPassword)
{
    tnsName = TnsName();
    if (tnsName.isEmpty()) {
        connection_->setFocus();
        return false;
    }
    try {
        needsPassword = HasLogin(ko::db::ParseConnectText(tnsName.toStdString()));
    } catch (const std::exception& e) {
        ShowStop(this, QString::fromStdString(e.what()));
        connection_->setFocus();
        return false;
    }
    if (!needsPassword) return true;
    if (userName_->text().isEmpty()) {
        userName_->setFocus();
        return false;
    }
    CSourceProfile::SetUserName(userName_->text());
    if (password_->text().isEmpty()) {
        password_->setFocus();
        return false;
    }
    return true;
}

bool CSourceSelection::ApplyDatabase()
{
    QString drive = drive_->currentText();
    drive.remove('-').remove('[').remove(']');
    CSourceProfile::SetDrive(drive);
    QString tnsName;
    bool needsPassword = false;
    if (!ReadLogin(tnsName, needsPassword)) return false;
    const CTypedLogin typed{userName_->text(), password_, tnsName};
    if (needsPassword && !CheckTypedPassword(this, typed)) return false;
    const std::string root = drive.isEmpty() ? std::string() : ko::DriveRoot(drives_, drive.at(0).toLatin1());
    if (root.empty()) {
        ShowStop(this, "There is no UDS drive " + drive + ".");
        return false;
    }

    auto agent = std::make_shared<ko::CDataAgentOtl>();
    agent->SetTnsName(tnsName.toStdString());
    agent->SetUDSDrive(root);
    bool loggedIn = false;
    {
        CStatusProgress progress;
        progress.Show("Logging in to " + tnsName);
        loggedIn = agent->Login(userName_->text().toStdString(), password_->text().toStdString());
    }
    const QString message = QString::fromStdString(agent->GetLastError());
    if (!loggedIn) {
        HandleLoginMessage(this, message, typed);
        return false;
    }
    if (message.contains("28002")) HandleLoginMessage(this, message, typed);
    CSourceProfile::AddPath(CSourceProfile::kTnsSection, tnsName);
    result_.agent = agent;
    result_.storeRoot = false;
    return true;
}

void CSourceSelection::ChangePassword()
{
    CChangePassword dialog(userName_->text(), password_->text(), TnsName(), this);
    if (RunModal(dialog) == QDialog::Accepted) password_->setText(dialog.NewPassword());
}

// Unpacking runs in-process, so no temporary directory is needed.
bool CSourceSelection::ApplyWeb()
{
    ko::CWebOptions options;
    options.caFile = LocalPath(caFile_->text().trimmed());
    options.insecure = insecure_->isChecked();
    auto agent = std::make_shared<ko::CDataAgentWeb>(options);
    agent->SetServerURL(serverURL_->text().trimmed().toStdString());
    QStatusBar* bar = MainStatusBar();
    if (bar) agent->SetStatusSink(StatusLineSink(bar));
    if (!agent->Connect()) {
        ShowStop(this, "KORVA Web Connection Error: \n" + QString::fromStdString(agent->GetLastError()));
        return false;
    }
    CSourceProfile::SetWebURL(serverURL_->text().trimmed());
    CSourceProfile::SetCAFile(caFile_->text().trimmed());
    CSourceProfile::SetInsecure(options.insecure);
    if (bar) ShowInsecure(bar, options.insecure);
    result_.agent = agent;
    result_.storeRoot = false;
    return true;
}

bool CSourceSelection::ApplyLocalFiles()
{
    const bool zip = zipData_->isChecked();
    const QString path = directory_->currentText().trimmed();
    const QFileInfo info(path);
    if (zip ? !info.isFile() : !info.isDir()) {
        ShowExclamation(this, (zip ? "Invalid Path and File: " : "Invalid Path: ") + path);
        return false;
    }
    CSourceProfile::AddPath(zip ? CSourceProfile::kZipDataSection : CSourceProfile::kFileDataSection, path);
    auto agent = std::make_shared<ko::CDataAgentFile>();
    bool storeRoot = false;
    if (!SetupFileAgent(*agent, path, storeRoot)) {
        ShowExclamation(this,
                        QString::fromStdString(agent->GetLastError()) +
                            (zip ? "  Please choose a valid zip file." : "  Please choose a valid path."));
        return false;
    }
    if (!LoadFirstTest(*agent, path, storeRoot)) return false;
    result_.agent = agent;
    result_.storeRoot = storeRoot;
    return true;
}

bool CSourceSelection::SetupFileAgent(ko::CDataAgentFile& agent, const QString& path, bool& storeRoot)
{
    if (zipData_->isChecked()) return agent.SetZipFile(LocalPath(path));
    storeRoot = !ko::HoldsTestFile(LocalPath(path));
    return storeRoot ? agent.SetStoreRoot(LocalPath(path)) : agent.SetChosenDirectory(LocalPath(path));
}

// A test directory or archive loads its test now; a store root must hold tests
// of the chosen database, which the batch dialog then lists.
bool CSourceSelection::LoadFirstTest(ko::CDataAgentFile& agent, const QString& path, bool storeRoot)
{
    const ko::TestKind kind = ChosenKind();
    if (!storeRoot) {
        if (agent.LoadTest(kind)) return true;
        ShowStop(this, QString::fromStdString(agent.GetLastError()));
        return false;
    }
    std::vector<int> numbers;
    if (!agent.GetStoreTestNumbers(kind, numbers)) {
        ShowStop(this, QString::fromStdString(agent.GetLastError()));
        return false;
    }
    if (numbers.empty()) {
        ShowStop(this, "No " + DatabaseEntryText(kind) + " test was found in: " + path);
        return false;
    }
    return true;
}

}  // namespace kores
