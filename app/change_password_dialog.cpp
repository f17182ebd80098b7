// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/change_password_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

#include "app/message_box.h"
#include "db/connection.h"
#include "db/db_error.h"
#include "sources/db_session.h"

namespace kores {

namespace {

QLineEdit* PasswordField(const QString& text, QWidget* parent)
{
    auto* edit = new QLineEdit(text, parent);
    edit->setEchoMode(QLineEdit::Password);
    return edit;
}

}  // namespace

CChangePassword::CChangePassword(const QString& userName, const QString& password, const QString& tnsName,
                                 QWidget* parent)
    : QDialog(parent),
      userName_(new QLineEdit(userName, this)),
      password_(PasswordField(password, this)),
      newPassword_(PasswordField({}, this)),
      confirm_(PasswordField({}, this)),
      tnsName_(tnsName)
{
    setWindowTitle("Change Your Database Password");
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton("Change Password", QDialogButtonBox::AcceptRole)->setDefault(true);
    buttons->addButton(QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &CChangePassword::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* form = new QFormLayout(this);
    form->addRow("User Name:", userName_);
    form->addRow("Password:", password_);
    form->addRow("New Password:", newPassword_);
    form->addRow("Confirm Password:", confirm_);
    form->addRow(buttons);
    (userName.isEmpty() ? userName_ : password.isEmpty() ? password_ : newPassword_)->setFocus();
}

void CChangePassword::accept()
{
    if (Change()) QDialog::accept();
}

void CChangePassword::ClearNewFields()
{
    newPassword_->clear();
    confirm_->clear();
    newPassword_->setFocus();
}

bool CChangePassword::Change()
{
    for (QLineEdit* edit : {userName_, password_, newPassword_, confirm_}) {
        if (edit->text().isEmpty()) {
            edit->setFocus();
            return false;
        }
    }
    const QString replacement = newPassword_->text();
    if (replacement != confirm_->text()) {
        ShowExclamation(this, QString::fromStdString(ko::PasswordMismatchText()));
        ClearNewFields();
        return false;
    }
    if (!ko::CheckPasswordCharacters(replacement.toStdString())) {
        ShowExclamation(this, QString::fromStdString(ko::ForbiddenCharacterMessage()));
        ClearNewFields();
        return false;
    }
    try {
        CWaitCursor wait;
        ko::db::ChangePassword(tnsName_.toStdString(), userName_->text().toStdString(),
                               password_->text().toStdString(), replacement.toStdString());
    } catch (const ko::db::CDbError& e) {
        ShowStop(this, QString::fromStdString(ko::ChangePasswordFailureText(e)));
        ClearNewFields();
        return false;
    } catch (const std::exception& e) {
        ShowStop(this, QString::fromStdString(e.what()));
        ClearNewFields();
        return false;
    }
    changed_ = replacement;
    ShowMessage(this, QMessageBox::Information, ko::kPasswordChanged);
    return true;
}

}  // namespace kores
