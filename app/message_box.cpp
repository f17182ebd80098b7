// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/message_box.h"

#include <QApplication>
#include <QGuiApplication>

namespace kores {

namespace {

CMessageHook& Hook()
{
    static CMessageHook hook;
    return hook;
}

}  // namespace

void ShowMessage(QWidget* parent, QMessageBox::Icon icon, const QString& text)
{
    if (Hook()) {
        Hook()(icon, text);
        return;
    }
    // A box must not show the wait cursor of the command that raised it.
    const bool waiting = QGuiApplication::overrideCursor() != nullptr;
    if (waiting) QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    QMessageBox box(icon, QApplication::applicationDisplayName(), text, QMessageBox::Ok, parent);
    box.exec();
    if (waiting) QGuiApplication::restoreOverrideCursor();
}

CMessageHookScope::CMessageHookScope(CMessageHook hook) : previous_(std::move(Hook()))
{
    Hook() = std::move(hook);
}

CMessageHookScope::~CMessageHookScope()
{
    Hook() = std::move(previous_);
}

CWaitCursor::CWaitCursor()
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

CWaitCursor::~CWaitCursor()
{
    QGuiApplication::restoreOverrideCursor();
}

}  // namespace kores
