// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/start_options.h"

#include <QCommandLineParser>

#include "app/viewer_commands.h"
#include "document/test_number_choice.h"
#include "model/test_kind.h"

namespace kores {

namespace {

bool ParseTests(const QString& list, std::vector<int>& tests)
{
    for (const QString& item : list.split(',')) {
        const auto number = ko::CTestNumberChoice::ParseEntry(item.toStdString());
        if (!number) return false;
        tests.push_back(*number);
    }
    return true;
}

bool ParseTitleRow(const QString& text, std::optional<int>& row)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < 0) return false;
    row = value;
    return true;
}

}  // namespace

QString StartUsage()
{
    return "velder [(--store DIR | --web-url URL [--ca-file PEM] [--insecure] | --db-url URL --uds DIR "
           "[--user NAME] [--password-file FILE]) [--db vehdb|comdb|biodb] "
           "[--tests N,...] [--title ROW] | FILE.uds...] "
           "[--command N] [--screenshot FILE.png] [--show signal-list|summary|test-spec|uds-spec]";
}

bool ParseStartOptions(const QStringList& arguments, CStartOptions& options, QString& error)
{
    QCommandLineParser parser;
    const QCommandLineOption store("store", "A test store to open.", "DIR");
    const QCommandLineOption db("db", "The database: vehdb, comdb or biodb.", "NAME", "vehdb");
    const QCommandLineOption tests("tests", "Test numbers to load.", "N,...");
    const QCommandLineOption title("title", "The title row to plot, from 0 as velder-cli titles counts.",
                                   "ROW");
    const QCommandLineOption screenshot("screenshot", "Write the window as PNG and exit.", "FILE");
    const QCommandLineOption show("show", "A dialog to open: signal-list, summary, test-spec or uds-spec.",
                                  "NAME");
    const QCommandLineOption command("command", "A main-frame command number to run once started.", "N");
    const QCommandLineOption webUrl("web-url", "A web server to load the tests from.", "URL");
    const QCommandLineOption caFile("ca-file", "CA certificates that verify the web server.", "PEM");
    const QCommandLineOption insecure("insecure", "Do not verify the web server's certificate.");
    const QCommandLineOption dbUrl("db-url", "A test database to load the tests from.", "URL");
    const QCommandLineOption uds("uds", "The UDS store of the test database's curves.", "DIR");
    const QCommandLineOption user("user", "The user name of the database login.", "NAME");
    const QCommandLineOption passwordFile("password-file", "A file whose first line is the password.",
                                          "FILE");
    parser.addOptions({store, db, tests, title, command, screenshot, show, webUrl, caFile, insecure, dbUrl,
                       uds, user, passwordFile});
    if (!parser.parse(arguments)) {
        error = parser.errorText();
        return false;
    }
    options.store = parser.value(store);
    options.webUrl = parser.value(webUrl);
    options.caFile = parser.value(caFile);
    options.insecure = parser.isSet(insecure);
    options.dbUrl = parser.value(dbUrl);
    options.uds = parser.value(uds);
    options.user = parser.value(user);
    options.passwordFile = parser.value(passwordFile);
    if (int(!options.store.isEmpty()) + int(!options.webUrl.isEmpty()) + int(!options.dbUrl.isEmpty()) > 1) {
        error = "--store, --web-url and --db-url exclude each other.";
        return false;
    }
    if (options.dbUrl.isEmpty() && (parser.isSet(uds) || parser.isSet(user) || parser.isSet(passwordFile))) {
        error = "--uds, --user and --password-file need --db-url.";
        return false;
    }
    if (!options.dbUrl.isEmpty() && options.uds.isEmpty()) {
        error = "--db-url needs --uds DIR.";
        return false;
    }
    if (options.webUrl.isEmpty() && (parser.isSet(caFile) || options.insecure)) {
        error = "--ca-file and --insecure need --web-url.";
        return false;
    }
    options.files = parser.positionalArguments();
    if (options.HasSource() && !options.files.isEmpty()) {
        error = "Unexpected argument beside --store, --web-url or --db-url: " + options.files.first();
        return false;
    }
    const auto kind = ko::LoadableKindFromName(parser.value(db).toStdString());
    if (!kind) {
        error = "Unknown database: " + parser.value(db);
        return false;
    }
    options.kind = *kind;
    if (parser.isSet(tests) && !ParseTests(parser.value(tests), options.tests)) {
        error = "Test numbers are whole numbers from 1 to 99999: " + parser.value(tests);
        return false;
    }
    if (parser.isSet(title) && !ParseTitleRow(parser.value(title), options.titleRow)) {
        error = "The title row is a number from 0: " + parser.value(title);
        return false;
    }
    if (parser.isSet(command)) {
        bool ok = false;
        options.command = parser.value(command).toInt(&ok);
        if (!ok) {
            error = "The command is a number: " + parser.value(command);
            return false;
        }
    }
    options.screenshot = parser.value(screenshot);
    options.show = parser.value(show);
    if (parser.isSet(show) && !CViewerCommands::CommandOfName(options.show)) {
        error = "Unknown dialog: " + options.show + " (signal-list, summary, test-spec or uds-spec)";
        return false;
    }
    if (!options.HasSource() && (parser.isSet(db) || parser.isSet(tests) || parser.isSet(title))) {
        error = "--db, --tests and --title need --store, --web-url or --db-url.";
        return false;
    }
    return true;
}

}  // namespace kores
