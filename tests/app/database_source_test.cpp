// SPDX-License-Identifier: GPL-3.0-or-later
// The database choice of the source selection: login, the password questions
// and the password change, the batch dialog fed from the database, the direct
// start and the usage row. The DatabaseSourceOnServer cases need the
// throwaway PostgreSQL server (ctest -L postgres) and are skipped elsewhere.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QSettings>
#include <cstdlib>

#include "app/batch_test_numbers.h"
#include "app/change_password_dialog.h"
#include "app/database_login.h"
#include "app/dialog_runner.h"
#include "app/direct_start.h"
#include "app/main_frame.h"
#include "app/source_selection.h"
#include "app/start_options.h"
#include "app/usage_tracking.h"
#include "app/velder_doc.h"
#include "app/velder_grid.h"
#include "app/velder_view.h"
#include "db/connection.h"
#include "document/document.h"
#include "sources/data_agent_otl.h"
#include "sources/db_import.h"
#include "sources/db_session.h"
#include "velder_test_env.h"

using namespace kores;

namespace {

std::string Env(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// The sample store imported once into an SQLite database (test 102 held).
QString SampleDatabase()
{
    static QTemporaryDir folder;
    static const bool imported = [] {
        ko::db::CConnection connection("sqlite:" + folder.path().toStdString(), {}, true);
        const auto failures = ko::ImportStore(SampleStoreRoot().toStdString(), connection, {102});
        for (const auto& failure : failures) ADD_FAILURE() << failure.number << ": " << failure.text;
        return true;
    }();
    (void)imported;
    return "sqlite:" + folder.path();
}

// Answers for the boxes and dialogs a login may open: each YES/NO question
// takes the next answer, the password change dialog is filled and pressed.
struct CAnswers {
    std::vector<bool> yes;
    QString newPassword;
    QString confirm;
    bool cancelChange = false;
    std::vector<QString> questions;
    int changeDialogs = 0;

    // YES to the first question, then the change to newPassword (confirmed as confirm).
    static CAnswers Yes(const QString& newPassword, const QString& confirm = QString())
    {
        CAnswers answers;
        answers.yes = {true};
        answers.newPassword = newPassword;
        answers.confirm = confirm;
        return answers;
    }

    void operator()(QDialog& dialog)
    {
        if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
            questions.push_back(box->text());
            const bool answer = questions.size() <= yes.size() && yes[questions.size() - 1];
            box->button(answer ? QMessageBox::Yes : QMessageBox::No)->click();
        } else if (auto* change = qobject_cast<CChangePassword*>(&dialog)) {
            ++changeDialogs;
            if (cancelChange) return dialog.reject();
            change->NewPasswordEdit().setText(newPassword);
            change->ConfirmEdit().setText(confirm.isNull() ? newPassword : confirm);
            change->accept();
        }
    }
};

class DatabaseSource : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv(ko::kDriveMapVariable, ("U=" + SampleStoreRoot()).toUtf8().constData(), 1);
    }
    void TearDown() override { unsetenv(ko::kDriveMapVariable); }

    CSourceSelection& Dialog(const QString& tns)
    {
        dialog_ =
            std::make_unique<CSourceSelection>(ko::TestKind::Vehicle, ko::kLoadableKinds, kSourceUnknown,
                                               nullptr, EntryMode(ko::EEntryMode::A, 'U'));
        dialog_->ConnectionBox()->setEditText(tns);
        return *dialog_;
    }
    QString LastMessage() const
    {
        return env_.Messages().empty() ? QString() : env_.Messages().back().second;
    }

    CVelderTestEnv env_;
    std::unique_ptr<CSourceSelection> dialog_;
};

