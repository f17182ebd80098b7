// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QString>
#include <functional>

class QPrinter;
class QWidget;

namespace kores {

// The largest rectangle of the content's aspect ratio, centred in the area.
QRect FitInto(const QSize& content, const QRect& area);

// Prints one page painted by a callback, directly or after a print preview.
class CPrintPreview {
public:
    // Paints the page on the printer; returns false when it could not.
    using CPagePainter = std::function<bool(QPrinter& printer)>;

    explicit CPrintPreview(CPagePainter painter, QString documentName = {});

    // Shows the preview dialog (landscape pages); returns the dialog's result.
    int Exec(QWidget* parent) const;
    bool PrintTo(QPrinter& printer) const;

private:
    CPagePainter m_painter;
    QString m_documentName;
};

}  // namespace kores
