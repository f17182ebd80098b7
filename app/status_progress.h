// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QString>
#include <functional>
#include <string>

#include "app/message_box.h"

class QStatusBar;

namespace kores {

// The status bar of the program's main window, if one is open.
QStatusBar* MainStatusBar();

// Shows text in bar and paints it at once (at most every 40 ms), so that it is
// seen during work that keeps the event loop waiting; nothing once bar is gone.
void ShowStatusLine(QStatusBar* bar, const QString& text);
// A sink for a data agent's status lines that shows them so in bar.
std::function<void(const std::string&)> StatusLineSink(QStatusBar* bar);

// A long load: the wait cursor and, in the main window's status bar, one line
// per step, drawn at once so the window shows where the load stands. The
// status bar reads "Ready" again afterwards.
class CStatusProgress {
public:
    CStatusProgress();
    CStatusProgress(const CStatusProgress&) = delete;
    CStatusProgress& operator=(const CStatusProgress&) = delete;
    ~CStatusProgress();

    void Show(const QString& text);

private:
    CWaitCursor wait_;
    QPointer<QStatusBar> bar_;
};

}  // namespace kores
