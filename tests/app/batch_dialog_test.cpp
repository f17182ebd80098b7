// SPDX-License-Identifier: GPL-3.0-or-later
// The batch test dialog's number entry, adding and removing, and list files.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/batch_test_numbers.h"
#include "app/test_selection_dialog.h"
#include "samples/sample_store.h"
#include "velder_test_env.h"

using namespace kores;

namespace {

using ko::CTestNumberChoice;

QStringList Texts(const QListWidget& list)
{
    QStringList texts;
    for (int i = 0; i < list.count(); ++i) texts << list.item(i)->text();
    return texts;
}

std::vector<int> Numbers(std::initializer_list<int> numbers)
{
    return numbers;
}

class BatchDialog : public ::testing::Test {
protected:
    void Type(const QString& text)
    {
        dialog.NumberEdit()->setText(text);
        QTest::keyClick(dialog.NumberEdit(), Qt::Key_Return);
    }
    void Fill(const QStringList& available)
    {
        dialog.AvailableList()->clear();
        dialog.AvailableList()->addItems(available);
    }
    // A store root chosen in the source selection, which keeps the dialog open.
    void TakeStore(const QString& root)
    {
        kores::CSourceSelection selection(ko::TestKind::Vehicle, ko::kLoadableKinds, kores::kSourceUnknown,
                                          nullptr, EntryMode(ko::EEntryMode::B));
        selection.SetSelection(kores::kSourceFiles);
        selection.DirectoryBox()->setEditText(root);
        ASSERT_TRUE(selection.Apply());
        ASSERT_FALSE(dialog.TakeSource(selection.Result()));
    }

    CVelderTestEnv env;
    CBatchTestNumbers dialog;
};

TEST_F(BatchDialog, EnterAddsTypedNumberOnceAndIgnoresOutOfRange)
{
    dialog.Prepare();
    dialog.show();
    Type("0");
    Type("100000");
    EXPECT_TRUE(dialog.ChosenNumbers().empty());
    Type("1234");
    Type("77");
    Type("1234");
    EXPECT_EQ(dialog.ChosenNumbers(), Numbers({1234, 77}));
    EXPECT_EQ(Texts(*dialog.ChosenList()), QStringList({"1234", "77"}));
    EXPECT_TRUE(dialog.NumberEdit()->text().isEmpty());
    EXPECT_EQ(dialog.result(), 0) << "Enter in the number edit must not end the dialog";
}

TEST_F(BatchDialog, AddTakesSelectedAvailableNumbersNotYetChosen)
{
    Fill({"11", "22", "33"});
    dialog.AddNumber(22);
    dialog.AvailableList()->item(0)->setSelected(true);
    dialog.AvailableList()->item(1)->setSelected(true);
    dialog.Add();
    EXPECT_EQ(dialog.ChosenNumbers(), Numbers({22, 11}));
    EXPECT_TRUE(dialog.AvailableList()->selectedItems().isEmpty());

    dialog.AddAll();
    EXPECT_EQ(dialog.ChosenNumbers(), Numbers({11, 22, 33}));
    dialog.ChosenList()->item(1)->setSelected(true);
    dialog.RemoveSelected();
    EXPECT_EQ(dialog.ChosenNumbers(), Numbers({11, 33}));
    EXPECT_EQ(Texts(*dialog.ChosenList()), QStringList({"11", "33"}));
    dialog.RemoveAll();
    EXPECT_TRUE(dialog.ChosenNumbers().empty());
    EXPECT_EQ(dialog.ChosenList()->count(), 0);
}

TEST_F(BatchDialog, ListFileReadFillsAvailableAndWriteKeepsEachNumberOnce)
{
    const QString list = env.Dir() + "/list.txt";
    {
        QFile file(list);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("120\r\n7\n120\n\n99\n");
    }
    Fill({"5"});
    ASSERT_TRUE(dialog.ReadList(list));
    EXPECT_EQ(Texts(*dialog.AvailableList()), QStringList({"120", "7", "120"}));

    dialog.AddAll();
    EXPECT_EQ(dialog.ChosenNumbers(), Numbers({120, 7}));
    const QString written = env.Dir() + "/chosen.txt";
    ASSERT_TRUE(dialog.WriteList(written));
    QFile file(written);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("120\n7\n"));
    EXPECT_TRUE(env.Messages().empty());
}

