// SPDX-License-Identifier: GPL-3.0-or-later
// The source options shared by the selection commands of velder-cli:
//   --store DIR --tests N[,N...]   tests of a store root (slash layout)
//   --dir TESTDIR                  the one test of a chosen directory
//   --db vehdb|comdb|biodb         the database kind
//   --web-url URL --tests N[,N...] [--ca-file PEM] [--insecure]
//                                  tests of a web server (HTTPS verified
//                                  against the system store or the CA file)
//   --db-url URL --uds DIR [--user NAME] [--password-file FILE]
//                                  tests of a test database (sqlite:DIR or
//                                  postgresql://HOST:PORT/DBNAME), curves from the
//                                  UDS store DIR; the password comes from the file
//                                  or VELDER_DB_PASSWORD, never from an argument
#pragma once
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "model/test_kind.h"

namespace ko {
class CDataAgentFile;
class CDataAgentWeb;
class CDataAgentOtl;
class CDocument;
}  // namespace ko

namespace cli {

inline constexpr const char* kSourceUsage =
    "(--store DIR --tests N[,N...] | --dir TESTDIR | --web-url URL [--ca-file PEM] [--insecure] --tests "
    "N[,N...] | --db-url URL --uds DIR [--user NAME] [--password-file FILE] --tests N[,N...]) "
    "--db vehdb|comdb|biodb";

struct SourceArgs {
    std::string store;
    std::vector<int> tests;
    std::string dir;
    ko::TestKind kind = ko::TestKind::None;  // None: no --db
    std::string webUrl;
    std::string caFile;
    bool insecure = false;
    std::string dbUrl;
    std::string uds;
    std::string user;
    std::string passwordFile;
    std::vector<std::string> rest;  // every other argument, in order
};

// Takes the source options out of args. Throws std::invalid_argument for a
// missing or malformed value.
SourceArgs ParseSourceArgs(const std::vector<std::string>& args);

// The kind of "vehdb", "comdb", "biodb"; throws std::invalid_argument otherwise.
ko::TestKind ParseDatabase(const std::string& text);

// "12,40,7" as numbers; throws std::invalid_argument naming the option.
std::vector<int> ParseTestNumbers(const std::string& text);

// Takes "name VALUE" out of rest into value; false when name is absent.
bool TakeOption(std::vector<std::string>& rest, const std::string& name, std::string& value);
// Takes the flag name out of rest; false when it is absent.
bool TakeFlag(std::vector<std::string>& rest, const std::string& name);

// A file agent on a store root; throws std::runtime_error with its failure text.
std::shared_ptr<ko::CDataAgentFile> OpenStore(const std::string& root);

// A web agent connected to --web-url; throws std::runtime_error
// "KORVA Web Connection Error: " and the failure text when it cannot connect.
std::shared_ptr<ko::CDataAgentWeb> OpenWeb(const SourceArgs& source);
// A database agent logged in with the source's user and password (from
// --password-file, else VELDER_DB_PASSWORD); an expiry warning goes to err.
// Throws std::runtime_error with the login text.
std::shared_ptr<ko::CDataAgentOtl> OpenDatabase(const SourceArgs& source, std::ostream& err);
// The password of the source: the first line of --password-file, else VELDER_DB_PASSWORD.
std::string SourcePassword(const SourceArgs& source);

// Loads the tests of the source into document through a new file agent. Each
// test that fails is reported on err with the agent's text; throws
// std::runtime_error when no test could be loaded. Requires --db and exactly
// one of --store with --tests, --web-url with --tests, or --dir.
void LoadSource(ko::CDocument& document, const SourceArgs& source, std::ostream& err);

// The document's failures, one text per line.
void PrintFailures(const ko::CDocument& document, std::ostream& err);

}  // namespace cli
