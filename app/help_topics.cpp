// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/help_topics.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QUrl>
#include <set>
#include <stdexcept>

#include "app/command_table.h"
#include "app/message_box.h"
#include "core/atomic_file.h"

namespace kores {

namespace {

// A menu text without its mnemonic marks ("&&" stays one '&'), escaped for HTML.
QString Plain(const char* text)
{
    QString plain = QString::fromUtf8(text);
    plain.replace("&&", QChar(0x1)).remove('&').replace(QChar(0x1), '&');
    return plain.toHtmlEscaped();
}

const CCommandInfo* Command(int id)
{
    for (const CCommandInfo& info : Commands()) {
        if (info.id == id) return &info;
    }
    return nullptr;
}

// A command's name and prompt as a definition list entry; nothing for a separator.
QString Entry(int id)
{
    const CCommandInfo* info = id == 0 ? nullptr : Command(id);
    return info ? "<dt>" + Plain(info->text) + "</dt><dd>" + Plain(info->prompt) + "</dd>\n" : QString();
}

}  // namespace

QString HelpPageHtml()
{
    QString html = QStringLiteral(
        "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Velder Help</title></head><body>\n"
        "<h1>Velder</h1>\n"
        "<p>Velder overlays the same channel of many crash tests in one graph. <b>Open</b> chooses where "
        "the tests come from (a test directory or a store of tests) and which tests to load. The grid lists "
        "every distinct channel title with the number of tests that have it; choosing a row plots that "
        "channel of every loaded test. The commands below then work on the plotted signals; a command "
        "that fails leaves them as they were.</p>\n");
    std::set<int> inMenus;
    for (const CMenuInfo& menu : Menus()) {
        html += "<h2>" + Plain(menu.title) + "</h2>\n<dl>\n";
        for (const int id : menu.items) {
            inMenus.insert(id);
            html += Entry(id);
        }
        html += "</dl>\n";
    }
    html += "<h2>Tool bar</h2>\n<dl>\n";
    for (const int id : ToolBarCommands()) {
        if (inMenus.count(id) == 0) html += Entry(id);
    }
    return html + "</dl>\n</body></html>\n";
}

void ShowHelpTopics(QWidget* parent)
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    const QString path = folder + "/velder_help.html";
    try {
        if (!QDir().mkpath(folder))
            throw std::runtime_error("Failure to create the folder: " + folder.toStdString());
        ko::WriteFileAtomically(QFile::encodeName(path).toStdString(), HelpPageHtml().toStdString());
    } catch (const std::exception& error) {
        ShowStop(parent, QString::fromStdString(error.what()));
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        ShowStop(parent, "Failure to open the help page in the browser: " + path);
}

}  // namespace kores
