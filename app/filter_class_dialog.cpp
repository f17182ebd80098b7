// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/filter_class_dialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/dialog_runner.h"
#include "document/filter_choice.h"

namespace kores {

namespace {

constexpr std::array<const char*, 5> kClassTexts{"CFC 60", "CFC 180", "CFC 600", "CFC 1000", "CFC Unknown"};

std::size_t ClassIndex(int cfc)
{
    for (std::size_t i = 0; i < ko::kChoiceClasses.size(); ++i)
        if (ko::kChoiceClasses[i] == cfc) return i;
    return ko::kChoiceClasses.size() - 1;
}

}  // namespace

CFilterClass::CFilterClass(bool offerCutoff, QWidget* parent)
    : QDialog(parent),
      cutoffButton_(new QRadioButton("Select Cutoff Frequency", this)),
      cutoffEdit_(new QLineEdit(this)),
      caption_(new QLabel(this)),
      offerCutoff_(offerCutoff)
{
    setWindowTitle("Select Filter Class");
    auto* group = new QButtonGroup(this);
    auto* grid = new QGridLayout;
    for (std::size_t i = 0; i < classButtons_.size(); ++i) {
        classButtons_[i] = new QRadioButton(kClassTexts[i], this);
        classLabels_[i] = new QLabel("Filtered At", this);
        classLabels_[i]->hide();
        group->addButton(classButtons_[i]);
        grid->addWidget(classButtons_[i], static_cast<int>(i), 0);
        grid->addWidget(classLabels_[i], static_cast<int>(i), 1);
        const int cfc = ko::kChoiceClasses[i];
        connect(classButtons_[i], &QRadioButton::clicked, this, [this, cfc] { ChooseClass(cfc); });
    }
    group->addButton(cutoffButton_);
    grid->addWidget(cutoffButton_, 5, 0);
    grid->addWidget(cutoffEdit_, 5, 1);
    connect(cutoffButton_, &QRadioButton::clicked, this, &CFilterClass::ChooseCutoff);
    cutoffEdit_->setEnabled(false);
    cutoffButton_->setVisible(offerCutoff);
    cutoffEdit_->setVisible(offerCutoff);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CFilterClass::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption_);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

int CFilterClass::DoModal(const ko::CSignalList& signals, int mode)
{
    mode_ = mode;
    ShowState(signals);
    return RunModal(*this);
}

void CFilterClass::ShowState(const ko::CSignalList& signals)
{
    const ko::CFilterState state = ko::FilterStateOf(signals);
    presentClass_ = state.present;
    submittedClass_ = state.submitted.value_or(ko::kClassUnknown);
    const std::size_t present = ClassIndex(presentClass_);
    for (std::size_t i = 0; i < classButtons_.size(); ++i) {
        classButtons_[i]->setEnabled(ko::ClassChoosable(ko::kChoiceClasses[i], presentClass_));
        classLabels_[i]->setText("Filtered At");
        classLabels_[i]->setVisible(i == present && ko::ShowsFilteredAt(presentClass_));
    }
    classButtons_[present]->setChecked(true);
    ChooseClass(ko::kChoiceClasses[present]);
    if (state.submitted) {
        QLabel* submitted = classLabels_[ClassIndex(*state.submitted)];
        submitted->setText("As Submitted");
        submitted->show();
    }
    caption_->setText(QString::fromStdString(ko::FilterCaption(signals)));
}

void CFilterClass::ChooseClass(int cfc)
{
    chosenClass_ = cfc;
    cutoffEdit_->setEnabled(false);
}

void CFilterClass::ChooseCutoff()
{
    cutoffEdit_->setEnabled(true);
    cutoffEdit_->setFocus();
}

void CFilterClass::accept()
{
    if (offerCutoff_ && cutoffButton_->isChecked()) {
        const auto frequency = ko::CutoffFrequency(cutoffEdit_->text().toStdString());
        if (!frequency) {
            cutoffButton_->setFocus();
            return;
        }
        cutoff_ = *frequency;
        cutoffChosen_ = true;
    } else {
        cutoffChosen_ = false;
    }
    QDialog::accept();
}

}  // namespace kores
