// SPDX-License-Identifier: GPL-3.0-or-later
// Filter, Resample, Truncate, Save ACSII and Save UDS on the sample store,
// with their dialogs answered as a user would.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <charconv>

#include "app/command_ids.h"
#include "app/dialog_runner.h"
#include "app/direct_start.h"
#include "app/filter_class_dialog.h"
#include "app/main_frame.h"
#include "app/question_dialog.h"
#include "app/resample_dialog.h"
#include "app/start_options.h"
#include "app/truncate_dialog.h"
#include "app/velder_doc.h"
#include "core/signal.h"
#include "document/document.h"
#include "formats/uds_file.h"
#include "velder_test_env.h"

using namespace kores;

namespace {

std::vector<double> Numbers(const std::string& line)
{
    std::vector<double> values;
    const char* p = line.data();
    const char* end = p + line.size();
    while (p < end) {
        double value = 0;
        const auto result = std::from_chars(p, end, value);
        if (result.ec != std::errc()) break;
        values.push_back(value);
        p = result.ptr;
        while (p < end && (*p == '\t' || *p == '\r')) ++p;
    }
    return values;
}

class DataCommands : public ::testing::Test {
protected:
    void SetUp() override
    {
        frame.resize(1000, 700);
        frame.show();
        CStartOptions options;
        options.store = SampleStoreRoot();
        options.tests = {101, 102};
        options.titleRow = 0;
        ASSERT_TRUE(StartDirect(frame, options).isEmpty());
        ASSERT_EQ(Signals().size(), 2u);
        ASSERT_TRUE(frame.Document().HasGraph());
    }
    const ko::CSignalList& Signals() { return frame.Document().Model().GetCurrentSignals(); }
    void Trigger(int id) { frame.Action(id)->trigger(); }
    // Runs the command with every question answered by its proposal and every
    // replace question by replace; the proposals in order.
    QStringList Save(int id, const QString& folder, bool replace = true)
    {
        QStringList proposals;
        const CDialogHookScope answer(
            [&](QDialog& dialog) {
                if (auto* question = qobject_cast<CQuestion*>(&dialog)) {
                    proposals << question->AnswerEdit().text();
                    question->accept();
                } else if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
                    box->button(replace ? QMessageBox::Yes : QMessageBox::No)->click();
                }
            },
            [&](const QString&) -> std::optional<QString> { return folder; });
        Trigger(id);
        return proposals;
    }
    QString LastMessage() const { return env.Messages().empty() ? QString() : env.Messages().back().second; }

    CVelderTestEnv env;
    CMainFrame frame;
};

TEST_F(DataCommands, FilterResampleAndTruncateThroughTheirDialogs)
{
    for (const int id : {cmd::kFilter, cmd::kResample, cmd::kTruncate, cmd::kSaveAscii, cmd::kSaveUds})
        EXPECT_TRUE(frame.Action(id)->isEnabled()) << id;
    {
        const CDialogHookScope answer([](QDialog& dialog) {
            auto& filter = dynamic_cast<kores::CFilterClass&>(dialog);
            filter.ClassButton(1).click();
            filter.accept();
        });
        Trigger(cmd::kFilter);
    }
    for (const auto& signal : Signals()) EXPECT_EQ(signal->GetChannelClass(), 180);
    {
        const CDialogHookScope answer([](QDialog& dialog) {
            auto& resample = dynamic_cast<kores::CResampleDlg&>(dialog);
            resample.StepEdit().setText("0.0001");
            resample.accept();
        });
        Trigger(cmd::kResample);
    }
    for (const auto& signal : Signals()) EXPECT_EQ(signal->GetDEL(), 0.0001);
    {
        const CDialogHookScope answer([](QDialog& dialog) {
            auto& truncate = dynamic_cast<kores::CTruncateDlg&>(dialog);
            truncate.MinEdit().setText("0");
            truncate.MaxEdit().setText("0.1");
            truncate.accept();
        });
        Trigger(cmd::kTruncate);
    }
    for (const auto& signal : Signals()) {
        EXPECT_GE(signal->GetX().front(), 0.0);
        EXPECT_LT(signal->GetX().back(), 0.1);
        EXPECT_TRUE(signal->IsModified());
    }
    EXPECT_TRUE(env.Messages().empty());

    // A window outside the signals: the error, and nothing changes.
    const std::vector<double> before = Signals().front()->GetY();
    const CDialogHookScope outside([](QDialog& dialog) {
        auto& truncate = dynamic_cast<kores::CTruncateDlg&>(dialog);
        truncate.MinEdit().setText("5");
        truncate.MaxEdit().setText("9");
        truncate.accept();
    });
    Trigger(cmd::kTruncate);
    EXPECT_EQ(env.Messages().back(), std::make_pair(QMessageBox::Critical, QString("No X or Y Signal Data")));
    EXPECT_EQ(Signals().front()->GetY(), before);
}