TEST_F(DatabaseSource, SqliteNeedsNoLoginAndFeedsTheBatchDialogFromTheDatabase)
{
    CSourceSelection& dialog = Dialog(SampleDatabase());
    EXPECT_EQ(dialog.Selection(), kSourceDatabase);
    EXPECT_EQ(dialog.DriveBox()->currentText(), "[-u-]");
    EXPECT_FALSE(dialog.PasswordEdit()->isEnabled()) << "an SQLite database has no login";
    dialog.show();
    EXPECT_TRUE(dialog.grab().save(QString(VELDER_BUILD_DIR) + "/velder_dialog_source_database.png"));
    ASSERT_TRUE(dialog.Apply()) << LastMessage().toStdString();
    const CSourceResult& result = dialog.Result();
    auto agent = std::dynamic_pointer_cast<ko::CDataAgentOtl>(result.agent);
    ASSERT_TRUE(agent);
    EXPECT_EQ(agent->GetUDSDrive(), SampleStoreRoot().toStdString());
    EXPECT_EQ(result.sourceKind, kSourceDatabase);
    EXPECT_FALSE(result.storeRoot);
    EXPECT_EQ(CSourceProfile::Selection(), kSourceDatabase);
    EXPECT_EQ(QSettings().value("Settings/Drive").toString(), "u");
    EXPECT_EQ(CSourceProfile::Paths(CSourceProfile::kTnsSection).value(0), SampleDatabase());

    CBatchTestNumbers batch;
    EXPECT_FALSE(batch.TakeSource(result));
    ASSERT_TRUE(batch.FillAvailable()) << LastMessage().toStdString();
    QStringList listed;
    for (int i = 0; i < batch.AvailableList()->count(); ++i) listed << batch.AvailableList()->item(i)->text();
    EXPECT_EQ(listed, QStringList({"101", "103", "104", "102"})) << "production before holding";
    batch.AddNumber(102);
    batch.AddNumber(103);
    batch.AddNumber(4711);
    const QString report = batch.LoadChosenTests();
    EXPECT_TRUE(report.contains("Test Number: 4711 is invalid.")) << report.toStdString();
    ASSERT_EQ(batch.GetVehicleTests().size(), 2u);
    EXPECT_EQ(agent->GetTrackStatus(), ko::CDataAgentOtl::kProduction) << "103 was loaded last";

    // The remembered connection text comes back with the next dialog.
    CSourceSelection again(ko::TestKind::Vehicle, ko::kLoadableKinds, kSourceDatabase, nullptr,
                           EntryMode(ko::EEntryMode::A, 'U'));
    EXPECT_EQ(again.ConnectionBox()->currentText(), SampleDatabase());
}

TEST_F(DatabaseSource, MissingConnectionTextOrDriveKeepsTheDialogOpen)
{
    EXPECT_FALSE(Dialog("").Apply());
    EXPECT_TRUE(env_.Messages().empty()) << "the empty field takes the focus";
    EXPECT_FALSE(Dialog("oracle://korva").Apply());
    EXPECT_FALSE(LastMessage().isEmpty());
    EXPECT_FALSE(dialog_->Result().agent);

    unsetenv(ko::kDriveMapVariable);
    env_.ClearMessages();
    EXPECT_FALSE(Dialog(SampleDatabase()).Apply());
    EXPECT_TRUE(LastMessage().startsWith("There is no UDS drive")) << LastMessage().toStdString();
    EXPECT_EQ(CSourceProfile::Selection(), kSourceUnknown) << "nothing written before success";
}

TEST_F(DatabaseSource, ForbiddenPasswordIsRefusedBeforeAnyConnection)
{
    // Nothing listens on port 1: a connection attempt would show "TNS incorrect".
    CSourceSelection& dialog = Dialog("postgresql://127.0.0.1:1/velder");
    dialog.UserNameEdit()->setText("velder");
    dialog.PasswordEdit()->setText("pa/ss");
    CAnswers answers;
    {
        CDialogHookScope hook(std::ref(answers));
        EXPECT_FALSE(dialog.Apply());
    }
    ASSERT_EQ(answers.questions.size(), 1u);
    EXPECT_EQ(answers.questions[0], QString::fromStdString(ko::ForbiddenPasswordQuestion("Velder")));
    EXPECT_EQ(answers.changeDialogs, 0);
    EXPECT_TRUE(dialog.PasswordEdit()->text().isEmpty());
    EXPECT_TRUE(env_.Messages().empty()) << LastMessage().toStdString();

    // YES, then a change whose new passwords differ in case only, then Cancel.
    dialog.PasswordEdit()->setText("pa\"ss");
    answers = CAnswers::Yes("Secret", "secret");
    {
        CDialogHookScope hook([&](QDialog& shown) {
            answers(shown);
            if (qobject_cast<CChangePassword*>(&shown)) shown.reject();
        });
        EXPECT_FALSE(dialog.Apply());
    }
    EXPECT_EQ(answers.changeDialogs, 1);
    ASSERT_EQ(env_.Messages().size(), 1u);
    EXPECT_EQ(env_.Messages()[0].second, QString::fromStdString(ko::PasswordMismatchText()));
    EXPECT_TRUE(dialog.PasswordEdit()->text().isEmpty());
}

