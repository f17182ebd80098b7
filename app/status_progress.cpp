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

void ShowStatusLine(QStatusBar* bar, const QString& text)
{
    if (!bar) return;
    bar->showMessage(text);
    bar->repaint();
}

std::function<void(const std::string&)> StatusLineSink(QStatusBar* bar)
{
    return [bar = QPointer<QStatusBar>(bar)](const std::string& text) {
        ShowStatusLine(bar, QString::fromStdString(text));
    };
}

CStatusProgress::CStatusProgress() : bar_(MainStatusBar()) {}

CStatusProgress::~CStatusProgress()
{
    if (bar_) bar_->showMessage("Ready");
}

void CStatusProgress::Show(const QString& text)
{
    ShowStatusLine(bar_, text);
}

}  // namespace kores
