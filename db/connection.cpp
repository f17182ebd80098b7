// SPDX-License-Identifier: GPL-3.0-or-later
#include "db/connection.h"

#include <soci/postgresql/soci-postgresql.h>
#include <soci/sqlite3/soci-sqlite3.h>

#include <cctype>
#include <filesystem>

#include "db/bind_text.h"
#include "db/connection_impl.h"
#include "db/statement_values.h"

namespace ko::db {
namespace {

bool Contains(const std::string& text, const char* piece)
{
    return text.find(piece) != std::string::npos;
}

// Percent-encoded for a libpq connection URI: SOCI re-splits key=value
// connection strings at blanks, a URI reaches libpq as it is.
std::string Encoded(const std::string& value)
{
    static const char* hex = "0123456789ABCDEF";
    std::string encoded;
    for (unsigned char c : value) {
        if (std::isalnum(c) || c == '-' || c == '.' || c == '_' || c == '~') {
            encoded += static_cast<char>(c);
        } else {
            encoded += '%';
            encoded += hex[c >> 4];
            encoded += hex[c & 15];
        }
    }
    return encoded;
}

CDbError LoginError(const std::string& message)
{
    if (Contains(message, "password authentication failed") || Contains(message, "no password supplied") ||
        (Contains(message, "role \"") && Contains(message, "does not exist")))
        return CDbError("", kBadLogin);
    if (Contains(message, "could not connect") || Contains(message, "Connection refused") ||
        Contains(message, "could not translate host name") || Contains(message, "timeout expired") ||
        (Contains(message, "database \"") && Contains(message, "does not exist")))
        return CDbError("", kNoServer);
    return CDbError(message, 0);
}

void OpenSQLite(soci::session& session, const std::string& directory, bool create)
{
    namespace fs = std::filesystem;
    std::error_code error;
    if (!fs::is_directory(directory, error)) {
        if (!create) throw CDbError("The database folder " + directory + " does not exist.", kNoServer);
        fs::create_directories(directory, error);
        if (error) throw CDbError("The database folder " + directory + " cannot be created.", kNoServer);
    }
    for (const char* schema : kSchemas) {
        if (!create && !fs::is_regular_file(SchemaFile(directory, schema), error))
            throw CDbError("The database file " + SchemaFile(directory, schema) + " does not exist.",
                           kNoServer);
    }
    session.open(soci::sqlite3, "db=:memory: timeout=5");
}

void OpenPostgreSQL(soci::session& session, const CConnectText& target, const CLogin& login)
{
    const std::string text = "postgresql://" + Encoded(login.user) + ":" + Encoded(login.password) + "@" +
                             Encoded(target.host) + ":" + target.port + "/" + Encoded(target.database) +
                             "?connect_timeout=" + std::to_string(login.timeoutSeconds) +
                             "&application_name=velder";
    try {
        session.open(soci::postgresql, text);
    } catch (const soci::soci_error& e) {
        throw LoginError(e.what());
    }
}

}  // namespace

CConnectText ParseConnectText(const std::string& text)
{
    CConnectText target;
    if (text.rfind("sqlite:", 0) == 0) {
        target.directory = text.substr(7);
        if (target.directory.empty()) throw std::invalid_argument("sqlite: names no folder");
        return target;
    }
    const std::string scheme = "postgresql://";
    if (text.rfind(scheme, 0) != 0)
        throw std::invalid_argument("Not a connection text (sqlite:DIR or postgresql://HOST:PORT/DBNAME): " +
                                    text);
    target.backend = Backend::PostgreSQL;
    const std::string rest = text.substr(scheme.size());
    const std::size_t slash = rest.find('/');
    const std::string authority = rest.substr(0, slash);
    if (authority.find('@') != std::string::npos)
        throw std::invalid_argument("The connection text must not hold a user name or password.");
    const std::size_t colon = authority.rfind(':');
    target.host = authority.substr(0, colon);
    target.port = colon == std::string::npos ? "5432" : authority.substr(colon + 1);
    target.database = slash == std::string::npos ? "" : rest.substr(slash + 1);
    if (target.host.empty() || target.database.empty() || target.port.empty() ||
        target.port.find_first_not_of("0123456789") != std::string::npos)
        throw std::invalid_argument("Not a connection text (postgresql://HOST:PORT/DBNAME): " + text);
    return target;
}

std::string SchemaFile(const std::string& directory, std::string_view schema)
{
    std::string name;
    for (char c : schema) name += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return (std::filesystem::path(directory) / (name + ".sqlite")).string();
}

void RethrowSoci(const soci::soci_error& error, const std::string& statement)
{
    throw CDbError(error.get_error_message().empty() ? error.what() : error.get_error_message(), 0,
                   statement);
}

CConnection::CConnection(const std::string& connectText, const CLogin& login, bool create)
    : impl_(std::make_unique<Impl>()), connectText_(connectText), user_(login.user)
{
    CConnectText target;
    try {
        target = ParseConnectText(connectText);
    } catch (const std::invalid_argument& e) {
        throw CDbError(e.what(), kNoServer);
    }
    impl_->backend = target.backend;
    try {
        if (target.backend == Backend::SQLite)
            OpenSQLite(impl_->session, target.directory, create);
        else
            OpenPostgreSQL(impl_->session, target, login);
    } catch (const soci::soci_error& e) {
        RethrowSoci(e, {});
    }
    if (target.backend == Backend::SQLite) {
        for (const char* schema : kSchemas)
            Execute("ATTACH DATABASE :FILE<char[4096]> AS " + std::string(schema),
                    {SchemaFile(target.directory, schema)});
        return;
    }
    CSelectStream soon(
        *this, 1,
        "SELECT CASE WHEN rolvaliduntil IS NOT NULL AND rolvaliduntil < now() + interval '14 days' "
        "THEN 1 ELSE 0 END FROM pg_roles WHERE rolname = current_user",
        {ColumnType::Int});
    std::vector<CFieldValue> row;
    expiresSoon_ = soon.Next(row) && std::get<int>(row[0]) == 1;
}

CConnection::~CConnection() = default;

Backend CConnection::GetBackend() const
{
    return impl_->backend;
}

void CConnection::Execute(std::string_view text, const std::vector<CFieldValue>& values)
{
    CBoundText bound = TranslateBindDeclarations(text);
    if (impl_->backend == Backend::PostgreSQL) bound.text = QuoteReservedColumns(bound.text);
    CStatementValues uses(CheckBindValues(bound, values));
    impl_->Settle(false);
    try {
        soci::statement statement(impl_->session);
        statement.alloc();
        statement.prepare(bound.text, soci::details::st_one_time_query);
        uses.Bind(statement);
        statement.define_and_bind();
        statement.execute(true);
    } catch (const soci::soci_error& e) {
        RethrowSoci(e, std::string(text));
    }
}

void CConnection::Begin()
{
    impl_->Settle(false);
    impl_->session.begin();
}

void CConnection::Commit()
{
    try {
        impl_->Settle(false);
        impl_->session.commit();
    } catch (const soci::soci_error& e) {
        RethrowSoci(e, "COMMIT");
    }
}

void CConnection::Rollback()
{
    try {
        impl_->Settle(false);
        impl_->session.rollback();
    } catch (const soci::soci_error&) {
        // a lost connection has rolled back already
    }
}

}  // namespace ko::db