TEST_F(DatabaseSource, LoginMessagesDecideWhetherTheSelectionStays)
{
    QLineEdit password("typed");
    const CTypedLogin typed{"velder", &password, "postgresql://127.0.0.1:1/velder"};
    CAnswers no;
    CDialogHookScope hook(std::ref(no));

    EXPECT_EQ(HandleLoginMessage(nullptr, "ORA-12560: TNS incorrect", typed), 1);
    EXPECT_EQ(LastMessage(), "ORA-12560: TNS incorrect");
    EXPECT_TRUE(password.text().isEmpty());
    EXPECT_TRUE(no.questions.empty()) << "an error is a box, not a question";

    password.setText("typed");
    const QString expired = "ORA-28001: The password has expired. Please call the DBA.";
    EXPECT_EQ(HandleLoginMessage(nullptr, expired, typed), 1);
    ASSERT_EQ(no.questions.size(), 1u);
    EXPECT_TRUE(
        no.questions[0].startsWith("Your password has expired. You must change \nyour password before "
                                   "using the application Velder\n\n" +
                                   expired));
    EXPECT_TRUE(password.text().isEmpty());

    password.setText("typed");
    const QString expiring = "ORA-28002: The password will expire within days.";
    EXPECT_EQ(HandleLoginMessage(nullptr, expiring, typed), 0) << "NO keeps the session";
    EXPECT_EQ(password.text(), "typed");
    ASSERT_EQ(no.questions.size(), 2u);
    EXPECT_TRUE(
        no.questions[1].startsWith("Your password will expire within days.  You should \n"
                                   "change your password before it expires.\n\n" +
                                   expiring));

    // YES with a change that fails (no server) keeps the session too.
    CAnswers yes = CAnswers::Yes("fresh");
    CDialogHookScope failing(std::ref(yes));
    env_.ClearMessages();
    EXPECT_EQ(HandleLoginMessage(nullptr, expiring, typed), 0);
    EXPECT_EQ(yes.changeDialogs, 1);
    EXPECT_TRUE(LastMessage().endsWith("TNS incorrect")) << LastMessage().toStdString();
}

TEST_F(DatabaseSource, PasswordChangeChecksItsFieldsBeforeTheDatabase)
{
    CChangePassword change("velder", "old", SampleDatabase());
    EXPECT_EQ(change.windowTitle(), "Change Your Database Password");
    change.accept();
    EXPECT_TRUE(env_.Messages().empty()) << "an empty field takes the focus";
    EXPECT_EQ(change.result(), QDialog::Rejected);

    change.NewPasswordEdit().setText("new@one");
    change.ConfirmEdit().setText("new@one");
    change.accept();
    EXPECT_EQ(LastMessage(), QString::fromStdString(ko::ForbiddenCharacterMessage()));
    EXPECT_TRUE(change.NewPasswordEdit().text().isEmpty());
    EXPECT_TRUE(change.ConfirmEdit().text().isEmpty());

    change.NewPasswordEdit().setText("fresh");
    change.ConfirmEdit().setText("fresh");
    change.accept();
    EXPECT_EQ(LastMessage(), "This database has no login and no password to change.");
    EXPECT_EQ(change.result(), QDialog::Rejected);
    EXPECT_TRUE(change.NewPasswordEdit().text().isEmpty());
}