TEST_F(DataCommands, SavedFilesReadBackAsTheSignals)
{
    QTemporaryDir out;
    const QStringList uds = Save(cmd::kSaveUds, out.path());
    ASSERT_EQ(uds.size(), 2);
    for (int i = 0; i < 2; ++i) {
        const auto& signal = *Signals()[static_cast<std::size_t>(i)];
        EXPECT_EQ(uds[i].toStdString(), signal.GetFileName());
        ko::CUDSFile back;
        back.Read(QDir(out.path()).filePath(uds[i]).toStdString());
        ASSERT_EQ(back.GetY().size(), signal.GetY().size());
        for (std::size_t k = 0; k < signal.GetY().size(); ++k)
            ASSERT_EQ(back.GetY()[k], static_cast<double>(static_cast<float>(signal.GetY()[k]))) << k;
        EXPECT_EQ(back.GetTSTNO(), signal.GetTSTNO());
    }
    const QStringList text = Save(cmd::kSaveAscii, out.path());
    ASSERT_EQ(text.size(), 2);
    EXPECT_TRUE(text[0].endsWith(".txt"));
    QFile file(QDir(out.path()).filePath(text[0]));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const auto& signal = *Signals().front();
    std::size_t k = 0;
    for (; !file.atEnd(); ++k) {
        const std::string line = file.readLine().toStdString();
        ASSERT_EQ(line.substr(line.size() - 2), "\r\n");
        const auto values = Numbers(line);
        ASSERT_EQ(values.size(), 2u) << line;
        ASSERT_NEAR(values[0], signal.GetX()[k], 5e-7);
        ASSERT_NEAR(values[1], signal.GetY()[k], 5e-7);
    }
    EXPECT_EQ(k, signal.GetY().size());
    EXPECT_TRUE(env.Messages().empty()) << LastMessage().toStdString();
}

TEST_F(DataCommands, SavingAgainAsksBeforeReplacingAndSameNamesStayApart)
{
    QTemporaryDir out;
    Save(cmd::kSaveUds, out.path());
    const QString first = QDir(out.path()).filePath(QString::fromStdString(Signals().front()->GetFileName()));
    QFile(first).remove();
    QFile keep(first);
    ASSERT_TRUE(keep.open(QIODevice::WriteOnly));
    keep.write("keep");
    keep.close();
    int asked = 0;
    {
        const CDialogHookScope answer(
            [&](QDialog& dialog) {
                if (auto* question = qobject_cast<CQuestion*>(&dialog)) {
                    if (asked == 0)
                        question->accept();
                    else
                        question->reject();
                } else if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
                    ++asked;
                    EXPECT_TRUE(box->text().startsWith(first + " already exists."))
                        << box->text().toStdString();
                    box->button(QMessageBox::No)->click();
                }
            },
            [&](const QString&) -> std::optional<QString> { return out.path(); });
        Trigger(cmd::kSaveUds);
    }
    EXPECT_EQ(asked, 1);
    QFile kept(first);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "keep");

    for (const auto& signal : Signals()) signal->SetFileName("same.uds");
    QTemporaryDir other;
    EXPECT_EQ(Save(cmd::kSaveUds, other.path()), QStringList({"same.uds", "same_2.uds"}));
    EXPECT_EQ(Save(cmd::kSaveAscii, other.path()), QStringList({"same.txt", "same_2.txt"}));
}

TEST_F(DataCommands, BadFoldersAndInputFilesAreRefused)
{
    const QString missing = QDir(SampleStoreRoot()).filePath("nowhere");
    EXPECT_TRUE(Save(cmd::kSaveUds, missing).isEmpty());
    EXPECT_EQ(env.Messages().back(), std::make_pair(QMessageBox::Warning, "Invalid Path:\n" + missing));

    const auto& signal = *Signals().front();
    const QString source = QString::fromStdString(signal.GetDirectory());
    const QString path = QDir(source).filePath(QString::fromStdString(signal.GetFileName()));
    int questions = 0;
    const CDialogHookScope answer(
        [&](QDialog& dialog) {
            auto& question = dynamic_cast<CQuestion&>(dialog);
            if (++questions == 1)
                question.accept();
            else
                question.reject();
        },
        [&](const QString&) -> std::optional<QString> { return source; });
    Trigger(cmd::kSaveUds);
    EXPECT_EQ(questions, 2);
    EXPECT_EQ(env.Messages().back().second, path + "\nholds a current signal's data and is not replaced.");
}

}  // namespace
