// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/print_document.h"

#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <algorithm>

#include "printing/page_layout.h"

namespace kores {

namespace {

// One line of a page: a table title, a heading row or a row of cells.
struct CPlacedLine {
    enum Kind { Title, Headings, Row } kind;
    std::size_t table;
    std::size_t row;
    double top;
    double height;
};
using CPage = std::vector<CPlacedLine>;

std::vector<double> ColumnWidths(const CPrintTable& table, const QFontMetricsF& cells,
                                 const QFontMetricsF& headings, double gap, double width)
{
    std::size_t count = static_cast<std::size_t>(table.headings.size());
    for (const QStringList& row : table.rows) count = std::max(count, static_cast<std::size_t>(row.size()));
    std::vector<double> widths(count, 0.0);
    for (std::size_t c = 0; c < count; ++c) {
        if (c < static_cast<std::size_t>(table.headings.size()))
            widths[c] = headings.horizontalAdvance(table.headings[static_cast<int>(c)]);
        for (const QStringList& row : table.rows)
            if (c < static_cast<std::size_t>(row.size()))
                widths[c] = std::max(widths[c], cells.horizontalAdvance(row[static_cast<int>(c)]));
        widths[c] += 2 * gap;
    }
    double total = 0;
    for (const double w : widths) total += w;
    if (total > width && total > 0) {
        for (double& w : widths) w *= width / total;
    }
    return widths;
}

double CellsHeight(const QStringList& cells, const std::vector<double>& widths, const QFontMetricsF& metrics,
                   double gap)
{
    double height = metrics.height();
    for (int c = 0; c < cells.size() && c < static_cast<int>(widths.size()); ++c) {
        const QRectF box(0, 0, std::max(1.0, widths[static_cast<std::size_t>(c)] - 2 * gap), 1e9);
        height = std::max(height, metrics.boundingRect(box, Qt::TextWordWrap, cells[c]).height());
    }
    return height + gap;
}

class CPaginator {
public:
    CPaginator(const CPrintDocument& document, const CPageLayout& layout, QPaintDevice* device)
        : document_(document),
          layout_(layout),
          cells_(layout.CellFont(), device),
          headings_(layout.HeadingCellFont(), device),
          titles_(layout.TableTitleFont(), device)
    {
    }

    std::vector<CPage> Pages()
    {
        pages_.assign(1, {});
        top_ = layout_.Body().top();
        for (std::size_t t = 0; t < document_.tables.size(); ++t) PlaceTable(t);
        return pages_;
    }

    std::vector<std::vector<double>> widths;

private:
    void PlaceTable(std::size_t t)
    {
        const CPrintTable& table = document_.tables[t];
        widths.push_back(ColumnWidths(table, cells_, headings_, layout_.Gap(), layout_.Body().width()));
        if (top_ > layout_.Body().top()) top_ += titles_.height() * 0.6;
        const double first = TableTop(t) + (table.rows.empty() ? 0 : RowHeight(t, 0));
        if (first > layout_.Body().bottom() && top_ > layout_.Body().top()) NewPage();
        PlaceTop(t);
        for (std::size_t r = 0; r < table.rows.size(); ++r) {
            const double height = RowHeight(t, r);
            if (top_ + height > layout_.Body().bottom() && !OnlyTopOnPage()) {
                NewPage();
                PlaceTop(t);
            }
            Place({CPlacedLine::Row, t, r, top_, std::min(height, layout_.Body().height())});
        }
    }
    double TableTop(std::size_t t) const
    {
        const CPrintTable& table = document_.tables[t];
        double top = top_;
        if (!table.title.isEmpty()) top += titles_.height() + layout_.Gap();
        if (!table.headings.isEmpty())
            top += CellsHeight(table.headings, widths.back(), headings_, layout_.Gap());
        return top;
    }
    double RowHeight(std::size_t t, std::size_t r) const
    {
        return CellsHeight(document_.tables[t].rows[r], widths[t], cells_, layout_.Gap());
    }
    void PlaceTop(std::size_t t)
    {
        const CPrintTable& table = document_.tables[t];
        linesOnPageAtTop_ = pages_.back().size();
        if (!table.title.isEmpty()) Place({CPlacedLine::Title, t, 0, top_, titles_.height() + layout_.Gap()});
        if (!table.headings.isEmpty())
            Place({CPlacedLine::Headings, t, 0, top_,
                   CellsHeight(table.headings, widths[t], headings_, layout_.Gap())});
        topLines_ = pages_.back().size();
    }
    bool OnlyTopOnPage() const { return pages_.back().size() == topLines_ && linesOnPageAtTop_ == 0; }
    void Place(const CPlacedLine& line)
    {
        pages_.back().push_back(line);
        top_ += line.height;
    }
    void NewPage()
    {
        pages_.emplace_back();
        top_ = layout_.Body().top();
    }

