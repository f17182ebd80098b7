// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <stdexcept>
#include <string>

namespace ko::db {

// Error codes the layer gives to the server conditions it recognises.
inline constexpr int kBadLogin = 1017;          // wrong user name or password
inline constexpr int kNoServer = 12560;         // server unreachable, unknown database
inline constexpr int kPasswordExpired = 28001;  // the password's validity has passed
inline constexpr int kPasswordExpiring = 28002;

// Every failure of the database layer: the server's message (empty for the
// recognised login conditions, whose code says it all), an error code, the
// statement text and a text naming the bind variable involved.
class CDbError : public std::runtime_error {
public:
    CDbError(const std::string& message, int code, std::string statement = {}, std::string variable = {})
        : std::runtime_error(message),
          code_(code),
          statement_(std::move(statement)),
          variable_(std::move(variable))
    {
    }
    int GetCode() const { return code_; }
    const std::string& GetStatement() const { return statement_; }
    const std::string& GetVariable() const { return variable_; }

private:
    int code_;
    std::string statement_;
    std::string variable_;
};

}  // namespace ko::db
