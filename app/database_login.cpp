// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/database_login.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QMessageBox>

#include "app/change_password_dialog.h"
#include "app/dialog_runner.h"
#include "app/message_box.h"
#include "sources/db_session.h"

namespace kores {

namespace {

std::string ApplicationName()
{
    return QCoreApplication::applicationName().toStdString();
}

void EmptyPassword(const CTypedLogin& login)
{
    login.password->clear();
    login.password->setFocus();
}

// The password change with what was typed; the new password, none on Cancel.
std::optional<QString> RunPasswordChange(QWidget* owner, const CTypedLogin& login)
{
    CChangePassword dialog(login.userName, login.password->text(), login.tnsName, owner);
    if (RunModal(dialog) != QDialog::Accepted) return std::nullopt;
    return dialog.NewPassword();
}

}  // namespace

bool AskYesNo(QWidget* owner, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, QCoreApplication::applicationName(), text,
                    QMessageBox::Yes | QMessageBox::No, owner);
    return RunModal(box) == QMessageBox::Yes;
}

bool CheckTypedPassword(QWidget* owner, const CTypedLogin& login)
{
    if (ko::CheckPasswordCharacters(login.password->text().toStdString())) return true;
    if (AskYesNo(owner, QString::fromStdString(ko::ForbiddenPasswordQuestion(ApplicationName())))) {
        if (const auto changed = RunPasswordChange(owner, login)) {
            login.password->setText(*changed);
            return true;
        }
    }
    EmptyPassword(login);
    return false;
}

int HandleLoginMessage(QWidget* owner, const QString& text, const CTypedLogin& login)
{
    const std::string message = text.toStdString();
    switch (ko::ClassifyLoginMessage(message)) {
        case ko::LoginMessage::Error:
            ShowStop(owner, text);
            EmptyPassword(login);
            return 1;
        case ko::LoginMessage::Expired:
            if (AskYesNo(owner,
                         QString::fromStdString(ko::ExpiredPasswordQuestion(ApplicationName(), message))))
                RunPasswordChange(owner, login);
            EmptyPassword(login);
            return 1;
        case ko::LoginMessage::Expiring:
            if (AskYesNo(owner, QString::fromStdString(ko::ExpiringPasswordQuestion(message))) &&
                RunPasswordChange(owner, login)) {
                EmptyPassword(login);
                return 1;
            }
            return 0;
    }
    return 1;
}

}  // namespace kores
