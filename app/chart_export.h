// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QList>
#include <QRect>
#include <QString>

class QCustomPlot;
class QIODevice;
class QPaintDevice;
class QPrinter;

namespace kores {

// Writes a plot as a PNG, SVG or PDF file, as an image and onto a printer page.
class CChartExport {
public:
    // A file format this build writes: its file-dialog filter and its suffix.
    struct CFormat {
        QString filter;
        QString suffix;
    };

    explicit CChartExport(QCustomPlot& plot);

    // The formats SaveFile writes, PNG first; SVG only when built with Qt SVG.
    static const QList<CFormat>& Formats();

    // The format follows the file suffix (png, svg, pdf, any case). The file is
    // written atomically; false on any failure, and an existing file then stays
    // as it was.
    bool SaveFile(const QString& path) const;
    // The plot as a raster image of its present size.
    QImage Image() const;
    // Fits the plot, keeping its aspect ratio, on the printer's page.
    bool PrintTo(QPrinter& printer) const;

private:
    QSize ExportSize() const;
    bool SavePng(QIODevice& device) const;
    bool SaveSvg(QIODevice& device) const;
    bool SavePdf(QIODevice& device) const;
    // Draws the plot, vectorised, into target of a device whose painter is not yet open.
    bool PaintOn(QPaintDevice& device, const QRect& target) const;

    QCustomPlot& m_plot;
};

}  // namespace kores
