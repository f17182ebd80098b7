// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

namespace ko {

namespace db {
class CConnection;
class CDbError;
}  // namespace db

// The environment variable that holds the login password when no password file is given.
inline constexpr const char* kPasswordVariable = "VELDER_DB_PASSWORD";
// The login password: the first line of passwordFile, or with none given the
// value of VELDER_DB_PASSWORD (empty when unset). Throws CFailure for an
// unreadable file.
std::string LoginPassword(const std::string& passwordFile);

// A password is acceptable when it holds none of "@", "/" and the double quote.
bool CheckPasswordCharacters(const std::string& password);
// "Please do not use any of the following speical ..." with the three characters.
std::string ForbiddenCharacterMessage();
// The YES/NO question shown for a typed password with a forbidden character.
std::string ForbiddenPasswordQuestion(const std::string& application);

enum class LoginMessage { Error, Expired, Expiring };
// Expired for a text holding "28001", Expiring for "28002", else Error.
LoginMessage ClassifyLoginMessage(const std::string& text);
std::string ExpiredPasswordQuestion(const std::string& application, const std::string& text);
// The 28002 text reworded ("Your password will expire ...") and the question.
std::string ExpiringPasswordQuestion(const std::string& text);

// The box text of a failed password change.
std::string ChangePasswordFailureText(const db::CDbError& error);
// "Your new password and confirm new password \ndo not match.\n"
std::string PasswordMismatchText();
inline constexpr const char* kPasswordChanged = "Your password has been changed successfully.";

// Inserts one usage row (application, user name, local time as "%m/%d/%Y
// %I:%M:%S %p") through bind values into KORVADB.USAGE on connection, each
// statement bounded by a short timeout. 0 on success, -1 when there is no
// connection or the insert fails; nothing is thrown.
int TrackUsage(db::CConnection* connection, const std::string& application, const std::string& user);

}  // namespace ko
