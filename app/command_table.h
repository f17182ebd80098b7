// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeySequence>
#include <QList>
#include <vector>

namespace kores {

class CVelderDoc;

// One command of the main frame: its text in a menu (or, for tool-bar-only
// commands, its tool tip), its status-bar prompt and tool tip, and its keys.
struct CCommandInfo {
    int id = 0;
    const char* text = "";
    const char* prompt = "";
    const char* tip = "";
    QList<QKeySequence> keys;
};

struct CMenuInfo {
    const char* title;
    std::vector<int> items;  // 0 is a separator
};

const std::vector<CCommandInfo>& Commands();
const std::vector<CMenuInfo>& Menus();
// The tool bar, left to right; 0 is a separator.
const std::vector<int>& ToolBarCommands();

// Whether the command can run now. Commands whose bodies are not part of this
// build stay disabled.
bool IsCommandEnabled(int id, const CVelderDoc& doc);

}  // namespace kores
