// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/status_progress.h"

#include <QApplication>
#include <QMainWindow>
#include <QStatusBar>

namespace kores {

QStatusBar* MainStatusBar()
{
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* main = qobject_cast<QMainWindow*>(top)) return main->statusBar();
    return nullptr;
}

CStatusProgress::CStatusProgress() : bar_(MainStatusBar()) {}

CStatusProgress::~CStatusProgress()
{
    if (bar_) bar_->showMessage("Ready");
}

void CStatusProgress::Show(const QString& text)
{
    if (!bar_) return;
    bar_->showMessage(text);
    bar_->repaint();
}

}  // namespace kores
