// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <optional>

class QDialog;
class QWidget;

namespace kores {

// Every modal parameter dialog of the commands runs through here, so that a
// test can answer it: with a hook installed the dialog is handed to the hook
// (which fills it and presses its buttons) instead of being shown.
using CDialogHook = std::function<void(QDialog& dialog)>;

// Runs dialog modally (or through the hook); its result (QDialog::Accepted or Rejected).
int RunModal(QDialog& dialog);

// The folder browser: a chosen folder's full path, nothing on Cancel. A
// test's answer takes the place of the browser.
using CFolderHook = std::function<std::optional<QString>(const QString& prompt)>;
std::optional<QString> BrowseFolder(QWidget* owner, const QString& prompt, const QString& start = {});

// Installs the hooks for the life of this object (the previous ones come back after).
class CDialogHookScope {
public:
    explicit CDialogHookScope(CDialogHook dialogs, CFolderHook folders = {});
    CDialogHookScope(const CDialogHookScope&) = delete;
    CDialogHookScope& operator=(const CDialogHookScope&) = delete;
    ~CDialogHookScope();

private:
    CDialogHook previousDialogs_;
    CFolderHook previousFolders_;
};

}  // namespace kores
