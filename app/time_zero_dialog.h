// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <vector>

#include "analysis/time_zero.h"
#include "document/plot_data.h"

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace kores {

class CGridCtrl;

// "Align Signals": the rule that brings the tests' time zeros together (the
// first crossing of a threshold, or the cross-correlation lag to a reference
// test) and the shift it gives each test, shown before anything changes.
class CTimeZeroDlg : public QDialog {
    Q_OBJECT

public:
    explicit CTimeZeroDlg(const ko::CSignalList& signals, QWidget* parent = nullptr);

    // The rule as the dialog shows it; valid after OK.
    const ko::CTimeZeroRule& GetRule() const { return rule_; }
    const std::vector<ko::CTimeShift>& GetShifts() const { return shifts_; }

    QRadioButton& ThresholdButton() const { return *threshold_; }
    QRadioButton& CorrelationButton() const { return *correlation_; }
    QLineEdit& ThresholdEdit() const { return *thresholdEdit_; }
    QLineEdit& MaxLagEdit() const { return *maxLagEdit_; }
    QComboBox& ReferenceBox() const { return *reference_; }
    CGridCtrl& ShiftGrid() const { return *grid_; }
    QLabel& Problem() const { return *problem_; }

    // Reads the rule from the controls and shows the shifts it gives.
    void ShowShifts();

private:
    const ko::CSignalList& signals_;
    ko::CTimeZeroRule rule_;
    std::vector<ko::CTimeShift> shifts_;
    QRadioButton* threshold_;
    QRadioButton* correlation_;
    QLineEdit* thresholdEdit_;
    QLineEdit* maxLagEdit_;
    QComboBox* reference_;
    CGridCtrl* grid_;
    QLabel* problem_;
    QDialogButtonBox* buttons_;
};

}  // namespace kores