TEST_F(DatabaseSource, DirectStartPlotsTheSameTitlesAsTheStoreAndTracksTheRun)
{
    CMainFrame fromStore;
    CStartOptions store;
    store.store = SampleStoreRoot();
    store.tests = {101, 102, 103};
    store.titleRow = 0;
    ASSERT_EQ(StartDirect(fromStore, store), "");

    CMainFrame fromDatabase;
    CStartOptions database = store;
    database.store.clear();
    database.dbUrl = SampleDatabase();
    database.uds = SampleStoreRoot();
    ASSERT_EQ(StartDirect(fromDatabase, database), "");
    const CVelderGrid& storeGrid = fromStore.TitleView().Grid();
    const CVelderGrid& databaseGrid = fromDatabase.TitleView().Grid();
    ASSERT_GT(databaseGrid.Model().RowCount(), 0);
    EXPECT_EQ(databaseGrid.Model().RowCount(), storeGrid.Model().RowCount());
    const auto& signals = fromDatabase.Document().Model().GetCurrentSignals();
    ASSERT_EQ(signals.size(), 3u) << "title row 0 of the three tests";
    const auto& fromFiles = fromStore.Document().Model().GetCurrentSignals();
    for (std::size_t i = 0; i < signals.size(); ++i)
        EXPECT_EQ(signals[i]->GetY(), fromFiles[i]->GetY()) << "the curves come from the same UDS files";

    database.uds.clear();
    database.dbUrl = "sqlite:" + env_.Dir() + "/none";
    CMainFrame missing;
    EXPECT_FALSE(StartDirect(missing, database).isEmpty()) << "a missing database is refused, not created";

    // The usage row: only when the profile turns it on.
    const auto agent = fromDatabase.Document().Batch().GetAgent();
    const auto count = [&] {
        auto connection = std::dynamic_pointer_cast<ko::CDataAgentOtl>(agent)->GetConnection();
        ko::db::CSelectStream rows(*connection, 1, "SELECT COUNT(*) FROM KORVADB.USAGE",
                                   {ko::ColumnType::Int});
        std::vector<ko::CFieldValue> row;
        return rows.Next(row) ? std::get<int>(row[0]) : -1;
    };
    const int before = count();
    TrackRun(agent);
    EXPECT_EQ(count(), before);
    QSettings().setValue("Settings/UsageTracking", "1");
    TrackRun(agent);
    EXPECT_EQ(count(), before + 1);
}

// Login, expiry and the password change on the server.
class DatabaseSourceOnServer : public DatabaseSource {
protected:
    void SetUp() override
    {
        if (Env("VELDER_TEST_PG_SOON").empty()) GTEST_SKIP() << "needs scripts/with-postgres";
        DatabaseSource::SetUp();
    }
    CSourceSelection& Login(const std::string& user, const QString& password)
    {
        CSourceSelection& dialog = Dialog(QString::fromStdString(Env("VELDER_TEST_DB_URL")));
        dialog.UserNameEdit()->setText(QString::fromStdString(user));
        dialog.PasswordEdit()->setText(password);
        return dialog;
    }
};

TEST_F(DatabaseSourceOnServer, WrongPasswordExpiryAndChangeThroughTheDialog)
{
    const QString password = QString::fromStdString(Env("VELDER_DB_PASSWORD"));
    CAnswers answers;
    CDialogHookScope hook(std::ref(answers));
    EXPECT_FALSE(Login(Env("VELDER_TEST_DB_USER"), password + "x").Apply());
    EXPECT_EQ(LastMessage(), "ORA-01017: Login fails: please check your username/password.");
    EXPECT_TRUE(dialog_->PasswordEdit()->text().isEmpty());

    EXPECT_TRUE(Login(Env("VELDER_TEST_PG_SOON"), password).Apply()) << "NO to the expiry question";
    ASSERT_EQ(answers.questions.size(), 1u);
    EXPECT_TRUE(answers.questions[0].startsWith("Your password will expire"));
    EXPECT_TRUE(std::dynamic_pointer_cast<ko::CDataAgentOtl>(dialog_->Result().agent)->GetConnection());

    // YES and a new password with quotes: changed, and the open session goes on.
    const QString fresh = "it's new; \\ DROP ROLE velder";
    answers = CAnswers::Yes(fresh);
    EXPECT_TRUE(Login(Env("VELDER_TEST_PG_SOON"), password).Apply());
    EXPECT_EQ(answers.changeDialogs, 1);
    EXPECT_EQ(LastMessage(), ko::kPasswordChanged);
    EXPECT_TRUE(dialog_->PasswordEdit()->text().isEmpty());
    answers = CAnswers{};
    EXPECT_FALSE(Login(Env("VELDER_TEST_PG_SOON"), password).Apply()) << "the old password is gone";
    EXPECT_TRUE(Login(Env("VELDER_TEST_PG_SOON"), fresh).Apply()) << LastMessage().toStdString();
    EXPECT_TRUE(Login(Env("VELDER_TEST_DB_USER"), password).Apply()) << "the other role is untouched";
}

}  // namespace
