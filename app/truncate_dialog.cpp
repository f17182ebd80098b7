// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/truncate_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/number_text.h"

namespace kores {

namespace {

QString TimeText(double time)
{
    return QString::fromStdString(ko::GeneralText(time, 12));
}

}  // namespace

CTruncateDlg::CTruncateDlg(QWidget* parent)
    : QDialog(parent),
      all_(new QCheckBox("Truncate Series Data for ALL Signals", this)),
      minBox_(new QCheckBox("Min Time (sec)", this)),
      maxBox_(new QCheckBox("Max Time (sec)", this)),
      minEdit_(new QLineEdit(this)),
      maxEdit_(new QLineEdit(this))
{
    setWindowTitle("Set Signal Truncate Interval");
    minEdit_->setToolTip("Please enter min value before the max value.");
    maxEdit_->setToolTip("Please enter max value after the min value.");
    connect(all_, &QCheckBox::clicked, this, &CTruncateDlg::ToggleAll);
    connect(minBox_, &QCheckBox::clicked, this,
            [this](bool on) { ToggleBound(on, *minEdit_, bounds_.minEnabled, bounds_.min); });
    connect(maxBox_, &QCheckBox::clicked, this,
            [this](bool on) { ToggleBound(on, *maxEdit_, bounds_.maxEnabled, bounds_.max); });

    auto* grid = new QGridLayout;
    grid->addWidget(all_, 0, 0, 1, 2);
    grid->addWidget(minBox_, 1, 0);
    grid->addWidget(minEdit_, 1, 1);
    grid->addWidget(maxBox_, 2, 0);
    grid->addWidget(maxEdit_, 2, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CTruncateDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CTruncateDlg::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ShowBounds();
}

void CTruncateDlg::SetMinTime(double time, bool enabled)
{
    bounds_.min = time;
    bounds_.minEnabled = enabled;
    ShowBounds();
}

void CTruncateDlg::SetMaxTime(double time, bool enabled)
{
    bounds_.max = time;
    bounds_.maxEnabled = enabled;
    ShowBounds();
}

void CTruncateDlg::ShowBounds()
{
    const bool any = bounds_.minEnabled || bounds_.maxEnabled;
    all_->setChecked(any);
    const auto show = [any](QCheckBox& box, QLineEdit& edit, bool enabled, double value) {
        box.setChecked(any && enabled);
        box.setEnabled(any && enabled);
        edit.setEnabled(any && enabled);
        edit.setText(any && enabled ? TimeText(value) : QString());
    };
    show(*minBox_, *minEdit_, bounds_.minEnabled, bounds_.min);
    show(*maxBox_, *maxEdit_, bounds_.maxEnabled, bounds_.max);
}

void CTruncateDlg::ToggleAll(bool checked)
{
    minBox_->setEnabled(checked);
    maxBox_->setEnabled(checked);
    if (checked) {
        minEdit_->setEnabled(minBox_->isChecked());
        maxEdit_->setEnabled(maxBox_->isChecked());
        return;
    }
    for (QCheckBox* box : {minBox_, maxBox_}) box->setChecked(false);
    for (QLineEdit* edit : {minEdit_, maxEdit_}) {
        edit->clear();
        edit->setEnabled(false);
    }
    bounds_ = {};
}

void CTruncateDlg::ToggleBound(bool checked, QLineEdit& edit, bool& enabled, double& value)
{
    edit.setEnabled(checked);
    enabled = checked;
    if (checked) {
        edit.setFocus();
        return;
    }
    edit.clear();
    value = 0.0;
}

void CTruncateDlg::accept()
{
    if (bounds_.minEnabled) bounds_.min = ko::BoundValue(minEdit_->text().toStdString());
    if (bounds_.maxEnabled) bounds_.max = ko::BoundValue(maxEdit_->text().toStdString());
    QDialog::accept();
}

void CTruncateDlg::reject()
{
    bounds_ = {};
    QDialog::reject();
}

}  // namespace kores
