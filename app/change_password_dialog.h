// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;

namespace kores {

// "Change Your Database Password": the user name, the current password and
// the new one twice. "Change Password" changes it on the database of the
// connection text (a connection of its own) and ends with OK; every failure
// is shown and the dialog stays.
class CChangePassword : public QDialog {
    Q_OBJECT

public:
    CChangePassword(const QString& userName, const QString& password, const QString& tnsName,
                    QWidget* parent = nullptr);

    QLineEdit& UserNameEdit() const { return *userName_; }
    QLineEdit& PasswordEdit() const { return *password_; }
    QLineEdit& NewPasswordEdit() const { return *newPassword_; }
    QLineEdit& ConfirmEdit() const { return *confirm_; }
    // After OK: the password now in force.
    QString NewPassword() const { return changed_; }

public Q_SLOTS:
    void accept() override;

private:
    bool Change();
    void ClearNewFields();

    QLineEdit* userName_;
    QLineEdit* password_;
    QLineEdit* newPassword_;
    QLineEdit* confirm_;
    QString tnsName_;
    QString changed_;
};

}  // namespace kores
