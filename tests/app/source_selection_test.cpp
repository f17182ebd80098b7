// SPDX-License-Identifier: GPL-3.0-or-later
// Source selection: the local-files and web choices and their profile entries.
#include "app/source_selection.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMainWindow>
#include <QSettings>
#include <QStatusBar>

#include "app/batch_test_numbers.h"
#include "app/velder_doc.h"
#include "core/signal.h"
#include "document/document.h"
#include "sources/data_agent_file.h"
#include "tests/support/serve_process.h"
#include "velder_test_env.h"

using namespace kores;

namespace {

using ko::CEntryDecision;
using ko::EEntryMode;

TEST(SourceSelectionDialog, MissingDriveIsExplainedOnceNamingTheWebEntryAndDatabaseIsNotOffered)
{
    CVelderTestEnv env;
    CSourceSelection dialog(ko::TestKind::Vehicle, ko::kLoadableKinds, kores::kSourceUnknown, nullptr,
                            EntryMode(ko::EEntryMode::B, std::nullopt, true));
    ASSERT_EQ(env.Messages().size(), 1u);
    EXPECT_TRUE(
        env.Messages()[0].second.startsWith("Fails to find the dirve accommodating UDS files.\n"
                                            "The WEB entry is selected automatically.\n\n"))
        << env.Messages()[0].second.toStdString();
    EXPECT_FALSE(dialog.IsChoiceOffered(kores::kSourceDatabase));
    EXPECT_TRUE(dialog.IsChoiceOffered(kores::kSourceWeb));
    EXPECT_EQ(dialog.Selection(), kores::kSourceWeb);
    EXPECT_EQ(dialog.windowTitle(), "Entry Selection, KORVA ZEB, US MTD");

    CSourceSelection unreadable(ko::TestKind::Vehicle, ko::kLoadableKinds, kores::kSourceUnknown, nullptr,
                                EntryMode(ko::EEntryMode::W));
    EXPECT_EQ(unreadable.windowTitle(), "KORVA ZEB R&D Database, US MTD");
    EXPECT_EQ(env.Messages().size(), 1u);
}

TEST(SourceSelectionDialog, DatabaseServerNeedsNameAndPasswordBeforeAnyLogin)
{
    CVelderTestEnv env;
    CSourceSelection dialog(ko::TestKind::Vehicle, ko::kLoadableKinds, kores::kSourceUnknown, nullptr,
                            EntryMode(ko::EEntryMode::A, 'J'));
    EXPECT_TRUE(dialog.IsChoiceOffered(kores::kSourceDatabase));
    EXPECT_EQ(dialog.Selection(), kores::kSourceDatabase);
    dialog.ConnectionBox()->setEditText("postgresql://127.0.0.1:1/velder");
    EXPECT_FALSE(dialog.Apply()) << "empty user name";
    dialog.UserNameEdit()->setText("vehdb");
    EXPECT_FALSE(dialog.TnsBox()->isHidden()) << "this account may choose the service";
    EXPECT_FALSE(dialog.Apply()) << "empty password";
    EXPECT_TRUE(env.Messages().empty());
    EXPECT_FALSE(dialog.Result().agent);
    dialog.UserNameEdit()->setText("someone");
    EXPECT_TRUE(dialog.TnsBox()->isHidden());
}

TEST(SourceProfile, SelectionTextsAndRememberedPaths)
{
    CVelderTestEnv env;
    using kores::CSourceProfile;
    EXPECT_EQ(CSourceProfile::Selection(), kores::kSourceUnknown) << "nothing stored yet";
    for (const int kind : {kores::kSourceDatabase, kores::kSourceWeb, kores::kSourceFiles}) {
        CSourceProfile::SetSelection(kind);
        EXPECT_EQ(CSourceProfile::Selection(), kind);
    }
    EXPECT_EQ(kores::SourceKindFromText("ss_file"), kores::kSourceUnknown) << "exact texts only";
    CSourceProfile::SetUserName("vehdb");
    CSourceProfile::SetDrive("j");
    CSourceProfile::SetTempDir("/tmp/velder");
    QSettings settings;
    EXPECT_EQ(settings.value("Settings/UserName").toString(), "vehdb");
    EXPECT_EQ(settings.value("Settings/Drive").toString(), "j");
    EXPECT_EQ(CSourceProfile::TempDir(), "/tmp/velder");

    const QString section = CSourceProfile::kFileDataSection;
    for (int i = 0; i < 12; ++i) CSourceProfile::AddPath(section, QString("/p%1").arg(i));
    QStringList paths = CSourceProfile::Paths(section);
    ASSERT_EQ(paths.size(), CSourceProfile::kMostPaths);
    EXPECT_EQ(paths.front(), "/p11") << "the most recent first";
    EXPECT_EQ(paths.back(), "/p2");
    CSourceProfile::AddPath(section, "/p5");
    paths = CSourceProfile::Paths(section);
    EXPECT_EQ(paths.front(), "/p5");
    EXPECT_EQ(paths.count("/p5"), 1);
    EXPECT_TRUE(CSourceProfile::Paths(CSourceProfile::kZipDataSection).isEmpty());
}

class LocalFiles : public ::testing::Test {
protected:
    CSourceSelection& Dialog(ko::TestKind kind = ko::TestKind::Vehicle)
    {
        dialog = std::make_unique<CSourceSelection>(kind, ko::kLoadableKinds, kores::kSourceUnknown, nullptr,
                                                    EntryMode(ko::EEntryMode::B));
        dialog->SetSelection(kores::kSourceFiles);
        return *dialog;
    }

