// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "model/test_kind.h"

namespace kores {

// A direct start: velder (--store DIR | --web-url URL [--ca-file PEM] [--insecure] |
// --db-url URL --uds DIR [--user NAME] [--password-file FILE])
// [--db vehdb|comdb|biodb] [--tests N,...]
// [--title ROW] [--command N] [--screenshot FILE.png], or velder FILE.uds...
// [--command N] [--screenshot FILE.png] (the files become the current
// signals), each optionally with --show signal-list|summary|test-spec|uds-spec
// (that dialog opens over the window, and the screenshot shows it). --command
// runs a main-frame command by its number once started; the screenshot then
// shows the dialog it opened. ROW counts the title rows in title order from 0,
// as velder-cli titles does.
struct CStartOptions {
    QString store;   // empty: the usual start with the test selection
    QString webUrl;  // instead of a store: the web server
    QString caFile;
    bool insecure = false;
    QString dbUrl;  // instead of a store: the test database, its curves below uds
    QString uds;
    QString user;
    QString passwordFile;  // none: the password from VELDER_DB_PASSWORD
    ko::TestKind kind = ko::TestKind::Vehicle;
    std::vector<int> tests;
    std::optional<int> titleRow;  // from 0
    std::optional<int> command;
    QString screenshot;
    QString show;       // a View dialog to open over the window (--show)
    QStringList files;  // UDS-1992 files to open without a source

    // One of --store, --web-url and --db-url was given.
    bool HasSource() const { return !store.isEmpty() || !webUrl.isEmpty() || !dbUrl.isEmpty(); }
};

// Reads the program's arguments (the first is the program); false with the
// reason in error for a bad or incomplete option. --help and --version are
// not options here.
bool ParseStartOptions(const QStringList& arguments, CStartOptions& options, QString& error);
QString StartUsage();

}  // namespace kores
