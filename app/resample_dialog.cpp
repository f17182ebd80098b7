// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/resample_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/message_box.h"
#include "core/number_text.h"
#include "document/resample_input.h"

namespace kores {

namespace {

constexpr const char* kStepTip = "Please enter a Time Step greater then zero.";
constexpr const char* kPointsTip = "Please enter the number of points greater then one.";

}  // namespace

CResampleDlg::CResampleDlg(QWidget* parent)
    : QDialog(parent),
      stepButton_(new QRadioButton("Time Step:", this)),
      pointsButton_(new QRadioButton("Number of Points:", this)),
      stepEdit_(new QLineEdit(this)),
      pointsEdit_(new QLineEdit(this))
{
    setWindowTitle("Select Time Step or Number of Points");
    stepButton_->setAutoExclusive(false);
    pointsButton_->setAutoExclusive(false);
    stepButton_->setToolTip(kStepTip);
    stepEdit_->setToolTip(kStepTip);
    pointsButton_->setToolTip(kPointsTip);
    pointsEdit_->setToolTip(kPointsTip);
    connect(stepButton_, &QRadioButton::clicked, this, [this] { Choose(false); });
    connect(pointsButton_, &QRadioButton::clicked, this, [this] { Choose(true); });

    auto* grid = new QGridLayout;
    grid->addWidget(stepButton_, 0, 0);
    grid->addWidget(stepEdit_, 0, 1);
    grid->addWidget(pointsButton_, 1, 0);
    grid->addWidget(pointsEdit_, 1, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CResampleDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    Choose(false);
}

void CResampleDlg::SetNumberOfPoints(std::int32_t points)
{
    points_ = points;
    pointsEdit_->setText(QString::number(points));
}

void CResampleDlg::SetTimeStep(double step)
{
    timeStep_ = step;
    stepEdit_->setText(QString::fromStdString(ko::GeneralText(step, 12)));
}

bool CResampleDlg::IsPointsChosen() const
{
    return pointsButton_->isChecked();
}

void CResampleDlg::Choose(bool points)
{
    stepButton_->setChecked(!points);
    pointsButton_->setChecked(points);
    stepEdit_->setEnabled(!points);
    pointsEdit_->setEnabled(points);
    (points ? pointsEdit_ : stepEdit_)->setFocus();
}

void CResampleDlg::accept()
{
    if (IsPointsChosen()) {
        const auto points = ko::CheckPointCount(pointsEdit_->text().toStdString());
        points_ = points.value;
        if (!points.Ok()) {
            ShowMessage(this, QMessageBox::NoIcon, QString::fromStdString(points.message));
            pointsEdit_->setFocus();
            return;
        }
    } else {
        const auto step = ko::CheckTimeStep(stepEdit_->text().toStdString());
        timeStep_ = step.value;
        if (!step.Ok()) {
            ShowMessage(this, QMessageBox::NoIcon, QString::fromStdString(step.message));
            stepEdit_->setFocus();
            return;
        }
    }
    QDialog::accept();
}

}  // namespace kores
