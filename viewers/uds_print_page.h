// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <memory>

#include "document/uds_report.h"
#include "printing/print_document.h"

class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace kores {

// The "Print Preview" page of the UDS specification viewer: the report of
// the shown signal ("Spec" or "Full" under "Reports") with "Preview" and
// "Print", and "Save" of its data in the form chosen under "Save XY/Y"
// ("XY Data" or "Y Data").
class CPrintPreviewer : public QWidget {
    Q_OBJECT

public:
    explicit CPrintPreviewer(QWidget* parent = nullptr);

    void SetSignal(std::shared_ptr<ko::CNSignal> signal);
    ko::UDSReportKind ReportKind() const;
    // The chosen report of the shown signal, dated today.
    CPrintDocument Report() const;

    void Preview();
    void Print();
    // Asks for a file and writes the shown signal's data as chosen; never
    // replaces a file without asking, writes through a staging file.
    void SaveData();

    QRadioButton& SpecButton() const { return *spec_; }
    QRadioButton& FullButton() const { return *full_; }
    QRadioButton& XYButton() const { return *xy_; }
    QRadioButton& YButton() const { return *y_; }
    QPushButton& SaveButton() const { return *save_; }
    QPlainTextEdit& ReportView() const { return *text_; }

private:
    void ShowReport();
    void SaveTo(const QString& path, bool withX);

    std::shared_ptr<ko::CNSignal> signal_;
    QRadioButton* spec_ = nullptr;
    QRadioButton* full_ = nullptr;
    QRadioButton* xy_ = nullptr;
    QRadioButton* y_ = nullptr;
    QPushButton* preview_ = nullptr;
    QPushButton* print_ = nullptr;
    QPushButton* save_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
};

// A report as a printed document: one table per block, label and value in two columns.
CPrintDocument ReportDocument(const ko::CReportText& report);

}  // namespace kores
