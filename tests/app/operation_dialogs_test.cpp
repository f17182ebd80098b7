// SPDX-License-Identifier: GPL-3.0-or-later
// The parameter dialogs of the commands, filled and confirmed as a user would.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>

#include "app/dialog_runner.h"
#include "app/filter_class_dialog.h"
#include "app/question_dialog.h"
#include "app/resample_dialog.h"
#include "app/spawn_path_dialog.h"
#include "app/truncate_dialog.h"
#include "core/signal.h"
#include "velder_test_env.h"

using namespace kores;

namespace {

std::shared_ptr<ko::CNSignal> AtClass(int cfc, float prefil)
{
    auto signal = std::make_shared<ko::CNSignal>();
    signal->SetXY({0, 0.001}, {1, 2});
    signal->SetChannelClass(cfc);
    signal->SetPREFIL(prefil);
    signal->SetFileName("V00101001.uds");
    return signal;
}

class OperationDialogs : public ::testing::Test {
protected:
    QString LastMessage() const { return env.Messages().empty() ? QString() : env.Messages().back().second; }
    CVelderTestEnv env;
};

TEST_F(OperationDialogs, FilterClassOffersOnlyLowerClassesAndRefusesABadCutoff)
{
    kores::CFilterClass dialog;
    const CDialogHookScope answer([&](QDialog&) {
        EXPECT_TRUE(dialog.ClassButton(1).isChecked());
        for (const char* refused : {"abc", "-5"}) {
            dialog.CutoffButton().click();
            EXPECT_TRUE(dialog.CutoffEdit().isEnabled());
            dialog.CutoffEdit().setText(refused);
            dialog.accept();
            EXPECT_NE(dialog.result(), QDialog::Accepted) << refused;
            EXPECT_EQ(dialog.focusWidget(), &dialog.CutoffButton()) << refused;
        }
        dialog.CutoffEdit().setText("400");
        dialog.accept();
    });
    ASSERT_EQ(dialog.DoModal({AtClass(180, 1650.0f)}, 0), QDialog::Accepted);
    std::vector<bool> enabled;
    for (std::size_t i = 0; i < 5; ++i) enabled.push_back(dialog.ClassButton(i).isEnabled());
    EXPECT_EQ(enabled, (std::vector<bool>{true, true, false, false, false}));
    EXPECT_EQ(dialog.ClassLabel(1).text(), "Filtered At");
    EXPECT_FALSE(dialog.ClassLabel(1).isHidden());
    EXPECT_EQ(dialog.ClassLabel(3).text(), "As Submitted");
    EXPECT_FALSE(dialog.ClassLabel(3).isHidden());
    EXPECT_TRUE(dialog.ClassLabel(0).isHidden());
    EXPECT_EQ(dialog.Caption().text(), "FileName: V00101001.uds");
    EXPECT_TRUE(dialog.IsCutoffChosen());
    EXPECT_EQ(dialog.GetCutoffFrequency(), 400.0);
    EXPECT_EQ(dialog.windowTitle(), "Select Filter Class");
}

TEST_F(OperationDialogs, FilterClassChoosesAClassAndCanHideTheCutoff)
{
    kores::CFilterClass dialog(false);
    const CDialogHookScope answer([&](QDialog&) {
        EXPECT_TRUE(dialog.ClassButton(4).isChecked());
        dialog.ClassButton(2).click();
        dialog.accept();
    });
    ASSERT_EQ(dialog.DoModal({AtClass(1001, 0), AtClass(1000, 0)}, 0), QDialog::Accepted);
    EXPECT_TRUE(dialog.CutoffButton().isHidden());
    EXPECT_EQ(dialog.Caption().text(), "Multiple Signals");
    EXPECT_FALSE(dialog.IsCutoffChosen());
    EXPECT_EQ(dialog.GetChosenClass(), 600);
}

TEST_F(OperationDialogs, ResampleKeepsTheDialogOpenUntilTheValueIsValid)
{
    kores::CResampleDlg dialog;
    dialog.SetNumberOfPoints(1001);
    dialog.SetTimeStep(0.0001);
    EXPECT_EQ(dialog.StepEdit().text(), "0.0001");
    EXPECT_EQ(dialog.PointsEdit().text(), "1001");
    EXPECT_FALSE(dialog.PointsEdit().isEnabled());
    EXPECT_EQ(dialog.StepButton().toolTip(), "Please enter a Time Step greater then zero.");
    const CDialogHookScope answer([&](QDialog&) {
        dialog.StepEdit().setText("0");
        dialog.accept();
        EXPECT_EQ(LastMessage(), "Time Step: 0 needs to be greater then zero.");
        EXPECT_NE(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(dialog.GetTimeStep(), 0.0);
        dialog.PointsButton().click();
        EXPECT_FALSE(dialog.StepEdit().isEnabled());
        EXPECT_FALSE(dialog.StepButton().isChecked());
        dialog.PointsEdit().setText("1");
        dialog.accept();
        EXPECT_EQ(LastMessage(), "Number of Points: 1 needs to be greater then one.");
        EXPECT_EQ(dialog.focusWidget(), &dialog.PointsEdit());
        dialog.PointsEdit().setText("2");
        dialog.accept();
    });
    ASSERT_EQ(RunModal(dialog), QDialog::Accepted);
    EXPECT_TRUE(dialog.IsPointsChosen());
    EXPECT_EQ(dialog.GetNumberOfPoints(), 2);
    EXPECT_EQ(env.Messages().size(), 2u);
}

TEST_F(OperationDialogs, TruncateBoundsFollowTheirCheckBoxes)
{
    kores::CTruncateDlg dialog;
    EXPECT_FALSE(dialog.AllBox().isChecked());
    EXPECT_FALSE(dialog.MinEdit().isEnabled());
    dialog.SetMinTime(0.0, true);
    dialog.SetMaxTime(0.1, true);
    EXPECT_TRUE(dialog.AllBox().isChecked());
    EXPECT_EQ(dialog.MaxEdit().text(), "0.1");
    const CDialogHookScope answer([&](QDialog&) {
        dialog.MaxBox().click();
        EXPECT_FALSE(dialog.MaxEdit().isEnabled());
        EXPECT_EQ(dialog.MaxEdit().text(), "");
        dialog.MinEdit().setText("abc");
        dialog.accept();
    });
    ASSERT_EQ(RunModal(dialog), QDialog::Accepted);
    const ko::CTruncateBounds bounds = dialog.GetBounds();
    EXPECT_TRUE(bounds.minEnabled);
    EXPECT_EQ(bounds.min, 0.0);
    EXPECT_FALSE(bounds.maxEnabled);

    dialog.SetMaxTime(0.05, true);
    const CDialogHookScope clear([&](QDialog&) {
        dialog.AllBox().click();
        EXPECT_FALSE(dialog.MinBox().isEnabled());
        EXPECT_FALSE(dialog.MinBox().isChecked());
        dialog.reject();
    });
    EXPECT_EQ(RunModal(dialog), QDialog::Rejected);
    EXPECT_FALSE(dialog.GetBounds().minEnabled || dialog.GetBounds().maxEnabled);
}

TEST_F(OperationDialogs, SpawnPathIsStoredWithItsSeparatorOnlyWhenItExists)
{
    const QString folder = QDir(env.Dir()).filePath("tools");
    QDir().mkpath(folder);
    kores::CSpawnPath dialog;
    EXPECT_EQ(dialog.GetPath(), kores::CSpawnPath::DefaultPath());
    const CDialogHookScope answer(
        [&](QDialog&) {
            EXPECT_EQ(dialog.PathEdit().text(), kores::CSpawnPath::DefaultPath());
            dialog.PathEdit().setText(folder + "/missing");
            dialog.accept();
            EXPECT_EQ(LastMessage(), "Invalid Path: " + folder + "/missing");
            EXPECT_NE(dialog.result(), QDialog::Accepted);
            dialog.BrowseButton().click();
            EXPECT_EQ(dialog.PathEdit().text(), folder);
            dialog.accept();
        },
        [&](const QString& prompt) -> std::optional<QString> {
            EXPECT_EQ(prompt, "Select a Path");
            return folder;
        });
    ASSERT_EQ(dialog.DoModal(), QDialog::Accepted);
    EXPECT_EQ(dialog.GetPath(), folder + "/");
    EXPECT_EQ(QSettings().value("Setting/SpawnPath").toString(), folder + "/");
    EXPECT_EQ(kores::CSpawnPath().GetPath(), folder + "/");
}

TEST_F(OperationDialogs, QuestionNeedsAnAnswer)
{
    CQuestion question;
    question.SetQuestion("");
    EXPECT_EQ(question.findChild<QLabel*>()->text(), "No Question:");
    question.SetQuestion("Please enter a file name.");
    question.SetAnswer("");
    question.accept();
    EXPECT_EQ(env.Messages().back(),
              std::make_pair(QMessageBox::Question, QString("Please enter and answer.")));
    EXPECT_NE(question.result(), QDialog::Accepted);
    question.AnswerEdit().setText("a.txt");
    question.accept();
    EXPECT_EQ(question.result(), QDialog::Accepted);
    EXPECT_EQ(question.Answer(), "a.txt");
}

// Each dialog as it first shows, left in the build directory to be looked at.
TEST_F(OperationDialogs, ScreenshotsOfTheDialogs)
{
    const CDialogHookScope leaveOpen([](QDialog&) {});
    kores::CFilterClass filter;
    filter.DoModal({AtClass(180, 1650.0f)}, 0);
    kores::CFilterClass classesOnly(false);
    classesOnly.DoModal({AtClass(1001, 0), AtClass(600, 0)}, 0);
    kores::CResampleDlg resample;
    resample.SetNumberOfPoints(1201);
    resample.SetTimeStep(0.0001);
    kores::CTruncateDlg truncate;
    truncate.SetMinTime(-0.01, true);
    truncate.SetMaxTime(0.11, true);
    kores::CSpawnPath spawn;
    spawn.PathEdit().setText(spawn.GetPath());
    CQuestion question;
    question.SetQuestion("Please enter a file name.");
    question.SetAnswer("V00101_001.txt");
    const std::vector<std::pair<QDialog*, QString>> dialogs = {
        {&filter, "filter_class"}, {&classesOnly, "filter_class_no_cutoff"},
        {&resample, "resample"},   {&truncate, "truncate"},
        {&spawn, "spawn_path"},    {&question, "question"}};
    for (const auto& [dialog, name] : dialogs) {
        dialog->show();
        const QImage image = dialog->grab().toImage();
        ASSERT_FALSE(image.isNull()) << name.toStdString();
        EXPECT_TRUE(image.save(QString(VELDER_BUILD_DIR) + "/velder_dialog_" + name + ".png"))
            << name.toStdString();
        dialog->hide();
    }
}

}  // namespace
