// SPDX-License-Identifier: GPL-3.0-or-later
// The command-line options of a direct start.
#include "app/start_options.h"

#include <gtest/gtest.h>

using namespace kores;

namespace {

struct Parsed {
    bool ok = false;
    CStartOptions options;
    QString error;
};

Parsed Parse(const QStringList& arguments)
{
    Parsed parsed;
    parsed.ok = ParseStartOptions(QStringList{"velder"} + arguments, parsed.options, parsed.error);
    return parsed;
}

TEST(StartOptions, NoArgumentsIsTheUsualStart)
{
    const Parsed parsed = Parse({});
    ASSERT_TRUE(parsed.ok);
    EXPECT_TRUE(parsed.options.store.isEmpty());
    EXPECT_TRUE(parsed.options.screenshot.isEmpty());
}

TEST(StartOptions, StoreWithDatabaseTestsTitleAndScreenshot)
{
    const Parsed parsed = Parse({"--store", "/data/store", "--db", "biodb", "--tests", "12,7,40", "--title",
                                 "0", "--screenshot", "w.png", "--show", "uds-spec"});
    ASSERT_TRUE(parsed.ok) << parsed.error.toStdString();
    EXPECT_EQ(parsed.options.store, "/data/store");
    EXPECT_EQ(parsed.options.kind, ko::TestKind::Biomechanics);
    EXPECT_EQ(parsed.options.tests, (std::vector<int>{12, 7, 40}));
    EXPECT_EQ(parsed.options.titleRow, 0);
    EXPECT_EQ(parsed.options.screenshot, "w.png");
    EXPECT_EQ(parsed.options.show, "uds-spec");
    EXPECT_EQ(Parse({"--store", "s"}).options.kind, ko::TestKind::Vehicle) << "vehicle tests by default";
}

TEST(StartOptions, WebServerInsteadOfAStore)
{
    const Parsed parsed =
        Parse({"--web-url", "https://127.0.0.1:8443", "--ca-file", "ca.pem", "--tests", "101"});
    ASSERT_TRUE(parsed.ok) << parsed.error.toStdString();
    EXPECT_EQ(parsed.options.webUrl, "https://127.0.0.1:8443");
    EXPECT_EQ(parsed.options.caFile, "ca.pem");
    EXPECT_FALSE(parsed.options.insecure);
    EXPECT_EQ(Parse({"--web-url", "http://h", "--store", "/s"}).error,
              "--store, --web-url and --db-url exclude each other.");
    EXPECT_EQ(Parse({"--insecure"}).error, "--ca-file and --insecure need --web-url.");
}

TEST(StartOptions, DatabaseWithItsUdsStoreAndLogin)
{
    const Parsed parsed =
        Parse({"--db-url", "postgresql://127.0.0.1:5432/velder", "--uds", "/data/store", "--user", "vehdb",
               "--password-file", "/run/pw", "--tests", "101", "--title", "2"});
    ASSERT_TRUE(parsed.ok) << parsed.error.toStdString();
    EXPECT_EQ(parsed.options.dbUrl, "postgresql://127.0.0.1:5432/velder");
    EXPECT_EQ(parsed.options.uds, "/data/store");
    EXPECT_EQ(parsed.options.user, "vehdb");
    EXPECT_EQ(parsed.options.passwordFile, "/run/pw");
    EXPECT_TRUE(parsed.options.HasSource());
    EXPECT_EQ(Parse({"--db-url", "sqlite:/db"}).error, "--db-url needs --uds DIR.");
    EXPECT_EQ(Parse({"--uds", "/s", "--store", "/s"}).error,
              "--uds, --user and --password-file need --db-url.");
    EXPECT_EQ(Parse({"--db-url", "sqlite:/db", "--uds", "/s", "--web-url", "http://h"}).error,
              "--store, --web-url and --db-url exclude each other.");
    EXPECT_FALSE(Parse({"--db-url", "sqlite:/db", "--uds", "/s", "--password", "x"}).ok)
        << "a password is never an argument";
}

TEST(StartOptions, FilesOpenWithoutASource)
{
    const Parsed parsed = Parse({"a.uds", "/data/b.uds", "--screenshot", "w.png"});
    ASSERT_TRUE(parsed.ok) << parsed.error.toStdString();
    EXPECT_EQ(parsed.options.files, QStringList({"a.uds", "/data/b.uds"}));
    EXPECT_TRUE(parsed.options.store.isEmpty());
    EXPECT_EQ(parsed.options.screenshot, "w.png");
}

TEST(StartOptions, BadValuesAreRefusedWithAReason)
{
    for (const QStringList& bad :
         {QStringList{"--store", "s", "--db", "tcadb"}, QStringList{"--store", "s", "--tests", "1,0"},
          QStringList{"--store", "s", "--tests", "5,,6"}, QStringList{"--store", "s", "--title", "-1"},
          QStringList{"--store", "s", "--title", "x"}, QStringList{"--tests", "5"}, QStringList{"--store"},
          QStringList{"--bogus"}, QStringList{"--store", "s", "a.uds"},
          QStringList{"--store", "s", "--show", "graph"}}) {
        const Parsed parsed = Parse(bad);
        EXPECT_FALSE(parsed.ok) << bad.join(' ').toStdString();
        EXPECT_FALSE(parsed.error.isEmpty()) << bad.join(' ').toStdString();
    }
}

}  // namespace