    const CPrintDocument& document_;
    const CPageLayout& layout_;
    QFontMetricsF cells_, headings_, titles_;
    std::vector<CPage> pages_;
    double top_ = 0;
    std::size_t topLines_ = 0;
    std::size_t linesOnPageAtTop_ = 0;
};

void DrawCells(QPainter& painter, const QStringList& cells, const std::vector<double>& widths, double left,
               const QRectF& line, double gap)
{
    double x = left;
    for (int c = 0; c < cells.size() && c < static_cast<int>(widths.size()); ++c) {
        const double w = widths[static_cast<std::size_t>(c)];
        painter.drawText(QRectF(x + gap, line.top(), std::max(1.0, w - 2 * gap), line.height()),
                         Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, cells[c]);
        x += w;
    }
}

void DrawPage(QPainter& painter, const CPrintDocument& document, const CPageLayout& layout, const CPage& page,
              const std::vector<std::vector<double>>& widths, bool continued)
{
    const QRectF& body = layout.Body();
    for (const CPlacedLine& line : page) {
        const CPrintTable& table = document.tables[line.table];
        const QRectF box(body.left(), line.top, body.width(), line.height);
        painter.save();
        painter.setClipRect(box);
        switch (line.kind) {
            case CPlacedLine::Title:
                painter.setFont(layout.TableTitleFont());
                painter.drawText(
                    box, Qt::AlignLeft | Qt::AlignTop,
                    continued && &line == &page.front() ? table.title + " (continued)" : table.title);
                break;
            case CPlacedLine::Headings:
                painter.setFont(layout.HeadingCellFont());
                DrawCells(painter, table.headings, widths[line.table], body.left(), box, layout.Gap());
                painter.setClipping(false);
                painter.drawLine(QPointF(body.left(), box.bottom() - layout.Gap() / 2),
                                 QPointF(body.right(), box.bottom() - layout.Gap() / 2));
                break;
            case CPlacedLine::Row:
                painter.setFont(layout.CellFont());
                DrawCells(painter, table.rows[line.row], widths[line.table], body.left(), box, layout.Gap());
                break;
        }
        painter.restore();
    }
}

}  // namespace

int PrintDocument(QPrinter& printer, const CPrintDocument& document)
{
    QPainter painter;
    if (!painter.begin(&printer)) return 0;
    const QRectF page(QPointF(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size());
    const CPageLayout layout(painter, page);
    CPaginator paginator(document, layout, &printer);
    const std::vector<CPage> pages = paginator.Pages();
    const int count = static_cast<int>(pages.size());
    for (int p = 0; p < count; ++p) {
        if (p > 0 && !printer.newPage()) return 0;
        layout.DrawHeading(painter, document.title, document.heading, p + 1, count);
        const CPage& lines = pages[static_cast<std::size_t>(p)];
        const bool continued = p > 0 && !lines.empty() && lines.front().kind == CPlacedLine::Title &&
                               !pages[static_cast<std::size_t>(p) - 1].empty() &&
                               pages[static_cast<std::size_t>(p) - 1].back().table == lines.front().table;
        DrawPage(painter, document, layout, lines, paginator.widths, continued);
    }
    return painter.end() ? count : 0;
}

int PrintDocumentToPdf(const CPrintDocument& document, const QString& path, QString* error)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    printer.setDocName(document.title);
    const int pages = PrintDocument(printer, document);
    if (pages == 0 && error) *error = "Failure to print into " + path;
    return pages;
}

int PreviewDocument(const CPrintDocument& document, const QString& windowTitle, QWidget* parent)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(document.title);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(windowTitle);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested,
                     [&document](QPrinter* target) { PrintDocument(*target, document); });
    return dialog.exec();
}

}  // namespace kores
