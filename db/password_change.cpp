// SPDX-License-Identifier: GPL-3.0-or-later
#include <libpq-fe.h>
#include <soci/postgresql/soci-postgresql.h>

#include <cstring>
#include <memory>

#include "db/connection.h"
#include "db/connection_impl.h"

namespace ko::db {

void ChangePassword(const std::string& connectText, const std::string& user, const std::string& current,
                    const std::string& replacement)
{
    {
        CConnection connection(connectText, {user, current});
        if (connection.GetBackend() != Backend::PostgreSQL)
            throw CDbError("This database has no login and no password to change.", 0);
        auto* backend =
            static_cast<soci::postgresql_session_backend*>(connection.GetImpl().session.get_backend());
        PGconn* conn = backend->conn_;
        std::unique_ptr<char, decltype(&PQfreemem)> hashed(
            PQencryptPasswordConn(conn, replacement.c_str(), user.c_str(), "scram-sha-256"), &PQfreemem);
        if (!hashed) throw CDbError(PQerrorMessage(conn), 0, "ALTER ROLE CURRENT_USER PASSWORD");
        std::unique_ptr<char, decltype(&PQfreemem)> literal(
            PQescapeLiteral(conn, hashed.get(), std::strlen(hashed.get())), &PQfreemem);
        if (!literal) throw CDbError(PQerrorMessage(conn), 0, "ALTER ROLE CURRENT_USER PASSWORD");
        const std::string statement = "ALTER ROLE CURRENT_USER PASSWORD " + std::string(literal.get());
        std::unique_ptr<PGresult, decltype(&PQclear)> result(PQexec(conn, statement.c_str()), &PQclear);
        if (PQresultStatus(result.get()) != PGRES_COMMAND_OK)
            throw CDbError(PQresultErrorMessage(result.get()), 0, "ALTER ROLE CURRENT_USER PASSWORD");
    }
    CConnection check(connectText, {user, replacement});
}

}  // namespace ko::db
