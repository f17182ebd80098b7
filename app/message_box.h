// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>

namespace kores {

// Every message box of the program goes through here, so that a test can take
// the messages instead of a modal box.
using CMessageHook = std::function<void(QMessageBox::Icon icon, const QString& text)>;

// Shows text in a modal box with the icon and the application's title, or
// hands it to the installed hook.
void ShowMessage(QWidget* parent, QMessageBox::Icon icon, const QString& text);
inline void ShowStop(QWidget* parent, const QString& text)
{
    ShowMessage(parent, QMessageBox::Critical, text);
}
inline void ShowExclamation(QWidget* parent, const QString& text)
{
    ShowMessage(parent, QMessageBox::Warning, text);
}

// Installs hook for the life of this object (the previous one comes back after).
class CMessageHookScope {
public:
    explicit CMessageHookScope(CMessageHook hook);
    CMessageHookScope(const CMessageHookScope&) = delete;
    CMessageHookScope& operator=(const CMessageHookScope&) = delete;
    ~CMessageHookScope();

private:
    CMessageHook previous_;
};

// The wait cursor from construction to destruction.
class CWaitCursor {
public:
    CWaitCursor();
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
    ~CWaitCursor();
};

}  // namespace kores
