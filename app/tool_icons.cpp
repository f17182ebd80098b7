// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/tool_icons.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>

#include "app/command_ids.h"

namespace kores {

namespace {

constexpr int kSize = 16;

// A glyph of up to four characters, shrunk to fit the button.
QIcon TextIcon(const QString& text, const QColor& colour)
{
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font = QApplication::font();
    font.setBold(true);
    font.setPixelSize(text.size() <= 2 ? 12 : text.size() == 3 ? 9 : 7);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(QRect(0, 0, kSize, kSize), Qt::AlignCenter, text);
    return QIcon(pixmap);
}

QIcon StandardIcon(QStyle::StandardPixmap pixmap)
{
    return QApplication::style()->standardIcon(pixmap);
}

}  // namespace

QIcon ToolIcon(int commandId)
{
    const QColor filter(0, 90, 170);
    const QColor operate(150, 60, 0);
    switch (commandId) {
        case cmd::kFileOpen: return StandardIcon(QStyle::SP_DialogOpenButton);
        case cmd::kSaveGraph: return StandardIcon(QStyle::SP_DialogSaveButton);
        case cmd::kCopyPlot: return TextIcon("Cp", Qt::black);
        case cmd::kPrint: return TextIcon("Pr", Qt::black);
        case cmd::kCfc60: return TextIcon("60", filter);
        case cmd::kCfc180: return TextIcon("180", filter);
        case cmd::kCfc600: return TextIcon("600", filter);
        case cmd::kCfc1000: return TextIcon("1k", filter);
        case cmd::kAverage: return TextIcon(QString::fromUtf8("x\u0304"), operate);
        case cmd::kDerivate: return TextIcon("d", operate);
        case cmd::kIntegrate: return TextIcon(QString::fromUtf8("\u222b"), operate);
        case cmd::kStandardDeviation: return TextIcon(QString::fromUtf8("\u03c3"), operate);
        case cmd::kAlignSignals: return TextIcon("||", operate);
        case cmd::kReload: return StandardIcon(QStyle::SP_BrowserReload);
        case cmd::kHelpTopics: return StandardIcon(QStyle::SP_DialogHelpButton);
        case cmd::kUdsSpecificationTool: return TextIcon("U", Qt::darkGreen);
        case cmd::kTestSpecificationTool: return TextIcon("T", Qt::darkGreen);
        default: return {};
    }
}

QIcon ApplicationIcon()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(0, 0, 31, 31);
    const QColor colours[] = {QColor(200, 30, 30), QColor(30, 120, 30), QColor(30, 60, 200)};
    for (int c = 0; c < 3; ++c) {
        QPainterPath path(QPointF(2, 16));
        path.cubicTo(QPointF(8, 16), QPointF(10, 4 + 3 * c), QPointF(16, 8 + 4 * c));
        path.cubicTo(QPointF(22, 12 + 4 * c), QPointF(24, 20), QPointF(30, 18 - c));
        painter.setPen(QPen(colours[c], 2));
        painter.drawPath(path);
    }
    return QIcon(pixmap);
}

}  // namespace kores