    CVelderTestEnv env;
    std::unique_ptr<CSourceSelection> dialog;
};

TEST_F(LocalFiles, InvalidPathKeepsTheDialogOpen)
{
    const QString missing = env.Dir() + "/nowhere";
    Dialog().DirectoryBox()->setEditText(missing);
    EXPECT_FALSE(dialog->Apply());
    ASSERT_EQ(env.Messages().size(), 1u);
    EXPECT_EQ(env.Messages()[0].second, "Invalid Path: " + missing);
    EXPECT_FALSE(dialog->Result().agent);
    EXPECT_EQ(QSettings().value("Settings/Selection").toString(), "") << "nothing written before success";
}

TEST_F(LocalFiles, StoreRootWithoutTestsOfTheDatabaseIsRefused)
{
    Dialog().DirectoryBox()->setEditText(env.Dir());
    EXPECT_FALSE(dialog->Apply());
    ASSERT_EQ(env.Messages().size(), 1u);
    EXPECT_EQ(env.Messages()[0].second, "No Vehicle test was found in: " + env.Dir());
}

TEST_F(LocalFiles, StoreRootGivesAnAgentForEveryTestAndWritesTheProfile)
{
    Dialog().DirectoryBox()->setEditText(SampleStoreRoot());
    dialog->DatabaseBox()->setCurrentText("Component");
    ASSERT_TRUE(dialog->Apply()) << (env.Messages().empty() ? "" : env.Messages()[0].second.toStdString());
    const kores::CSourceResult& result = dialog->Result();
    EXPECT_TRUE(result.storeRoot);
    EXPECT_EQ(result.kind, ko::TestKind::Component);
    EXPECT_EQ(result.sourceKind, kores::kSourceFiles);
    auto agent = std::dynamic_pointer_cast<ko::CDataAgentFile>(result.agent);
    ASSERT_TRUE(agent);
    std::vector<int> numbers;
    ASSERT_TRUE(agent->GetStoreTestNumbers(ko::TestKind::Component, numbers));
    EXPECT_EQ(numbers, (std::vector<int>{201, 202}));

    EXPECT_EQ(kores::CSourceProfile::Selection(), kores::kSourceFiles);
    EXPECT_EQ(QSettings().value("Settings/Selection").toString(), "SS_FILE");
    EXPECT_EQ(kores::CSourceProfile::Database(), "Component");
    EXPECT_EQ(kores::CSourceProfile::Paths(kores::CSourceProfile::kFileDataSection),
              QStringList{SampleStoreRoot()});
    QSettings().setValue("Settings/UserName", "tester");
    CSourceSelection again(ko::TestKind::Vehicle, ko::kLoadableKinds, kores::kSourceFiles, nullptr,
                           EntryMode(ko::EEntryMode::B));
    EXPECT_EQ(again.DirectoryBox()->itemText(0), SampleStoreRoot()) << "the directory list is read back";
    EXPECT_EQ(again.UserNameEdit()->text(), "tester");
}

TEST_F(LocalFiles, RememberedChoicesAreReadBackAtTheNextOpening)
{
    ASSERT_TRUE(QSettings().fileName().startsWith(env.Dir())) << "a profile of the test's own";
    Dialog().DirectoryBox()->setEditText(SampleStoreRoot());
    dialog->DatabaseBox()->setCurrentText("Biomechanics");
    ASSERT_TRUE(dialog->Apply());
    EXPECT_EQ(kores::CBatchTestNumbers().GetDatabase()->GetKind(), ko::TestKind::Biomechanics);

    using kores::CSourceProfile;
    CSourceProfile::AddPath(CSourceProfile::kZipDataSection, "/tests/older.zip");
    CSourceProfile::AddPath(CSourceProfile::kZipDataSection, "/tests/newer.zip");
    CSourceSelection again(ko::TestKind::Vehicle, ko::kLoadableKinds, kores::kSourceFiles, nullptr,
                           EntryMode(ko::EEntryMode::B));
    EXPECT_EQ(again.DirectoryBox()->currentText(), SampleStoreRoot());
    again.ZipDataCheck()->setChecked(true);
    ASSERT_EQ(again.DirectoryBox()->count(), 2);
    EXPECT_EQ(again.DirectoryBox()->itemText(0), "/tests/newer.zip");
    EXPECT_EQ(again.DirectoryBox()->itemText(1), "/tests/older.zip");
    again.FileDataCheck()->setChecked(true);
    EXPECT_EQ(again.DirectoryBox()->currentText(), SampleStoreRoot());

    CSourceSelection database(ko::TestKind::Vehicle, ko::kLoadableKinds, kores::kSourceUnknown, nullptr,
                              EntryMode(ko::EEntryMode::A, 'J'));
    database.ConnectionBox()->setEditText("postgresql://127.0.0.1:1/velder");
    database.UserNameEdit()->setText("tester");
    EXPECT_FALSE(database.Apply()) << "no password";
    CSourceSelection later(ko::TestKind::Vehicle, ko::kLoadableKinds, kores::kSourceUnknown, nullptr,
                           EntryMode(ko::EEntryMode::A, 'J'));
    EXPECT_EQ(later.UserNameEdit()->text(), "tester");

    CSourceProfile::SetDatabase("Crash Avoidance");
    EXPECT_EQ(kores::CBatchTestNumbers().GetDatabase()->GetKind(), ko::TestKind::Vehicle)
        << "a database that cannot be loaded";
}

TEST_F(LocalFiles, TestDirectoryLoadsItsTestWhichEndsTheBatchDialog)
{
    QString withIntrusions;
    for (const QString& directory : SampleTestDirectories()) {
        if (!QDir(directory).entryList({"*.ip5"}, QDir::Files).isEmpty()) withIntrusions = directory;
    }
    ASSERT_FALSE(withIntrusions.isEmpty()) << "the sample store has a test with an IP5 file";
    Dialog().DirectoryBox()->setEditText(withIntrusions);
    EXPECT_EQ(dialog->FileDataCheck()->text(), "IP5 && EV5 && ASCII Signal data");
    ASSERT_TRUE(dialog->Apply()) << (env.Messages().empty() ? "" : env.Messages()[0].second.toStdString());
    EXPECT_FALSE(dialog->Result().storeRoot);
    ASSERT_TRUE(dialog->Result().agent->GetVehicleTest());

    CVelderDoc doc;
    kores::CBatchTestNumbers& batch = doc.Batch();
    EXPECT_TRUE(batch.TakeSource(dialog->Result())) << "the dialog ends right after the source selection";
    ASSERT_EQ(batch.GetVehicleTests().size(), 1u);
    EXPECT_TRUE(batch.NeedsSourceSelection()) << "local files holding one test ask again next time";
    ASSERT_TRUE(doc.LoadFromBatch());
    ASSERT_GT(doc.Model().GetTitleCount(), 0u);
    doc.SelectTitle(doc.Model().GetTitleTexts(0));
    ASSERT_EQ(doc.Model().GetCurrentSignals().size(), 1u) << "its ASCII curve is read";
    EXPECT_GT(doc.Model().GetCurrentSignals()[0]->GetPointCount(), 100);
}

TEST_F(LocalFiles, DirectoryWithoutIntrusionFileOffersEv5AndAscii)
{
    EXPECT_EQ(CSourceSelection::FileDataText(env.Dir()), "EV5 && ASCII Signal data");
}

// A failed connection keeps the dialog open with its text; a connection to
// the server remembers the URL and shows the status lines in the status bar.
TEST(SourceSelectionDialog, WebChoiceConnectsAndRemembersTheServer)
{
    CVelderTestEnv env;
    QMainWindow window;
    CSourceSelection dialog(ko::TestKind::Vehicle, ko::kLoadableKinds, kores::kSourceUnknown, nullptr,
                            EntryMode(ko::EEntryMode::B));
    ASSERT_EQ(dialog.Selection(), kores::kSourceWeb);
    EXPECT_EQ(dialog.ServerURLEdit()->text(), "https://");
    dialog.ServerURLEdit()->setText("http://127.0.0.1:1");
    EXPECT_FALSE(dialog.Apply());
    ASSERT_EQ(env.Messages().size(), 1u);
    EXPECT_EQ(env.Messages()[0].first, QMessageBox::Critical);
    EXPECT_TRUE(env.Messages()[0].second.startsWith("KORVA Web Connection Error: \nError: (7) "))
        << env.Messages()[0].second.toStdString();

    velder_test::ServeProcess server({"--store", SampleStoreRoot().toStdString()});
    dialog.ServerURLEdit()->setText(QString::fromStdString(server.Url()));
    ASSERT_TRUE(dialog.Apply());
    EXPECT_FALSE(window.statusBar()->currentMessage().isEmpty());
    ASSERT_TRUE(dialog.Result().agent->LoadTestList(ko::TestKind::Vehicle));
    EXPECT_EQ(dialog.Result().agent->GetVehTestList().size(), 4u);
    EXPECT_EQ(kores::CSourceProfile::WebURL().toStdString(), server.Url());
    EXPECT_EQ(kores::CSourceProfile::Selection(), kores::kSourceWeb);
}

}  // namespace
