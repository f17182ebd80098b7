// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include "document/truncate_window.h"

class QCheckBox;
class QLineEdit;

namespace kores {

// "Set Signal Truncate Interval": the minimum and maximum time the signals
// are cut to, each with its own check box.
class CTruncateDlg : public QDialog {
    Q_OBJECT

public:
    explicit CTruncateDlg(QWidget* parent = nullptr);

    void SetMinTime(double time, bool enabled);
    void SetMaxTime(double time, bool enabled);
    const ko::CTruncateBounds& GetBounds() const { return bounds_; }

    QCheckBox& AllBox() const { return *all_; }
    QCheckBox& MinBox() const { return *minBox_; }
    QCheckBox& MaxBox() const { return *maxBox_; }
    QLineEdit& MinEdit() const { return *minEdit_; }
    QLineEdit& MaxEdit() const { return *maxEdit_; }

    void accept() override;
    void reject() override;

private:
    void ShowBounds();
    void ToggleAll(bool checked);
    void ToggleBound(bool checked, QLineEdit& edit, bool& enabled, double& value);

    QCheckBox* all_;
    QCheckBox* minBox_;
    QCheckBox* maxBox_;
    QLineEdit* minEdit_;
    QLineEdit* maxEdit_;
    ko::CTruncateBounds bounds_;
};

}  // namespace kores
