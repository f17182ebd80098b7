// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace kores {

// The help page as HTML: what the program does and every menu command with its prompt.
QString HelpPageHtml();
// Writes the help page into the user's cache folder and opens it in the desktop's
// browser; a failure is shown in a stop box.
void ShowHelpTopics(QWidget* parent);

}  // namespace kores