TEST_F(BatchDialog, UnreadableStoreTestIsNamedOnceAndTheOthersStayListed)
{
    const QString root = env.Dir() + "/store";
    ko::WriteSampleStore(root.toStdString());
    const QDir test(root + "/evdata/vehdb/v00000/v00100/v00102");
    const QStringList files = test.entryList({"*.ev5", "*.e5x"}, QDir::Files);
    ASSERT_EQ(files.size(), 1);
    {
        QFile file(test.filePath(files.front()));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("# Source: EV5\n----- TEST -----\n1|2\n");
    }
    TakeStore(root);
    dialog.Prepare();
    ASSERT_TRUE(dialog.FillAvailable());
    EXPECT_EQ(Texts(*dialog.AvailableList()), QStringList({"101", "103", "104"}));
    ASSERT_EQ(env.Messages().size(), 1u);
    EXPECT_EQ(env.Messages()[0].first, QMessageBox::Warning);
    const QString& report = env.Messages()[0].second;
    EXPECT_TRUE(report.contains("Failure to load test number: 102")) << report.toStdString();
    EXPECT_FALSE(report.contains("number: 101")) << report.toStdString();
    ASSERT_TRUE(dialog.FillAvailable());
    ASSERT_TRUE(dialog.MakeSelectionDialog());
    EXPECT_EQ(env.Messages().size(), 1u) << "the kept list is not reported again";
}

TEST_F(BatchDialog, ReadsTheSourceKindFromTheProfileAtEveryShowing)
{
    TakeStore(SampleStoreRoot());
    kores::CSourceProfile::SetSelection(kores::kSourceWeb);
    QStringList shown;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            shown << modal->windowTitle();
            modal->reject();
        }
    });
    closer.start(10);
    EXPECT_EQ(dialog.Run(), QDialog::Rejected);
    EXPECT_EQ(dialog.GetSourceKind(), kores::kSourceWeb);
    EXPECT_EQ(shown, QStringList({"KORVA Web Selection"}));
}

TEST_F(BatchDialog, UnreadableOrUnwritableListFileIsReported)
{
    const QString missing = env.Dir() + "/missing.txt";
    Fill({"5"});
    EXPECT_FALSE(dialog.ReadList(missing));
    EXPECT_FALSE(dialog.ReadList(env.Dir()));
    EXPECT_EQ(Texts(*dialog.AvailableList()), QStringList({"5"}));
    dialog.AddNumber(5);
    EXPECT_FALSE(dialog.WriteList(env.Dir() + "/no/such/dir/list.txt"));
    ASSERT_EQ(env.Messages().size(), 3u);
    EXPECT_EQ(env.Messages()[0].first, QMessageBox::Critical);
    EXPECT_EQ(env.Messages()[0].second, "Failure to open file: " + missing);
    EXPECT_EQ(env.Messages()[2].second, "Failure to open file: " + env.Dir() + "/no/such/dir/list.txt");
}

TEST_F(BatchDialog, DatabaseChoiceSetsCaptionsAndAllowedEntries)
{
    dialog.SetAllowedKinds(ko::kLoadableKinds);
    dialog.Prepare();
    QStringList entries;
    for (int i = 0; i < dialog.DatabaseBox()->count(); ++i) entries << dialog.DatabaseBox()->itemText(i);
    EXPECT_EQ(entries, QStringList({"Biomechanics", "Component", "Vehicle"}));
    EXPECT_EQ(dialog.DatabaseBox()->currentText(), "Vehicle");
    EXPECT_EQ(dialog.NumberGroup()->title(), "Select Vehicle Test Number");
    EXPECT_EQ(dialog.SelectButton()->text(), "Make/Model/Year");
    EXPECT_EQ(dialog.windowTitle(), "KORVA File Selection");

    dialog.ChooseDatabase(ko::TestKind::Biomechanics);
    EXPECT_EQ(dialog.GetDatabase()->GetKind(), ko::TestKind::Biomechanics);
    EXPECT_EQ(dialog.NumberGroup()->title(), "Select Biomechanics Test Number");
    EXPECT_EQ(dialog.SelectButton()->text(), "Occupant/Dummy");
    dialog.ChooseDatabase(ko::TestKind::CollisionWarning);
    EXPECT_EQ(dialog.SelectButton()->text(), "...");
    EXPECT_FALSE(dialog.SelectButton()->isEnabled());
}

}  // namespace
