// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

class QLineEdit;
class QWidget;

namespace kores {

// What the database login has typed: the user name, the password field and
// the connection text of the database.
struct CTypedLogin {
    QString userName;
    QLineEdit* password = nullptr;
    QString tnsName;
};

// A YES/NO warning box; true for YES.
bool AskYesNo(QWidget* owner, const QString& text);

// Before the login: a password with "@", "/" or a double quote is refused.
// The question offers the password change; after a change the password field
// holds the new password and the result is true. NO, Cancel or a failed
// change empty and focus the password field: false.
bool CheckTypedPassword(QWidget* owner, const CTypedLogin& login);

// The login's message: an error box, or the expired / expiring question with
// the password change. 1 when the source selection must stay open, else 0
// (an expiring password whose change was declined or failed).
int HandleLoginMessage(QWidget* owner, const QString& text, const CTypedLogin& login);

}  // namespace kores
