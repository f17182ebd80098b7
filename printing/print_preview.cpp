// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/print_preview.h"

#include <QPageLayout>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <cmath>
#include <utility>

namespace kores {

QRect FitInto(const QSize& content, const QRect& area)
{
    if (content.isEmpty() || area.isEmpty()) {
        return {};
    }
    const double scale = std::min(static_cast<double>(area.width()) / content.width(),
                                  static_cast<double>(area.height()) / content.height());
    const int width = static_cast<int>(std::lround(content.width() * scale));
    const int height = static_cast<int>(std::lround(content.height() * scale));
    return {area.x() + (area.width() - width) / 2, area.y() + (area.height() - height) / 2, width, height};
}

CPrintPreview::CPrintPreview(CPagePainter painter, QString documentName)
    : m_painter(std::move(painter)), m_documentName(std::move(documentName))
{
}

int CPrintPreview::Exec(QWidget* parent) const
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(m_documentName);
    QPrintPreviewDialog dialog(&printer, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                     [this](QPrinter* target) { PrintTo(*target); });
    return dialog.exec();
}

bool CPrintPreview::PrintTo(QPrinter& printer) const
{
    if (!m_painter) {
        return false;
    }
    if (printer.docName().isEmpty()) {
        printer.setDocName(m_documentName);
    }
    return m_painter(printer);
}

}  // namespace kores
