// SPDX-License-Identifier: GPL-3.0-or-later
#include "viewers/viewer_prompts.h"

#include <QApplication>
#include <QFileDialog>

namespace kores {

namespace {

CViewerPrompts DefaultPrompts()
{
    CViewerPrompts prompts;
    prompts.message = [](QWidget* parent, QMessageBox::Icon icon, const QString& text) {
        QMessageBox box(icon, QApplication::applicationDisplayName(), text, QMessageBox::Ok, parent);
        box.exec();
    };
    prompts.saveName = [](QWidget* parent, const QString& caption, const QString& proposed,
                          const QString& filter) {
        // The viewers ask before replacing a file themselves.
        return QFileDialog::getSaveFileName(parent, caption, proposed, filter, nullptr,
                                            QFileDialog::DontConfirmOverwrite);
    };
    prompts.askYes = [](QWidget* parent, const QString& question) {
        QMessageBox box(QMessageBox::Question, QApplication::applicationDisplayName(), question,
                        QMessageBox::Yes | QMessageBox::No, parent);
        box.setDefaultButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes;
    };
    return prompts;
}

}  // namespace

CViewerPrompts& ViewerPrompts()
{
    static CViewerPrompts prompts = DefaultPrompts();
    return prompts;
}

CViewerPromptsScope::CViewerPromptsScope(CViewerPrompts prompts) : previous_(ViewerPrompts())
{
    ViewerPrompts() = std::move(prompts);
}

CViewerPromptsScope::~CViewerPromptsScope()
{
    ViewerPrompts() = std::move(previous_);
}

}  // namespace kores
