// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/dialog_runner.h"

#include <QDialog>
#include <QFileDialog>
#include <QGuiApplication>

namespace kores {

namespace {

CDialogHook& DialogHook()
{
    static CDialogHook hook;
    return hook;
}

CFolderHook& FolderHook()
{
    static CFolderHook hook;
    return hook;
}

// A dialog must not show the wait cursor of the command that opened it.
class CArrowCursor {
public:
    CArrowCursor() : waiting_(QGuiApplication::overrideCursor() != nullptr)
    {
        if (waiting_) QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    CArrowCursor(const CArrowCursor&) = delete;
    CArrowCursor& operator=(const CArrowCursor&) = delete;
    ~CArrowCursor()
    {
        if (waiting_) QGuiApplication::restoreOverrideCursor();
    }

private:
    bool waiting_;
};

}  // namespace

int RunModal(QDialog& dialog)
{
    if (DialogHook()) {
        dialog.setResult(QDialog::Rejected);
        DialogHook()(dialog);
        return dialog.result();
    }
    CArrowCursor arrow;
    return dialog.exec();
}

std::optional<QString> BrowseFolder(QWidget* owner, const QString& prompt, const QString& start)
{
    if (FolderHook()) return FolderHook()(prompt);
    CArrowCursor arrow;
    const QString folder = QFileDialog::getExistingDirectory(owner, prompt, start);
    if (folder.isEmpty()) return std::nullopt;
    return folder;
}

CDialogHookScope::CDialogHookScope(CDialogHook dialogs, CFolderHook folders)
    : previousDialogs_(std::move(DialogHook())), previousFolders_(std::move(FolderHook()))
{
    DialogHook() = std::move(dialogs);
    FolderHook() = std::move(folders);
}

CDialogHookScope::~CDialogHookScope()
{
    DialogHook() = std::move(previousDialogs_);
    FolderHook() = std::move(previousFolders_);
}

}  // namespace kores
