// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

namespace kores {

// The 16 by 16 tool bar image of a command (null for commands without one).
QIcon ToolIcon(int commandId);
// The application's icon: three overlaid curves.
QIcon ApplicationIcon();

}  // namespace kores
