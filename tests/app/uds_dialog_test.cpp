// SPDX-License-Identifier: GPL-3.0-or-later
// The UDS specification viewer over the sample store's plotted signals: its
// pages, stepping, the reports printed to PDF and Save XY/Y.
#include "viewers/uds_dialog.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>

#include "app/command_ids.h"
#include "app/direct_start.h"
#include "app/main_frame.h"
#include "app/start_options.h"
#include "app/velder_doc.h"
#include "core/signal.h"
#include "document/document.h"
#include "printing/print_document.h"
#include "printing/print_job.h"
#include "velder_test_env.h"
#include "viewers/uds_print_page.h"
#include "viewers/viewer_prompts.h"

using namespace kores;

namespace {

// The text of a PDF file through pdftotext (poppler-utils).
QString PdfText(const QString& path)
{
    QProcess process;
    process.start("pdftotext", {"-layout", path, "-"});
    if (!process.waitForFinished(30000)) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

class UDSDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        CStartOptions options;
        options.store = SampleStoreRoot();
        options.tests = {101, 102, 103, 104};
        options.titleRow = 0;
        ASSERT_TRUE(StartDirect(frame, options).isEmpty());
        ASSERT_TRUE(frame.Action(cmd::kUdsSpecification)->isEnabled());
        dialog.reset(dynamic_cast<kores::CUDSDialog*>(frame.CreateViewer(cmd::kUdsSpecification).release()));
        ASSERT_NE(dialog, nullptr);
    }
    const ko::CSignalList& Signals() { return frame.Document().Model().GetCurrentSignals(); }
    QString Field(const char* name) { return dialog->FieldEdit(name)->text(); }

    CVelderTestEnv env;
    CMainFrame frame;
    std::unique_ptr<kores::CUDSDialog> dialog;
    std::vector<QString> told;
    QString answer;
    bool replace = false;
    kores::CViewerPromptsScope prompts{
        {[this](QWidget*, QMessageBox::Icon, const QString& text) { told.push_back(text); },
         [this](QWidget*, const QString&, const QString&, const QString&) { return answer; },
         [this](QWidget*, const QString&) { return replace; }}};
};

TEST_F(UDSDialog, PagesFollowTheShownSignalsHeader)
{
    ASSERT_GT(Signals().size(), 1u);
    EXPECT_EQ(dialog->Count().text().toInt(), static_cast<int>(Signals().size()));
    for (std::size_t i = 0; i < Signals().size(); ++i) {
        dialog->Spin().setValue(static_cast<int>(i) + 1);
        const ko::CNSignal& signal = *Signals()[i];
        EXPECT_EQ(dialog->Shown(), Signals()[i]);
        EXPECT_EQ(Field("TSTNO").toInt(), signal.GetTSTNO());
        EXPECT_EQ(Field("CURNO").toInt(), signal.GetCURNO());
        EXPECT_EQ(Field("SENATT").toStdString(), signal.GetSENATT());
        EXPECT_EQ(Field("TITLE").toStdString(), signal.GetTITLE());
        EXPECT_EQ(Field("NLP").toInt(), signal.GetNLP());
        EXPECT_EQ(dialog->windowTitle().toStdString(),
                  kores::CUDSDialog::kTitlePrefix + signal.GetFileName());
    }
    const bool second = Signals().back()->GetVehicleNumber2() != 0 || !Signals().back()->GetMake2().empty();
    auto* vehicle2 = dialog->findChild<kores::CChildPropertyPage*>("CUdsVeh2Dialog");
    ASSERT_NE(vehicle2, nullptr);
    EXPECT_EQ(!vehicle2->AbsentNote().isHidden(), !second);
    if (!second) {
        EXPECT_TRUE(Field("Make2").isEmpty());
    }
}

TEST_F(UDSDialog, ReportsPrintToPdfWithHeadingAndFields)
{
    QTemporaryDir dir;
    const ko::CNSignal& signal = *dialog->Shown();
    kores::CPrintPreviewer& page = dialog->PrintPage();
    page.FullButton().setChecked(true);
    const QString full = dir.filePath("full.pdf");
    ASSERT_EQ(kores::PrintDocumentToPdf(page.Report(), full), 1) << "a report fits one page:\n"
                                                                 << PdfText(full).toStdString();
    const QString text = PdfText(full);
    EXPECT_TRUE(text.contains("Full UDS File Report"));
    EXPECT_TRUE(text.contains("Page 1 of 1"));
    EXPECT_TRUE(text.contains(QString("Test Number: %1").arg(signal.GetTSTNO())));
    EXPECT_TRUE(text.contains(QString("Curve Number: %1").arg(signal.GetCURNO())));
    EXPECT_TRUE(text.contains("Vehicle Two"));
    EXPECT_TRUE(text.contains("Curve User Data"));
    EXPECT_TRUE(text.contains(QString::fromStdString(signal.GetSENATT())));

    // A table longer than a page goes on under its title, marked as continued.
    kores::CPrintDocument longer = page.Report();
    for (int i = 0; i < 200; ++i) longer.tables.back().rows.push_back({QString("Row %1:").arg(i), "value"});
    const QString many = dir.filePath("long.pdf");
    const int pages = kores::PrintDocumentToPdf(longer, many);
    EXPECT_GE(pages, 3);
    const QString split = PdfText(many);
    EXPECT_TRUE(split.contains(QString("Page %1 of %1").arg(pages)));
    EXPECT_TRUE(split.contains("Curve User Data (continued)"));
    EXPECT_TRUE(split.contains("Row 199:"));

    // The same document printed by the worker thread of a print job.
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(dir.filePath("job.pdf"));
    kores::CPrintJob job(std::move(printer), longer);
    QSignalSpy finished(&job, &kores::CPrintJob::Finished);
    job.Start();
    ASSERT_TRUE(finished.wait(30000));
    EXPECT_GE(finished.front().front().toInt(), 3);
    EXPECT_TRUE(PdfText(dir.filePath("job.pdf")).contains("Row 199:"));
}

TEST_F(UDSDialog, SaveXYAndYAskBeforeReplacingAndNameReadOnlyFolders)
{
    QTemporaryDir dir;
    kores::CPrintPreviewer& page = dialog->PrintPage();
    page.SaveData();
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told.back(), "Check Radio Button X or XY");

    answer = dir.filePath("curve.txt");
    page.XYButton().setChecked(true);
    page.SaveData();
    QFile saved(answer);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = saved.readAll().split('\n');
    saved.close();
    EXPECT_EQ(lines.size() - 1, static_cast<int>(dialog->Shown()->GetY().size()));
    EXPECT_EQ(lines.front().count('\t'), 1);

    page.YButton().setChecked(true);
    replace = false;
    page.SaveData();
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll().split('\n').front().count('\t'), 1) << "not replaced after No";
    saved.close();
    replace = true;
    page.SaveData();
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll().split('\n').front().count('\t'), 0) << "Y only after Yes";
    saved.close();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1) << "no staging file left";

    told.clear();
    answer = "/proc/velder-curve.txt";
    page.SaveData();
    ASSERT_EQ(told.size(), 1u);
    EXPECT_TRUE(told.back().contains("velder-curve.txt was not saved.")) << told.back().toStdString();
}

}  // namespace
