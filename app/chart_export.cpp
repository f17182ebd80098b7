// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/chart_export.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrinter>
#ifdef VELDER_HAVE_QT_SVG
#include <QSvgGenerator>
#endif

#include <algorithm>

#include "app/qcustomplot_include.h"
#include "core/atomic_file.h"
#include "printing/print_preview.h"

namespace kores {

CChartExport::CChartExport(QCustomPlot& plot) : m_plot(plot) {}

const QList<CChartExport::CFormat>& CChartExport::Formats()
{
    static const QList<CFormat> formats = {
        {QStringLiteral("PNG image (*.png)"), QStringLiteral("png")},
#ifdef VELDER_HAVE_QT_SVG
        {QStringLiteral("SVG image (*.svg)"), QStringLiteral("svg")},
#endif
        {QStringLiteral("PDF document (*.pdf)"), QStringLiteral("pdf")},
    };
    return formats;
}

bool CChartExport::SaveFile(const QString& path) const
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    bool written = false;
    if (suffix == QLatin1String("png")) {
        written = SavePng(buffer);
    } else if (suffix == QLatin1String("svg")) {
        written = SaveSvg(buffer);
    } else if (suffix == QLatin1String("pdf")) {
        written = SavePdf(buffer);
    }
    if (!written) {
        return false;
    }
    const QByteArray& bytes = buffer.data();
    ko::CAtomicFile file(QFile::encodeName(path).toStdString());
    return file.Open() && file.Write(bytes.constData(), static_cast<std::size_t>(bytes.size())) &&
           file.Commit();
}

QSize CChartExport::ExportSize() const
{
    return {std::max(m_plot.width(), 200), std::max(m_plot.height(), 150)};
}

QImage CChartExport::Image() const
{
    const QSize size = ExportSize();
    return m_plot.toPixmap(size.width(), size.height()).toImage();
}

bool CChartExport::SavePng(QIODevice& device) const
{
    const QImage image = Image();
    return !image.isNull() && image.save(&device, "PNG");
}

bool CChartExport::SaveSvg(QIODevice& device) const
{
#ifndef VELDER_HAVE_QT_SVG
    (void)device;
    return false;
#else
    const QSize size = ExportSize();
    QSvgGenerator generator;
    generator.setOutputDevice(&device);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setTitle(QStringLiteral("Velder graph"));
    return PaintOn(generator, QRect(QPoint(0, 0), size));
#endif
}

bool CChartExport::SavePdf(QIODevice& device) const
{
    const QSize size = ExportSize();
    QPdfWriter writer(&device);
    writer.setCreator(QStringLiteral("Velder"));
    writer.setPageLayout(QPageLayout(QPageSize(size, QPageSize::Point, {}, QPageSize::ExactMatch),
                                     QPageLayout::Portrait, QMarginsF()));
    writer.setResolution(72);
    return PaintOn(writer, QRect(QPoint(0, 0), size));
}

bool CChartExport::PrintTo(QPrinter& printer) const
{
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QRect target = FitInto(ExportSize(), QRect(QPoint(0, 0), page.size()));
    return !target.isEmpty() && PaintOn(printer, target);
}

bool CChartExport::PaintOn(QPaintDevice& device, const QRect& target) const
{
    const QSize size = ExportSize();
    QCPPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    painter.setMode(QCPPainter::pmVectorized);
    painter.setMode(QCPPainter::pmNoCaching);
    painter.setViewport(target);
    painter.setWindow(QRect(QPoint(0, 0), size));
    m_plot.toPainter(&painter, size.width(), size.height());
    return painter.end();
}

}  // namespace kores
