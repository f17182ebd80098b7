// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewers/spec_dialog.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QUrl>
#include <QVBoxLayout>

#include "core/atomic_file.h"
#include "core/failure.h"
#include "document/save_file.h"
#include "formats/ev5_biomechanics.h"
#include "formats/ev5_component.h"
#include "formats/ev5_vehicle.h"
#include "sources/data_agent.h"
#include "viewers/spec_grid.h"
#include "viewers/viewer_prompts.h"

namespace kores {

namespace {

const char* GroupTitle(ko::TestKind kind)
{
    switch (kind) {
        case ko::TestKind::Vehicle: return "Vehicle Specification";
        case ko::TestKind::Component: return "Component Specification";
        default: return "Biomechanics Specification";
    }
}

void Tell(QWidget* parent, const QString& text)
{
    ViewerPrompts().message(parent, QMessageBox::Warning, text);
}

// The shown test of the dialog's kind handed to visit; false without one.
template <class Visit>
bool VisitTest(ko::TestKind kind, int index, const std::vector<std::shared_ptr<ko::CVehicleTest>>& veh,
               const std::vector<std::shared_ptr<ko::CComTest>>& com,
               const std::vector<std::shared_ptr<ko::CBioTest>>& bio, Visit&& visit)
{
    const auto pick = [&](const auto& tests) {
        if (index < 0 || index >= static_cast<int>(tests.size())) return false;
        visit(*tests[static_cast<std::size_t>(index)]);
        return true;
    };
    switch (kind) {
        case ko::TestKind::Vehicle: return pick(veh);
        case ko::TestKind::Component: return pick(com);
        case ko::TestKind::Biomechanics: return pick(bio);
        default: return false;
    }
}

}  // namespace

CSpecification::CSpecification(QWidget* parent) : CResizeDlg(parent)
{
    setWindowTitle("Test Specification");
    resize(760, 560);
    grid_ = new CSpecificationGrid(this);
    grid_->SetMenuFiller([this](QMenu& menu) { FillMenu(menu); });
    sectionPanel_ = new QWidget(this);
    new QVBoxLayout(sectionPanel_);
    save_ = new QPushButton("Save EV5 File", this);
    media_ = new QPushButton("Open Media", this);
    media_->setToolTip("Opens the photo, report or video of the selected entry");
    spin_ = new QSpinBox(this);
    count_ = new QLineEdit(this);
    count_->setReadOnly(true);
    count_->setMaximumWidth(60);
    auto* stepper = new QHBoxLayout;
    stepper->addWidget(spin_);
    stepper->addWidget(new QLabel("Of", this));
    stepper->addWidget(count_);
    stepper->addStretch(1);
    auto* left = new QVBoxLayout;
    left->addWidget(sectionPanel_);
    left->addWidget(media_);
    left->addWidget(save_);
    left->addLayout(stepper);
    left->addStretch(1);
    note_ = new QLabel(this);
    auto* sheet = new QVBoxLayout;
    sheet->addWidget(grid_, 1);
    sheet->addWidget(note_);
    auto* body = new QHBoxLayout;
    body->addLayout(left);
    body->addLayout(sheet, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addWidget(buttons);
    connect(spin_, &QSpinBox::valueChanged, this, [this](int value) { ShowTest(value - 1); });
    connect(save_, &QPushButton::clicked, this, &CSpecification::SaveEV5);
    connect(media_, &QPushButton::clicked, this, &CSpecification::OpenMedia);
    connect(grid_, &QAbstractItemView::doubleClicked, this, [this] {
        if (ko::SpecMediaKind(section_) != ko::MediaKind::None) OpenMedia();
    });
}

void CSpecification::SetTests(std::vector<std::shared_ptr<ko::CVehicleTest>> tests)
{
    vehTests_ = std::move(tests);
    kind_ = ko::TestKind::Vehicle;
    Refresh();
}

void CSpecification::SetTests(std::vector<std::shared_ptr<ko::CComTest>> tests)
{
    comTests_ = std::move(tests);
    kind_ = ko::TestKind::Component;
    Refresh();
}

void CSpecification::SetTests(std::vector<std::shared_ptr<ko::CBioTest>> tests)
{
    bioTests_ = std::move(tests);
    kind_ = ko::TestKind::Biomechanics;
    Refresh();
}

void CSpecification::Refresh()
{
    setWindowTitle(QString::fromStdString(ko::SpecWindowTitle(kind_)));
    BuildSectionButtons();
    const int count = kind_ == ko::TestKind::Vehicle     ? static_cast<int>(vehTests_.size())
                      : kind_ == ko::TestKind::Component ? static_cast<int>(comTests_.size())
                                                         : static_cast<int>(bioTests_.size());
    count_->setText(QString::number(count));
    {
        const QSignalBlocker block(spin_);
        spin_->setRange(count > 0 ? 1 : 0, count);
    }
    for (QWidget* stepper : {static_cast<QWidget*>(spin_), static_cast<QWidget*>(count_)})
        stepper->setVisible(count > 1);
    for (auto& [name, button] : buttons_) button->setEnabled(count > 0);
    save_->setEnabled(count > 0);
    section_ = ko::SpecSectionNames(kind_).front();
    buttons_[section_]->setChecked(true);
    shown_ = -1;
    if (count > 0) ShowTest(0);
}

void CSpecification::BuildSectionButtons()
{
    for (auto& [name, button] : buttons_) delete button;
    buttons_.clear();
    qDeleteAll(sectionPanel_->findChildren<QGroupBox*>(QString(), Qt::FindDirectChildrenOnly));
    auto* records = new QGroupBox(GroupTitle(kind_), sectionPanel_);
    auto* media = new QGroupBox("Media Specification", sectionPanel_);
    auto* recordLayout = new QVBoxLayout(records);
    auto* mediaLayout = new QVBoxLayout(media);
    const auto add = [&](const std::string& name, QGroupBox* group, QVBoxLayout* layout) {
        auto* button = new QRadioButton(QString::fromStdString(name), group);
        button->setToolTip(QString::fromStdString(ko::SpecSectionTip(kind_, name)));
        layout->addWidget(button);
        buttons_[name] = button;
        connect(button, &QRadioButton::toggled, this, [this, name](bool on) {
            if (on) ShowSection(name);
        });
    };
    for (const std::string& name : ko::SpecSectionNames(kind_)) add(name, records, recordLayout);
    for (const std::string& name : ko::SpecMediaSectionNames()) add(name, media, mediaLayout);
    sectionPanel_->layout()->addWidget(records);
    sectionPanel_->layout()->addWidget(media);
}

QRadioButton* CSpecification::SectionButton(const std::string& section) const
{
    const auto found = buttons_.find(section);
    return found == buttons_.end() ? nullptr : found->second;
}

int CSpecification::TestNumber() const
{
    int number = 0;
    VisitTest(kind_, shown_, vehTests_, comTests_, bioTests_,
              [&](const auto& test) { number = test.GetTest() ? test.GetTest()->GetTSTNO() : 0; });
    return number;
}

void CSpecification::ShowTest(int index)
{
    if (!VisitTest(kind_, index, vehTests_, comTests_, bioTests_, [](const auto&) {})) return;
    shown_ = index;
    if (spin_->value() != index + 1) {
        const QSignalBlocker block(spin_);
        spin_->setValue(index + 1);
    }
    ShowSection(section_);
}

void CSpecification::ShowSection(const std::string& section)
{
    section_ = section;
    if (QRadioButton* button = SectionButton(section); button && !button->isChecked()) {
        const QSignalBlocker block(button);
        button->setChecked(true);
    }
    rows_ = {};
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    VisitTest(kind_, shown_, vehTests_, comTests_, bioTests_,
              [&](const auto& test) { rows_ = ko::SpecSection(test, section); });
    grid_->ShowSection(rows_);
    QGuiApplication::restoreOverrideCursor();
    media_->setEnabled(ko::SpecMediaKind(section) != ko::MediaKind::None && !rows_.records.empty());
    note_->setText(
        shown_ >= 0 && rows_.records.empty()
            ? QString("Test %1 has no %2 records.").arg(TestNumber()).arg(QString::fromStdString(section))
            : QString());
}

void CSpecification::Copy(ko::SpecCopy copy) const
{
    QApplication::clipboard()->setText(QString::fromStdString(ko::SpecCopyText(rows_, copy)));
}

bool CSpecification::SectionHasRecords(const std::string& section) const
{
    return kind_ == ko::TestKind::Vehicle && shown_ >= 0 &&
           !ko::VehicleCopyText(*vehTests_[static_cast<std::size_t>(shown_)], section).empty();
}

void CSpecification::CopyInformation(const std::string& section) const
{
    if (kind_ != ko::TestKind::Vehicle || shown_ < 0) return;
    const ko::CVehicleTest& test = *vehTests_[static_cast<std::size_t>(shown_)];
    std::string text;
    for (const std::string& name : ko::VehicleCopySections())
        if (section.empty() || name == section) text += ko::VehicleCopyText(test, name);
    QApplication::clipboard()->setText(QString::fromStdString(text));
}

void CSpecification::FillMenu(QMenu& menu)
{
    menu.addAction("Clear Copy", this, [] { QApplication::clipboard()->clear(); });
    menu.addAction("Copy All", this, [this] { Copy(ko::SpecCopy::All); });
    menu.addAction("Copy Title / Values", this, [this] { Copy(ko::SpecCopy::TitleValues); });
    menu.addSeparator();
    menu.addAction("Copy All - Pivot", this, [this] { Copy(ko::SpecCopy::AllPivot); });
    menu.addAction("Copy Title / Values - Pivot", this, [this] { Copy(ko::SpecCopy::TitleValuesPivot); });
    if (kind_ != ko::TestKind::Vehicle) return;
    menu.addSeparator();
    QMenu* information = menu.addMenu("Copy Information");
    information->addAction("Copy Information", this, [this] { CopyInformation({}); });
    for (const std::string& section : ko::VehicleCopySections()) {
        QAction* action = information->addAction(QString::fromStdString(section) + " Information", this,
                                                 [this, section] { CopyInformation(section); });
        action->setEnabled(SectionHasRecords(section));
    }
}

void CSpecification::OpenMedia()
{
    const ko::MediaKind media = ko::SpecMediaKind(section_);
    const int record = grid_->RecordOfRow(std::max(grid_->CurrentRow(), 0));
    if (media == ko::MediaKind::None || record < 0 || !agent_) return;
    const int sequence = rows_.mediaNumbers[static_cast<std::size_t>(record)];
    const int number = TestNumber();
    if (number <= 0 || sequence <= 0) return;
    if (!agent_->LoadMedia(kind_, media, static_cast<unsigned>(number), sequence)) {
        Tell(this, QString::fromStdString(agent_->GetLastError()));
        return;
    }
    const QString location = QString::fromStdString(agent_->GetMediaLocation());
    if (location.isEmpty()) return;
    const QUrl url(location);
    if (url.scheme() == "http" || url.scheme() == "https") {
        QDesktopServices::openUrl(url);
        return;
    }
    if (!QFileInfo::exists(location)) {
        Tell(this, "The media file " + location + " does not exist.");
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(location)))
        Tell(this, "No program opens " + location + ".");
}

std::string CSpecification::EV5Text() const
{
    std::string text;
    const auto write = [&](auto&& writer) {
        if (!writer.ToString(text)) throw ko::CFailure("The test has no records to write.");
    };
    switch (kind_) {
        case ko::TestKind::Vehicle:
            write(ko::CEV5Veh(vehTests_[static_cast<std::size_t>(shown_)], TestNumber()));
            break;
        case ko::TestKind::Component:
            write(ko::CEV5Com(comTests_[static_cast<std::size_t>(shown_)], TestNumber()));
            break;
        case ko::TestKind::Biomechanics:
            write(ko::CEV5Bio(bioTests_[static_cast<std::size_t>(shown_)], TestNumber()));
            break;
        default: break;
    }
    return text;
}

void CSpecification::SaveEV5()
{
    if (shown_ < 0) return;
    const QString path = ViewerPrompts().saveName(this, "Save EV5 File", QString("%1.ev5").arg(TestNumber()),
                                                  "EV5 Files (*.ev5)");
    if (path.isEmpty()) return;
    const QFileInfo target(path);
    ko::CReplace replace = ko::CReplace::Never;
    if (target.exists()) {
        if (!ViewerPrompts().askYes(this, path + " already exists.\nDo you want to replace it?")) return;
        replace = ko::CReplace::Allowed;
    }
    try {
        const std::string text = EV5Text();
        ko::SaveFile(target.absoluteFilePath().toStdString(), replace,
                     [&](const std::string& staged) { ko::WriteFileAtomically(staged, text); });
    } catch (const std::exception& error) {
        Tell(this, QString::fromStdString(error.what()) + "\n" + target.fileName() + " was not saved.");
    }
}

}  // namespace kores
