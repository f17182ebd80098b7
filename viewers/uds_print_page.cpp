// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewers/uds_print_page.h"

#include <QButtonGroup>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <ctime>

#include "core/atomic_file.h"
#include "document/save_file.h"
#include "document/signal_output.h"
#include "document/uds_save.h"
#include "printing/print_job.h"
#include "viewers/viewer_prompts.h"

namespace kores {

namespace {

constexpr const char* kDataExtension = ".txt";
constexpr std::size_t kOneColumnLines = 6;

std::tm Today()
{
    const QDate today = QDate::currentDate();
    std::tm date{};
    date.tm_year = today.year() - 1900;
    date.tm_mon = today.month() - 1;
    date.tm_mday = today.day();
    return date;
}

void Tell(QWidget* parent, const QString& text)
{
    ViewerPrompts().message(parent, QMessageBox::Warning, text);
}

}  // namespace

CPrintDocument ReportDocument(const ko::CReportText& report)
{
    CPrintDocument document;
    document.title = QString::fromStdString(report.title);
    for (const std::string& line : report.heading) document.heading << QString::fromStdString(line);
    for (const ko::CReportBlock& block : report.blocks) {
        std::vector<QStringList> cells;
        for (const std::string& line : block.lines) {
            const QString text = QString::fromStdString(line);
            const int colon = text.indexOf(':');
            cells.push_back(colon < 0 ? QStringList{text, {}}
                                      : QStringList{text.left(colon + 1), text.mid(colon + 1).trimmed()});
        }
        CPrintTable table;
        table.title = QString::fromStdString(block.title);
        // A long block reads down two label and value columns, so a report fits one page.
        const std::size_t half = cells.size() > kOneColumnLines ? (cells.size() + 1) / 2 : cells.size();
        for (std::size_t i = 0; i < half; ++i) {
            QStringList row = cells[i];
            if (i + half < cells.size()) row += cells[i + half];
            table.rows.push_back(row);
        }
        document.tables.push_back(std::move(table));
    }
    return document;
}

CPrintPreviewer::CPrintPreviewer(QWidget* parent) : QWidget(parent)
{
    preview_ = new QPushButton("Preview", this);
    print_ = new QPushButton("Print", this);
    auto* reports = new QGroupBox("Reports", this);
    spec_ = new QRadioButton("Spec", reports);
    full_ = new QRadioButton("Full", reports);
    spec_->setChecked(true);
    auto* reportLayout = new QHBoxLayout(reports);
    reportLayout->addWidget(spec_);
    reportLayout->addWidget(full_);
    auto* saves = new QGroupBox("Save XY/Y", this);
    xy_ = new QRadioButton("XY Data", saves);
    y_ = new QRadioButton("Y Data", saves);
    save_ = new QPushButton("Save", saves);
    // Neither form is chosen until the user picks one.
    auto* forms = new QButtonGroup(this);
    forms->addButton(xy_);
    forms->addButton(y_);
    auto* saveLayout = new QHBoxLayout(saves);
    saveLayout->addWidget(xy_);
    saveLayout->addWidget(y_);
    saveLayout->addWidget(save_);
    text_ = new QPlainTextEdit(this);
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* row = new QHBoxLayout;
    row->addWidget(preview_);
    row->addWidget(print_);
    row->addWidget(reports);
    row->addWidget(saves);
    row->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(text_, 1);
    connect(preview_, &QPushButton::clicked, this, &CPrintPreviewer::Preview);
    connect(print_, &QPushButton::clicked, this, &CPrintPreviewer::Print);
    connect(save_, &QPushButton::clicked, this, &CPrintPreviewer::SaveData);
    connect(spec_, &QRadioButton::toggled, this, &CPrintPreviewer::ShowReport);
}

void CPrintPreviewer::SetSignal(std::shared_ptr<ko::CNSignal> signal)
{
    signal_ = std::move(signal);
    ShowReport();
}

ko::UDSReportKind CPrintPreviewer::ReportKind() const
{
    return full_->isChecked() ? ko::UDSReportKind::Full : ko::UDSReportKind::Specification;
}

CPrintDocument CPrintPreviewer::Report() const
{
    if (!signal_) return {};
    return ReportDocument(ko::UDSReport(*signal_, ReportKind(), Today()));
}

void CPrintPreviewer::ShowReport()
{
    const bool shown = signal_ != nullptr;
    for (QWidget* control :
         {static_cast<QWidget*>(preview_), static_cast<QWidget*>(print_), static_cast<QWidget*>(save_)})
        control->setEnabled(shown);
    text_->setPlainText(
        shown ? QString::fromStdString(ko::ReportPlainText(ko::UDSReport(*signal_, ReportKind(), Today())))
              : QString());
}

void CPrintPreviewer::Preview()
{
    if (signal_) PreviewDocument(Report(), "UDSDialog Print Preview", this);
}

void CPrintPreviewer::Print()
{
    if (!signal_) return;
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrintDialog dialog(printer.get(), this);
    if (dialog.exec() != QDialog::Accepted) return;
    auto* job = new CPrintJob(std::move(printer), Report(), this);
    connect(job, &CPrintJob::Finished, this, [this, job](int pages) {
        if (pages == 0) Tell(this, "Failure to print the report.");
        job->deleteLater();
    });
    job->Start();
}

void CPrintPreviewer::SaveData()
{
    if (!signal_) return;
    if (!xy_->isChecked() && !y_->isChecked()) {
        Tell(this, "Check Radio Button X or XY");
        return;
    }
    const std::string proposed = ko::ProposedTextName(*signal_);
    const QString filter = QString("ASCI Files (*%1);;All Files (*.*)").arg(kDataExtension);
    const QString path =
        ViewerPrompts().saveName(this, "Save XY/Y", QString::fromStdString(proposed), filter);
    if (!path.isEmpty()) SaveTo(path, xy_->isChecked());
}

void CPrintPreviewer::SaveTo(const QString& path, bool withX)
{
    const QFileInfo target(path);
    const QString folder = target.absolutePath();
    if (!QFileInfo(folder).isDir()) {
        Tell(this, "Invalid Path:\n" + folder);
        return;
    }
    if (!QFileInfo(folder).isWritable()) {
        Tell(this, "The folder " + folder + " is read-only:\n" + target.fileName() + " was not saved.");
        return;
    }
    const std::string file = target.absoluteFilePath().toStdString();
    const ko::CTarget state = ko::TargetState(file, ko::InputFiles({signal_}));
    if (state == ko::CTarget::Input) {
        Tell(this, path + "\nholds the signal's data and is not replaced.");
        return;
    }
    ko::CReplace replace = ko::CReplace::Never;
    if (state == ko::CTarget::Exists) {
        if (!ViewerPrompts().askYes(this, path + " already exists.\nDo you want to replace it?")) return;
        replace = ko::CReplace::Allowed;
    }
    try {
        const std::string text = ko::SignalDataText(*signal_, withX);
        ko::SaveFile(file, replace,
                     [&](const std::string& staged) { ko::WriteFileAtomically(staged, text); });
    } catch (const std::exception& error) {
        Tell(this, QString::fromStdString(error.what()) + "\n" + target.fileName() + " was not saved.");
    }
}

}  // namespace kores
