// SPDX-License-Identifier: GPL-3.0-or-later
#include "sources/db_session.h"

#include <cstdlib>
#include <ctime>
#include <fstream>
#include <iomanip>
#include <locale>
#include <sstream>

#include "core/failure.h"
#include "db/connection.h"
#include "db/db_error.h"

namespace ko {
namespace {

constexpr const char* kQuestionTail = "YES: To change password.\nNO: To not change password.";

std::string Trimmed(std::string text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    text.erase(0, first);
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

std::string LocalTimeText()
{
    try {
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        std::ostringstream out;
        out.imbue(std::locale::classic());
        out << std::put_time(&local, "%m/%d/%Y %I:%M:%S %p");
        return out.str();
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "Catching an error.";
    }
}

}  // namespace

std::string LoginPassword(const std::string& passwordFile)
{
    if (passwordFile.empty()) {
        const char* password = std::getenv(kPasswordVariable);
        return password ? password : "";
    }
    std::ifstream file(passwordFile);
    if (!file) throw CFailure("--password-file: cannot read " + passwordFile);
    std::string password;
    std::getline(file, password);
    if (!password.empty() && password.back() == '\r') password.pop_back();
    return password;
}

bool CheckPasswordCharacters(const std::string& password)
{
    return password.find_first_of("@/\"") == std::string::npos;
}

std::string ForbiddenCharacterMessage()
{
    return std::string("Please do not use any of the following speical ") + "\n" +
           "characters in your password." + "\n" + " @, " + "\"" + ", /";
}

std::string ForbiddenPasswordQuestion(const std::string& application)
{
    return ForbiddenCharacterMessage() + "\n\n" + "You must change your password before using the " + "\n" +
           "application " + application + "\n\n" + kQuestionTail;
}

LoginMessage ClassifyLoginMessage(const std::string& text)
{
    if (text.find("28001") != std::string::npos) return LoginMessage::Expired;
    if (text.find("28002") != std::string::npos) return LoginMessage::Expiring;
    return LoginMessage::Error;
}

std::string ExpiredPasswordQuestion(const std::string& application, const std::string& text)
{
    return std::string("Your password has expired. You must change ") + "\n" +
           "your password before using the application " + application + "\n\n" + text + "\n" + kQuestionTail;
}

std::string ExpiringPasswordQuestion(const std::string& text)
{
    std::string reworded = text;
    const std::size_t code = reworded.find("28002");
    if (code != std::string::npos) {
        std::size_t start = reworded.rfind(' ', code);
        start = start == std::string::npos ? 0 : start + 1;
        std::size_t end = reworded.find(':', code);
        end = end == std::string::npos ? code + 5 : end + 1;
        reworded = Trimmed(reworded.erase(start, end - start));
    }
    for (const char* word : {"The ", "the "}) {
        const std::size_t at = reworded.find(word);
        if (at != std::string::npos) {
            reworded.replace(at, 4, "Your ");
            break;
        }
    }
    return reworded + "  You should " + "\n" + "change your password before it expires." + "\n\n" + text +
           "\n" + kQuestionTail;
}

std::string ChangePasswordFailureText(const db::CDbError& error)
{
    const std::string message = Trimmed(error.what());
    if (error.GetCode() == db::kBadLogin && message.empty())
        return "Login fails: please check your username/password.";
    if (error.GetCode() == db::kNoServer) return message + "TNS incorrect";
    if (message.empty()) return "Login fails: please check your username/password/database-tns.";
    return message;
}

std::string PasswordMismatchText()
{
    return std::string("Your new password and confirm new password ") + "\n" + "do not match." + "\n";
}

int TrackUsage(db::CConnection* connection, const std::string& application, const std::string& user)
{
    if (!connection) return -1;
    try {
        if (connection->GetBackend() == db::Backend::PostgreSQL)
            connection->Execute("SET statement_timeout = 2000");
        connection->Execute(
            "INSERT INTO KORVADB.USAGE (APPLICATION, USERNAME, USED) VALUES (:APPLICATION<char[256]>, "
            ":USERNAME<char[1024]>, :USED<char[64]>)",
            {application, user, LocalTimeText()});
        return 0;
    } catch (...) {
        return -1;
    }
}

}  // namespace ko
