// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/time_zero_dialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "analysis/peak.h"
#include "core/number_text.h"
#include "core/signal.h"
#include "document/typed_number.h"
#include "grid/grid_ctrl.h"

namespace kores {

namespace {

QString Text(const std::string& text)
{
    return QString::fromStdString(text);
}

// A tenth of the reference's peak, crossed in the peak's direction.
double ProposedThreshold(const ko::CNSignal& reference)
{
    try {
        return 0.1 * ko::Peak(reference).value;
    } catch (const std::exception&) {
        return 0.0;
    }
}

}  // namespace

CTimeZeroDlg::CTimeZeroDlg(const ko::CSignalList& signals, QWidget* parent)
    : QDialog(parent),
      signals_(signals),
      threshold_(new QRadioButton("First crossing of a threshold", this)),
      correlation_(new QRadioButton("Cross-correlation lag to the reference", this)),
      thresholdEdit_(new QLineEdit(this)),
      maxLagEdit_(new QLineEdit(this)),
      reference_(new QComboBox(this)),
      grid_(new CGridCtrl(this)),
      problem_(new QLabel(this)),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this))
{
    setWindowTitle("Align Signals");
    auto* methods = new QButtonGroup(this);
    methods->addButton(threshold_);
    methods->addButton(correlation_);
    threshold_->setChecked(true);
    for (const auto& signal : signals_) reference_->addItem(Text(ko::SubsetLabel(*signal)));
    const std::string units = signals_.empty() ? std::string() : signals_.front()->GetYUNITS();
    if (!signals_.empty())
        thresholdEdit_->setText(Text(ko::GeneralText(ProposedThreshold(*signals_.front()))));
    maxLagEdit_->setText(Text(ko::GeneralText(rule_.maxLag * 1000.0)));
    thresholdEdit_->setToolTip("A negative threshold is crossed downwards");
    problem_->setWordWrap(true);
    problem_->setStyleSheet("color: darkred");
    grid_->SetColumns({{"Test", 160, ESortKind::Text},
                       {"Shift (steps)", 90, ESortKind::Number},
                       {"Shift (ms)", 90, ESortKind::Number},
                       {"Note", 260, ESortKind::Text}});
    grid_->setMinimumSize(520, 180);
    grid_->horizontalHeader()->setStretchLastSection(true);

    auto* form = new QGridLayout;
    form->addWidget(new QLabel("Reference test:", this), 0, 0);
    form->addWidget(reference_, 0, 1, 1, 2);
    form->addWidget(threshold_, 1, 0);
    form->addWidget(thresholdEdit_, 1, 1);
    form->addWidget(new QLabel(Text(units), this), 1, 2);
    form->addWidget(correlation_, 2, 0);
    form->addWidget(maxLagEdit_, 2, 1);
    form->addWidget(new QLabel("ms largest shift", this), 2, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(grid_, 1);
    layout->addWidget(problem_);
    layout->addWidget(buttons_);

    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(methods, &QButtonGroup::buttonToggled, this, [this](QAbstractButton*, bool on) {
        if (on) ShowShifts();
    });
    connect(reference_, &QComboBox::currentIndexChanged, this, &CTimeZeroDlg::ShowShifts);
    connect(thresholdEdit_, &QLineEdit::editingFinished, this, &CTimeZeroDlg::ShowShifts);
    connect(maxLagEdit_, &QLineEdit::editingFinished, this, &CTimeZeroDlg::ShowShifts);
    ShowShifts();
}

void CTimeZeroDlg::ShowShifts()
{
    const bool byThreshold = threshold_->isChecked();
    thresholdEdit_->setEnabled(byThreshold);
    maxLagEdit_->setEnabled(!byThreshold);
    rule_.method = byThreshold ? ko::CTimeZeroMethod::Threshold : ko::CTimeZeroMethod::CrossCorrelation;
    rule_.reference = static_cast<std::size_t>(std::max(reference_->currentIndex(), 0));
    shifts_.clear();
    grid_->Model().DeleteAllRows();
    QString problem;
    const auto threshold = ko::ParseTypedDouble(thresholdEdit_->text().toStdString());
    const auto maxLag = ko::ParseTypedDouble(maxLagEdit_->text().toStdString());
    if (byThreshold && !threshold)
        problem = "The threshold is no number.";
    else if (!byThreshold && !maxLag)
        problem = "The largest shift is no number.";
    if (threshold) rule_.threshold = *threshold;
    if (maxLag) rule_.maxLag = *maxLag / 1000.0;
    if (problem.isEmpty()) {
        try {
            shifts_ = ko::TimeZeroShifts(signals_, rule_);
        } catch (const std::exception& error) {
            problem = Text(error.what());
        }
    }
    for (std::size_t i = 0; i < shifts_.size(); ++i) {
        const ko::CTimeShift& shift = shifts_[i];
        const bool shifted = shift.failure.empty();
        grid_->Model().AppendRow(
            {Text(ko::SubsetLabel(*signals_[i])), shifted ? QString::number(shift.steps) : QString(),
             shifted ? Text(ko::WithoutNegativeZero(ko::FixedText(shift.seconds * 1000.0, 3))) : QString(),
             i == rule_.reference ? QString("reference") : Text(shift.failure)});
    }
    problem_->setText(problem);
    problem_->setVisible(!problem.isEmpty());
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(problem.isEmpty() && !shifts_.empty());
}

}  // namespace kores
