// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <cstdint>

class QLineEdit;
class QRadioButton;

namespace kores {

// "Select Time Step or Number of Points": the time step or the number of
// points the signals are resampled to.
class CResampleDlg : public QDialog {
    Q_OBJECT

public:
    explicit CResampleDlg(QWidget* parent = nullptr);

    void SetNumberOfPoints(std::int32_t points);
    void SetTimeStep(double step);
    double GetTimeStep() const { return timeStep_; }
    std::int32_t GetNumberOfPoints() const { return points_; }
    bool IsPointsChosen() const;

    QRadioButton& StepButton() const { return *stepButton_; }
    QRadioButton& PointsButton() const { return *pointsButton_; }
    QLineEdit& StepEdit() const { return *stepEdit_; }
    QLineEdit& PointsEdit() const { return *pointsEdit_; }

    void accept() override;

private:
    void Choose(bool points);

    QRadioButton* stepButton_;
    QRadioButton* pointsButton_;
    QLineEdit* stepEdit_;
    QLineEdit* pointsEdit_;
    double timeStep_ = 0.0;
    std::int32_t points_ = 0;
};

}  // namespace kores
