// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/status_progress.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QPointer>
#include <QStatusBar>

namespace kores {

QStatusBar* MainStatusBar()
{
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* main = qobject_cast<QMainWindow*>(top)) return main->statusBar();
    return nullptr;
}

// A load blocks the event loop: the bar is painted at once, but at most every
// kRepaintMs, since a selection over the web sends hundreds of lines.
void ShowStatusLine(QStatusBar* bar, const QString& text)
{
    constexpr qint64 kRepaintMs = 40;
    static QPointer<QStatusBar> painted;
    static QElapsedTimer sincePaint;
    if (!bar) return;
    bar->showMessage(text);
    if (painted == bar && sincePaint.isValid() && sincePaint.elapsed() < kRepaintMs) return;
    bar->repaint();
    painted = bar;
    sincePaint.start();
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
