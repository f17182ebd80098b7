// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <array>

#include "document/plot_data.h"

class QLabel;
class QLineEdit;
class QRadioButton;

namespace kores {

// "Select Filter Class": the class the current signals are filtered at, the
// lower classes to filter them down to and, when offered, a free cut-off
// frequency.
class CFilterClass : public QDialog {
    Q_OBJECT

public:
    explicit CFilterClass(bool offerCutoff = true, QWidget* parent = nullptr);

    // Shows the signals' filter state and runs the dialog; its result.
    int DoModal(const ko::CSignalList& signals, int mode);

    bool IsCutoffChosen() const { return cutoffChosen_; }
    double GetCutoffFrequency() const { return cutoff_; }
    // 60, 180, 600 or 1000; 1001 when "CFC Unknown" stays chosen.
    int GetChosenClass() const { return chosenClass_; }
    int GetPresentClass() const { return presentClass_; }

    // The button and the label of a class of kChoiceClasses, by position.
    QRadioButton& ClassButton(std::size_t index) const { return *classButtons_[index]; }
    QLabel& ClassLabel(std::size_t index) const { return *classLabels_[index]; }
    QRadioButton& CutoffButton() const { return *cutoffButton_; }
    QLineEdit& CutoffEdit() const { return *cutoffEdit_; }
    QLabel& Caption() const { return *caption_; }

    void accept() override;

private:
    void ShowState(const ko::CSignalList& signals);
    void ChooseClass(int cfc);
    void ChooseCutoff();

    std::array<QRadioButton*, 5> classButtons_{};
    std::array<QLabel*, 5> classLabels_{};
    QRadioButton* cutoffButton_;
    QLineEdit* cutoffEdit_;
    QLabel* caption_;
    int presentClass_ = 1001;
    int submittedClass_ = 1001;
    int mode_ = 0;
    int chosenClass_ = 1000;
    double cutoff_ = 0.0;
    bool offerCutoff_;
    bool cutoffChosen_ = false;
};

}  // namespace kores
