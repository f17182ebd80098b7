// SPDX-License-Identifier: GPL-3.0-or-later
// Login texts, expiry, password change and the usage tracker; the server cases
// run under scripts/with-postgres (ctest -L postgres) and are skipped elsewhere.
#include <gtest/gtest.h>

#include <cstdlib>

#include "db/connection.h"
#include "db/db_error.h"
#include "db/schema.h"
#include "sources/data_agent_otl.h"
#include "sources/db_session.h"

namespace {

using namespace ko;

std::string Env(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

TEST(DatabaseSession, TextsOfTheLoginConditions)
{
    EXPECT_EQ(FormatDatabaseError(db::CDbError("  ", db::kNoServer)), "ORA-12560: TNS incorrect");
    EXPECT_EQ(FormatDatabaseError(db::CDbError(" server says no", db::kBadLogin)), "server says no");
    EXPECT_EQ(FormatDatabaseError(db::CDbError("", 42)),
              "Login fails: please check your username/password/database-tns.");
    EXPECT_FALSE(CheckPasswordCharacters("a/b"));
    EXPECT_FALSE(CheckPasswordCharacters("a@b"));
    EXPECT_FALSE(CheckPasswordCharacters("a\"b"));
    EXPECT_TRUE(CheckPasswordCharacters("it's fine"));
    const std::string expiring = FormatDatabaseError(db::CDbError("", db::kPasswordExpiring));
    EXPECT_EQ(ClassifyLoginMessage(expiring), LoginMessage::Expiring);
    EXPECT_EQ(ExpiringPasswordQuestion(expiring).substr(0, 51),
              "Your password will expire within days.  You should ");
    EXPECT_EQ(ClassifyLoginMessage(FormatDatabaseError(db::CDbError("", db::kPasswordExpired))),
              LoginMessage::Expired);
    EXPECT_EQ(ChangePasswordFailureText(db::CDbError("", db::kBadLogin)),
              "Login fails: please check your username/password.");
}

class DatabaseLogin : public ::testing::Test {
protected:
    void SetUp() override
    {
        url_ = Env("VELDER_TEST_DB_URL");
        if (Env("VELDER_TEST_PG_SOON").empty()) GTEST_SKIP() << "needs scripts/with-postgres";
    }
    bool Login(CDataAgentOtl& agent, const std::string& user, const std::string& password)
    {
        agent.SetTnsName(url_);
        return agent.Login(user, password);
    }
    std::string url_;
};

TEST_F(DatabaseLogin, ServerConditionsMapToTheLoginCodes)
{
    const std::string password = Env("VELDER_DB_PASSWORD");
    CDataAgentOtl agent;
    EXPECT_TRUE(Login(agent, Env("VELDER_TEST_DB_USER"), password));
    EXPECT_EQ(agent.GetLastError(), "");
    EXPECT_FALSE(Login(agent, Env("VELDER_TEST_DB_USER"), password + "x"));
    EXPECT_EQ(agent.GetLastError(), "ORA-01017: Login fails: please check your username/password.");
    // A password past its validity is refused like a wrong one: the server does not say which.
    EXPECT_FALSE(Login(agent, Env("VELDER_TEST_PG_OLD"), password));
    EXPECT_EQ(agent.GetLastError(), "ORA-01017: Login fails: please check your username/password.");
    EXPECT_TRUE(Login(agent, Env("VELDER_TEST_PG_SOON"), password));
    EXPECT_EQ(agent.GetLastError(), "ORA-28002: The password will expire within days.");
    agent.SetTnsName("postgresql://127.0.0.1:1/velder");
    EXPECT_FALSE(agent.Login("velder", password));
    EXPECT_EQ(agent.GetLastError(), "ORA-12560: TNS incorrect");
}

TEST_F(DatabaseLogin, PasswordChangeAndUsageRow)
{
    const std::string user = Env("VELDER_TEST_PG_SOON"), old = Env("VELDER_DB_PASSWORD");
    const std::string quoted = "it's a \\ new one; DROP ROLE velder";
    db::ChangePassword(url_, user, old, quoted);
    CDataAgentOtl agent;
    EXPECT_FALSE(Login(agent, user, old));
    ASSERT_TRUE(Login(agent, user, quoted)) << agent.GetLastError();
    db::ChangePassword(url_, user, quoted, old);
    EXPECT_THROW(db::ChangePassword(url_, user, "wrong", "other"), db::CDbError);

    ASSERT_TRUE(Login(agent, Env("VELDER_TEST_DB_USER"), old));
    db::CConnection& connection = *agent.GetConnection();
    db::CreateSchema(connection);
    EXPECT_EQ(TrackUsage(&connection, "velder", "o'brien"), 0);
    db::CSelectStream rows(connection, 10,
                           "SELECT USERNAME FROM KORVADB.USAGE WHERE APPLICATION=:A<char[20]>",
                           {ColumnType::Text}, {CFieldValue("velder")});
    std::vector<CFieldValue> row;
    ASSERT_TRUE(rows.Next(row));
    EXPECT_EQ(std::get<std::string>(row[0]), "o'brien");
    EXPECT_EQ(TrackUsage(nullptr, "velder", "x"), -1);
}

}  // namespace
