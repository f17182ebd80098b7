// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/field_value.h"

namespace ko::db {

enum class Backend { SQLite, PostgreSQL };

// A connection text: "sqlite:DIR" (a folder of vehdb.sqlite, comdb.sqlite,
// biodb.sqlite and korvadb.sqlite, attached as VEHDB, COMDB, BIODB and
// KORVADB) or "postgresql://HOST:PORT/DBNAME" (schemas of those names). It
// never carries a user name or password.
struct CConnectText {
    Backend backend = Backend::SQLite;
    std::string directory;  // SQLite
    std::string host;       // PostgreSQL
    std::string port;
    std::string database;
};

// Throws std::invalid_argument for any other text, and for a URL with a user part.
CConnectText ParseConnectText(const std::string& text);

// The file of a schema ("VEHDB" → DIR/vehdb.sqlite).
std::string SchemaFile(const std::string& directory, std::string_view schema);

inline constexpr const char* kSchemas[] = {"VEHDB", "COMDB", "BIODB", "KORVADB"};

struct CLogin {
    std::string user;
    std::string password;
    int timeoutSeconds = 10;  // connect timeout
};

// One session with auto-commit off between Begin and Commit. Every failure is
// a CDbError; a failed log-on carries kBadLogin or kNoServer with an empty
// message when the condition is recognised.
class CConnection {
public:
    // create: SQLite files missing from the folder are created (else refused).
    CConnection(const std::string& connectText, const CLogin& login, bool create = false);
    ~CConnection();
    CConnection(const CConnection&) = delete;
    CConnection& operator=(const CConnection&) = delete;

    Backend GetBackend() const;
    const std::string& GetConnectText() const { return connectText_; }
    const std::string& GetUser() const { return user_; }
    // PostgreSQL: the session user's password expires within 14 days.
    bool PasswordExpiresSoon() const { return expiresSoon_; }

    // Runs one statement without result; bind declarations as in CSelectStream.
    void Execute(std::string_view text, const std::vector<CFieldValue>& values = {});
    void Begin();
    void Commit();
    void Rollback();

    struct Impl;
    Impl& GetImpl() { return *impl_; }

private:
    std::unique_ptr<Impl> impl_;
    std::string connectText_;
    std::string user_;
    bool expiresSoon_ = false;
};

// A SELECT run with bind values, read in batches of bufferSize rows; columns
// gives the type each select-list column is read as (NULL reads as the type's
// empty value: 0, "", the zero date).
class CSelectStream {
public:
    CSelectStream(CConnection& connection, int bufferSize, std::string_view text,
                  const std::vector<ColumnType>& columns, const std::vector<CFieldValue>& values = {});
    ~CSelectStream();
    CSelectStream(const CSelectStream&) = delete;
    CSelectStream& operator=(const CSelectStream&) = delete;

    // The next row; false at the end of data.
    bool Next(std::vector<CFieldValue>& row);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// Changes the password of user from current to replacement (PostgreSQL:
// ALTER ROLE CURRENT_USER with the password hashed on the client), then logs
// on with the new one. SQLite has no login: throws CDbError.
void ChangePassword(const std::string& connectText, const std::string& user, const std::string& current,
                    const std::string& replacement);

}  // namespace ko::db
