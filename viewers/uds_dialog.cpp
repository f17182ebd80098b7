// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewers/uds_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/signal.h"
#include "viewers/uds_print_page.h"
#include "viewers/viewer_prompts.h"

namespace kores {

namespace {

// The class names the pages go by (object names, for tests and style sheets).
const char* PageName(const QString& title)
{
    static const std::vector<std::pair<QString, const char*>> names{
        {"Test", "CUDSTestDialog"},
        {"Vehicle", "CUDSVehDialog"},
        {"Vehicle1", "CUdsVeh1Dialog"},
        {"Vehicle2", "CUdsVeh2Dialog"},
        {"Occupant", "CUDSOCCDialog"},
        {"Occupant 1", "CUdsOcc1Dialog"},
        {"Occupant 2", "CUdsOcc2Dialog"},
        {"Occupant Injury", "CUdsOccupantInjuryDialog"},
        {"Curve", "CUDSCurveDialog"},
        {"Curve Data", "CUdsCurveDataDialog"},
        {"Sensor Info", "CUdsSensorInfoDialog"},
        {"Curve-User", "CUdsCurveUserDialog"}};
    for (const auto& [page, name] : names)
        if (page == title) return name;
    return "";
}

}  // namespace

CChildPropertyPage::CChildPropertyPage(const ko::CUDSSubPage& page, QWidget* parent)
    : QWidget(parent), page_(page)
{
    auto* layout = new QVBoxLayout(this);
    absent_ = new QLabel(this);
    absent_->hide();
    layout->addWidget(absent_);
    auto* groups = new QHBoxLayout;
    for (const ko::CUDSPageGroup& group : page.groups) {
        auto* box = new QGroupBox(group.title, this);
        auto* form = new QFormLayout(box);
        for (const ko::CUDSPageField& field : group.fields) {
            auto* edit = new QLineEdit(box);
            edit->setReadOnly(true);
            edit->setObjectName(field.field);
            form->addRow(field.label, edit);
            edits_.emplace_back(field.field, edit);
        }
        groups->addWidget(box, 1);
    }
    layout->addLayout(groups);
    layout->addStretch(1);
}

void CChildPropertyPage::Show(const ko::CNSignal* signal)
{
    const bool present = signal && ko::UDSSubPagePresent(*signal, page_);
    absent_->setText(QString("This file has no %1 group.").arg(page_.groups.front().title));
    absent_->setVisible(signal && !present);
    for (const auto& [field, edit] : edits_) {
        edit->setText(present ? QString::fromStdString(ko::UDSFieldText(*signal, field)) : QString());
        edit->setCursorPosition(0);
    }
}

CUDSDialog::CUDSDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle("UDS File Specification");
    resize(720, 520);
    pages_ = new QTabWidget(this);
    for (const ko::CUDSPage& page : ko::UDSPages()) pages_->addTab(CreatePage(page), page.title);
    printPage_ = new CPrintPreviewer(pages_);
    printPage_->setObjectName("CPrintPreviewer");
    pages_->addTab(printPage_, "Print Preview");

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* help = buttons->addButton("Help", QDialogButtonBox::HelpRole);
    QPushButton* apply = buttons->addButton("APPLY", QDialogButtonBox::AcceptRole);
    buttons->addButton("Cancel", QDialogButtonBox::RejectRole);
    apply->setToolTip("The header fields are shown read-only; APPLY closes the dialog.");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] {
        ViewerPrompts().message(this, QMessageBox::Information,
                                "The pages show the UDS-1992 header of one plotted signal at a time; the "
                                "arrows step through the signals. Print Preview prints the Spec or Full "
                                "report and saves the data as XY or Y text.");
    });
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(CreateStepper());
    bottom->addStretch(1);
    bottom->addWidget(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_, 1);
    layout->addLayout(bottom);
}

QWidget* CUDSDialog::CreatePage(const ko::CUDSPage& page)
{
    const auto sub = [this](const ko::CUDSSubPage& subPage, QWidget* parent) {
        auto* widget = new CChildPropertyPage(subPage, parent);
        widget->setObjectName(PageName(subPage.title));
        subPages_.push_back(widget);
        return widget;
    };
    if (page.subPages.size() == 1) {
        QWidget* widget = sub(page.subPages.front(), pages_);
        widget->setObjectName(PageName(page.title));
        return widget;
    }
    auto* tabs = new QTabWidget(pages_);
    tabs->setObjectName(PageName(page.title));
    for (const ko::CUDSSubPage& subPage : page.subPages) tabs->addTab(sub(subPage, tabs), subPage.title);
    return tabs;
}

QWidget* CUDSDialog::CreateStepper()
{
    auto* stepper = new QWidget(this);
    spin_ = new QSpinBox(stepper);
    spin_->setRange(1, 1);
    count_ = new QLineEdit(stepper);
    count_->setReadOnly(true);
    count_->setMaximumWidth(60);
    auto* layout = new QHBoxLayout(stepper);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(spin_);
    layout->addWidget(new QLabel("Of", stepper));
    layout->addWidget(count_);
    connect(spin_, &QSpinBox::valueChanged, this, [this](int value) { ShowSignal(value - 1); });
    return stepper;
}

void CUDSDialog::SetSignals(std::vector<std::shared_ptr<ko::CNSignal>> signals)
{
    signals_ = std::move(signals);
    const int count = static_cast<int>(signals_.size());
    count_->setText(QString::number(count));
    const QSignalBlocker block(spin_);
    spin_->setRange(count > 0 ? 1 : 0, count);
    spin_->setValue(count > 0 ? 1 : 0);
    shown_.reset();
    if (count > 0)
        ShowSignal(0);
    else
        for (CChildPropertyPage* page : subPages_) page->Show(nullptr);
}

void CUDSDialog::ShowSignal(int index)
{
    if (index < 0 || index >= static_cast<int>(signals_.size())) return;
    shown_ = signals_[static_cast<std::size_t>(index)];
    if (spin_->value() != index + 1) {
        const QSignalBlocker block(spin_);
        spin_->setValue(index + 1);
    }
    for (CChildPropertyPage* page : subPages_) page->Show(shown_.get());
    if (!shown_->GetFileName().empty())
        setWindowTitle(kTitlePrefix + QString::fromStdString(shown_->GetFileName()));
    printPage_->SetSignal(shown_);
}

QLineEdit* CUDSDialog::FieldEdit(const QString& field) const
{
    return pages_->findChild<QLineEdit*>(field);
}

}  // namespace kores
