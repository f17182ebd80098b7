// SPDX-License-Identifier: GPL-3.0-or-later
// Compare Signals with a stand-in compare program that records its
// arguments, and files given on the command line opened as signals.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "app/command_ids.h"
#include "app/dialog_runner.h"
#include "app/direct_start.h"
#include "app/main_frame.h"
#include "app/spawn_path_dialog.h"
#include "app/start_options.h"
#include "app/velder_doc.h"
#include "core/signal.h"
#include "document/document.h"
#include "formats/uds_file.h"
#include "formats/uds_signal.h"
#include "velder_test_env.h"

using namespace kores;

namespace {

class CompareSignals : public ::testing::Test {
protected:
    void SetUp() override
    {
        QDir(env.Dir()).mkpath("tools");
        tools_ = QDir(env.Dir()).filePath("tools");
        const QString recorder = QDir(tools_).filePath("recorder");
        QFile script(recorder);
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write(
            "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.args.tmp\" && mv \"$0.args.tmp\" \"$0.args\"\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QSettings().setValue("Setting/SpawnPath", tools_ + "/");
        QSettings().setValue("Setting/SpawnProgram", "recorder");
        frame = std::make_unique<CMainFrame>();
        frame->show();
    }
    const ko::CSignalList& Signals() { return frame->Document().Model().GetCurrentSignals(); }
    // The arguments the stand-in got, once it has written them.
    QStringList RecordedArguments()
    {
        QFile args(QDir(tools_).filePath("recorder.args"));
        QElapsedTimer waited;
        waited.start();
        while (!args.exists() && waited.elapsed() < 20000) QTest::qWait(50);
        if (!args.open(QIODevice::ReadOnly)) return {};
        QStringList lines = QString::fromUtf8(args.readAll()).split('\n');
        lines.removeAll(QString());
        args.remove();
        return lines;
    }

    CVelderTestEnv env;
    QString tools_;
    std::unique_ptr<CMainFrame> frame;
};

TEST_F(CompareSignals, ChangedSignalsGoAsTemporaryFilesTheOthersAsTheirOwn)
{
    CStartOptions options;
    options.store = SampleStoreRoot();
    options.tests = {101, 102};
    options.titleRow = 0;
    ASSERT_TRUE(StartDirect(*frame, options).isEmpty());
    ASSERT_TRUE(frame->Action(cmd::kCompareSignals)->isEnabled());
    frame->Action(cmd::kCompareSignals)->trigger();
    QStringList own = RecordedArguments();
    ASSERT_EQ(own.size(), 2);
    for (int i = 0; i < 2; ++i) {
        const auto& signal = *Signals()[static_cast<std::size_t>(i)];
        EXPECT_EQ(own[i], QDir(QString::fromStdString(signal.GetDirectory()))
                              .filePath(QString::fromStdString(signal.GetFileName())));
    }
    EXPECT_EQ(frame->statusBar()->currentMessage(), "Created Temporary Files: " + own.join(' ') + " ");

    frame->Action(cmd::kCfc180)->trigger();
    frame->Action(cmd::kCompareSignals)->trigger();
    const QStringList temporary = RecordedArguments();
    ASSERT_EQ(temporary.size(), 2);
    for (int i = 0; i < 2; ++i) {
        EXPECT_TRUE(QFileInfo(temporary[i]).fileName().startsWith("UDS"));
        EXPECT_TRUE(temporary[i].startsWith(QDir::tempPath())) << temporary[i].toStdString();
        ko::CUDSFile back;
        back.Read(temporary[i].toStdString());
        const auto& y = Signals()[static_cast<std::size_t>(i)]->GetY();
        ASSERT_EQ(back.GetY().size(), y.size());
        EXPECT_EQ(back.GetY()[10], static_cast<double>(static_cast<float>(y[10])));
    }
    frame.reset();
    EXPECT_FALSE(QFileInfo::exists(temporary[0])) << "the run's folder goes with the window";
}

TEST_F(CompareSignals, FilesOnTheCommandLineOpenAsTheCurrentSignals)
{
    QTemporaryDir dir;
    QStringList files;
    for (int i = 0; i < 2; ++i) {
        ko::CNSignal signal;
        signal.SetDEL(0.001);
        signal.SetNFP(0);
        signal.SetNLP(99);
        signal.SetY(std::vector<double>(100, 1.0 + i));
        files << QDir(dir.path()).filePath(QString("s%1.uds").arg(i));
        WriteUDS(signal, files.back().toStdString());
    }
    EXPECT_TRUE(StartFiles(*frame, files).isEmpty());
    ASSERT_EQ(Signals().size(), 2u);
    EXPECT_EQ(Signals()[1]->GetY().front(), 2.0);
    EXPECT_TRUE(frame->Document().HasGraph());
    frame->Action(cmd::kReload)->trigger();
    EXPECT_EQ(Signals().size(), 2u) << "no title to read again";
    EXPECT_TRUE(frame->Action(cmd::kCompareSignals)->isEnabled());
    frame->Action(cmd::kCompareSignals)->trigger();
    EXPECT_EQ(RecordedArguments(), files) << "unchanged files go as they are";

    const QString problems = StartFiles(*frame, {QDir(dir.path()).filePath("none.uds")});
    EXPECT_TRUE(problems.contains("none.uds")) << problems.toStdString();
    EXPECT_EQ(Signals().size(), 2u) << "a file that cannot be read changes nothing";

    const QString image = QDir(dir.path()).filePath("files.png");
    EXPECT_TRUE(SaveScreenshot(*frame, image));
}

TEST_F(CompareSignals, TheSpawnPathCommandChangesTheProgramsFolder)
{
    EXPECT_TRUE(frame->Action(cmd::kSpawnPath)->isEnabled());
    EXPECT_EQ(frame->SpawnPath(), tools_ + "/");
    const QString other = QDir(env.Dir()).filePath("other");
    QDir().mkpath(other);
    const CDialogHookScope answer([&](QDialog& dialog) {
        auto& spawn = dynamic_cast<kores::CSpawnPath&>(dialog);
        EXPECT_EQ(spawn.PathEdit().text(), tools_ + "/");
        spawn.PathEdit().setText(other);
        spawn.accept();
    });
    frame->Action(cmd::kSpawnPath)->trigger();
    EXPECT_EQ(frame->SpawnPath(), other + "/");
}

}  // namespace
