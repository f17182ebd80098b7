// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMessageBox>
#include <QString>
#include <functional>

class QWidget;

namespace kores {

// What the viewers ask of the user, replaceable as a whole so that the
// program routes messages through its own boxes and tests answer them.
struct CViewerPrompts {
    std::function<void(QWidget* parent, QMessageBox::Icon icon, const QString& text)> message;
    // A file name to save under (empty on Cancel); filter in Qt's form.
    std::function<QString(QWidget* parent, const QString& caption, const QString& proposed,
                          const QString& filter)>
        saveName;
    // Yes (true) or No to a question.
    std::function<bool(QWidget* parent, const QString& question)> askYes;
};

// The prompts in use; by default Qt's message boxes and file dialog.
CViewerPrompts& ViewerPrompts();

// Installs prompts for the life of this object (the previous ones come back after).
class CViewerPromptsScope {
public:
    explicit CViewerPromptsScope(CViewerPrompts prompts);
    CViewerPromptsScope(const CViewerPromptsScope&) = delete;
    CViewerPromptsScope& operator=(const CViewerPromptsScope&) = delete;
    ~CViewerPromptsScope();

private:
    CViewerPrompts previous_;
};

}  // namespace kores
