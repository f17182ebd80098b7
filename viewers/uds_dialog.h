// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <memory>
#include <vector>

#include "document/uds_pages.h"

class QLabel;
class QLineEdit;
class QSpinBox;
class QTabWidget;

namespace kores {

class CPrintPreviewer;

// One page of the UDS viewer: the read-only fields of a header group, each
// edit named by its UDS field. A group the shown file lacks says so above
// its empty fields.
class CChildPropertyPage : public QWidget {
    Q_OBJECT

public:
    CChildPropertyPage(const ko::CUDSSubPage& page, QWidget* parent = nullptr);
    void Show(const ko::CNSignal* signal);
    QLabel& AbsentNote() const { return *absent_; }

private:
    const ko::CUDSSubPage& page_;
    std::vector<std::pair<const char*, QLineEdit*>> edits_;
    QLabel* absent_ = nullptr;
};

// "UDS File Specification": the UDS-1992 header of each signal handed over,
// one at a time on the pages "Test", "Vehicle", "Occupant", "Curve" and
// "Print Preview", stepped through with the spin control.
class CUDSDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr const char* kTitlePrefix = "UDS File Specification - ";

    explicit CUDSDialog(QWidget* parent = nullptr);

    // The first signal becomes the shown one.
    void SetSignals(std::vector<std::shared_ptr<ko::CNSignal>> signals);
    // Shows the signal of that index (from 0); nothing for an index out of range.
    void ShowSignal(int index);
    const std::shared_ptr<ko::CNSignal>& Shown() const { return shown_; }

    // The edit of a UDS field on its page (for example "TSTNO", "Make2").
    QLineEdit* FieldEdit(const QString& field) const;
    QTabWidget& Pages() const { return *pages_; }
    CPrintPreviewer& PrintPage() const { return *printPage_; }
    QSpinBox& Spin() const { return *spin_; }
    QLineEdit& Count() const { return *count_; }

private:
    QWidget* CreatePage(const ko::CUDSPage& page);
    QWidget* CreateStepper();

    std::vector<std::shared_ptr<ko::CNSignal>> signals_;
    std::shared_ptr<ko::CNSignal> shown_;
    std::vector<CChildPropertyPage*> subPages_;
    QTabWidget* pages_ = nullptr;
    CPrintPreviewer* printPage_ = nullptr;
    QSpinBox* spin_ = nullptr;
    QLineEdit* count_ = nullptr;
};

}  // namespace kores
