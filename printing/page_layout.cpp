// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/page_layout.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>

namespace kores {

namespace {

constexpr double kMarginMm = 15.0;
constexpr double kMmPerInch = 25.4;

// Points are device independent: the painter scales them to its device.
QFont Font(double points, bool bold)
{
    QFont font("DejaVu Sans");
    font.setStyleHint(QFont::SansSerif);
    font.setBold(bold);
    font.setPointSizeF(points);
    return font;
}

}  // namespace

CPageLayout::CPageLayout(QPainter& painter, const QRectF& page) : page_(page)
{
    const QPaintDevice* device = painter.device();
    const double dpi = device ? device->logicalDpiY() : 96.0;
    const double margin = kMarginMm / kMmPerInch * dpi;
    const QRectF inner = page.adjusted(margin, margin, -margin, -margin);
    titleFont_ = Font(12, true);
    tableTitleFont_ = Font(10, true);
    cellFont_ = Font(9, false);
    headingCellFont_ = Font(9, true);
    painter.setFont(cellFont_);
    gap_ = QFontMetricsF(cellFont_, painter.device()).height() * 0.3;
    const double titleHeight = QFontMetricsF(titleFont_, painter.device()).height();
    const double lineHeight = QFontMetricsF(cellFont_, painter.device()).height();
    heading_ = QRectF(inner.left(), inner.top(), inner.width(), titleHeight + lineHeight + 2 * gap_);
    body_ = QRectF(inner.left(), heading_.bottom() + 2 * gap_, inner.width(),
                   inner.bottom() - heading_.bottom() - 2 * gap_);
}

void CPageLayout::DrawHeading(QPainter& painter, const QString& title, const QStringList& heading, int page,
                              int pages) const
{
    painter.save();
    const double titleHeight = QFontMetricsF(titleFont_, painter.device()).height();
    const QRectF titleLine(heading_.left(), heading_.top(), heading_.width(), titleHeight);
    painter.setFont(titleFont_);
    painter.drawText(titleLine, Qt::AlignLeft | Qt::AlignVCenter, title);
    painter.setFont(cellFont_);
    painter.drawText(titleLine, Qt::AlignRight | Qt::AlignVCenter,
                     QString("Page %1 of %2").arg(page).arg(pages));
    const QRectF second(heading_.left(), titleLine.bottom() + gap_, heading_.width(),
                        heading_.bottom() - titleLine.bottom() - gap_);
    painter.drawText(second, Qt::AlignLeft | Qt::AlignTop, heading.join("     "));
    painter.drawLine(QPointF(heading_.left(), heading_.bottom()),
                     QPointF(heading_.right(), heading_.bottom()));
    painter.restore();
}

}  // namespace kores
