// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QRectF>
#include <QString>
#include <QStringList>

class QPainter;

namespace kores {

// The layout of one printed page in device units: margins, the heading band
// (document title, heading texts, page number) and the body below it, with
// the fonts of heading, table titles and cells scaled to the device.
class CPageLayout {
public:
    // The page rectangle of the painter's device, in its units.
    CPageLayout(QPainter& painter, const QRectF& page);

    const QRectF& Body() const { return body_; }
    const QFont& TitleFont() const { return titleFont_; }
    const QFont& TableTitleFont() const { return tableTitleFont_; }
    const QFont& CellFont() const { return cellFont_; }
    const QFont& HeadingCellFont() const { return headingCellFont_; }
    // Space between lines and around cells.
    double Gap() const { return gap_; }

    // Draws the heading band of one page.
    void DrawHeading(QPainter& painter, const QString& title, const QStringList& heading, int page,
                     int pages) const;

private:
    QRectF page_;
    QRectF heading_;
    QRectF body_;
    QFont titleFont_;
    QFont tableTitleFont_;
    QFont cellFont_;
    QFont headingCellFont_;
    double gap_ = 0;
};

}  // namespace kores
