// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/chart_widget.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QMouseEvent>
#include <algorithm>

#include "app/chart_export.h"
#include "app/chart_reduced_graph.h"
#include "printing/print_preview.h"

namespace kores {

namespace {

constexpr double kOwnRowStretch = 1.0;
constexpr double kFixedRowStretch = 0.001;

bool IsPanGesture(const QMouseEvent& event)
{
    if (event.button() == Qt::MiddleButton) {
        return true;
    }
    return event.button() == Qt::LeftButton &&
           (event.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier));
}

}  // namespace

CChartWidget::CChartWidget(QWidget* parent) : QCustomPlot(parent), m_crosshair(*this), m_cursors(*this)
{
    setMouseTracking(true);
    setInteractions(QCP::iRangeZoom);
    setSelectionRectMode(QCP::srmZoom);
    setNoAntialiasingOnDrag(true);
    axisRect()->setupFullAxesBox(true);
    m_mainTitle = new QCPTextElement(this, QString(), QFont(font().family(), 11, QFont::Bold));
    m_subtitle = new QCPTextElement(this, QString(), QFont(font().family(), 9));
    axisRect()->insetLayout()->take(legend);
    legend->setFont(QFont(font().family(), 8));
    legend->setIconSize(24, 12);
    legend->setRowSpacing(0);
    legend->setMargins(QMargins(8, 2, 8, 6));
    legend->setBorderPen(Qt::NoPen);
    legend->setFillOrder(QCPLegend::foColumnsFirst);
    ArrangeLayout();
}

QCPAbstractPlottable* CChartWidget::Subset(int index) const
{
    return index >= 0 && index < m_subsets.size() ? m_subsets[index] : nullptr;
}

QString CChartWidget::MainTitle() const
{
    return m_mainTitle->visible() ? m_mainTitle->text() : QString();
}

QString CChartWidget::Subtitle() const
{
    return m_subtitle->visible() ? m_subtitle->text() : QString();
}

void CChartWidget::ShowGraph(const CChartInput& input)
{
    RemoveGraph();
    const int subsets = static_cast<int>(input.subsets.size());
    const bool several = subsets > 1;
    const QStringList labels =
        several ? SplitSubsetLabels(input.subtitle, subsets) : QStringList{input.mainTitle};
    for (int i = 0; i < subsets; ++i) {
        AddSubset(input.subsets[static_cast<std::size_t>(i)], input.nullValue, labels.value(i));
    }
    SetTitles(several ? QString() : input.mainTitle, several ? QString() : input.subtitle);
    xAxis->setLabel(input.xAxisTitle);
    yAxis->setLabel(input.yAxisTitle);
    m_hasGraph = true;
    SetStyle(CGraphStyle{});
    SetFullRanges();
    m_cursors.Reset(FullKeyRange());
    replot();
    Q_EMIT CursorsMoved(m_cursors.A(), m_cursors.B());
}

void CChartWidget::PlaceCursors(double a, double b)
{
    if (!m_hasGraph) return;
    m_cursors.Place(CChartCursors::ECursor::A, a);
    m_cursors.Place(CChartCursors::ECursor::B, b);
    Q_EMIT CursorsMoved(a, b);
}

void CChartWidget::AddSubset(const CChartSubset& subset, double nullValue, const QString& label)
{
    QCPAbstractPlottable* plottable = nullptr;
    if (auto inPlace = InPlacePoints(subset, nullValue)) {
        m_bounds.Add(*inPlace);
        auto* graph = new CReducedGraph(xAxis, yAxis);
        graph->SetPoints(std::move(*inPlace));
        plottable = graph;
    } else {
        plottable = AddCopy(ExtractSubset(subset, nullValue));
    }
    plottable->setName(label);
    plottable->setSelectable(QCP::stNone);
    if (QCPAbstractLegendItem* item = legend->itemWithPlottable(plottable)) {
        item->setMargins(QMargins(0, 0, 0, 3));  // room for descenders such as "_"
    }
    m_subsets.append(plottable);
}

QCPAbstractPlottable* CChartWidget::AddCopy(const CSubsetPoints& points)
{
    m_bounds.Add(points.points);
    QCPAbstractPlottable* plottable = nullptr;
    if (points.sortedKeys) {
        auto* graph = new CReducedGraph(xAxis, yAxis);
        graph->SetPoints(points.points);
        plottable = graph;
    } else {
        // A graph would reorder the points by X; a curve keeps their order.
        auto* curve = new QCPCurve(xAxis, yAxis);
        QVector<QCPCurveData> data;
        data.reserve(points.points.size());
        for (qsizetype i = 0; i < points.points.size(); ++i) {
            data.append(QCPCurveData(static_cast<double>(i), points.points[i].key, points.points[i].value));
        }
        curve->data()->set(data, true);
        plottable = curve;
    }
    return plottable;
}

void CChartWidget::Clear()
{
    RemoveGraph();
    replot();
}

void CChartWidget::RemoveGraph()
{
    if (m_crosshair.Visible()) {
        m_crosshair.Hide();
        Q_EMIT CrosshairLeft();
    }
    m_cursors.Hide();
    m_dragged = CChartCursors::ECursor::None;
    clearPlottables();
    m_subsets.clear();
    m_bounds = {};
    m_hasGraph = false;
    m_panning = false;
    SetTitles({}, {});
    xAxis->setLabel({});
    yAxis->setLabel({});
    ArrangeLayout();
}

void CChartWidget::SetTitles(const QString& mainTitle, const QString& subtitle)
{
    m_mainTitle->setText(mainTitle);
    m_subtitle->setText(subtitle);
}

// Rows from the top: main title, subtitle, axis rect, legend; hidden parts
// leave the layout.
void CChartWidget::ArrangeLayout()
{
    QCPLayoutGrid* grid = plotLayout();
    QCPAxisRect* area = axisRect();
    const QList<QCPLayoutElement*> parts = {m_mainTitle, m_subtitle, area, legend};
    for (QCPLayoutElement* part : parts) {
        if (part->layout() == grid) {
            grid->take(part);
        }
    }
    grid->simplify();
    const bool shown[] = {m_hasGraph && !m_mainTitle->text().isEmpty(),
                          m_hasGraph && !m_subtitle->text().isEmpty(), true,
                          m_hasGraph && m_style.showLegend && SubsetCount() > 1};
    int row = 0;
    for (int i = 0; i < parts.size(); ++i) {
        parts[i]->setVisible(shown[i]);
        if (!shown[i]) {
            continue;
        }
        grid->addElement(row, 0, parts[i]);
        grid->setRowStretchFactor(row, parts[i] == area ? kOwnRowStretch : kFixedRowStretch);
        ++row;
    }
    area->setVisible(m_hasGraph);
    ArrangeLegend();
}

// Spreads the legend over as many columns as the width allows.
void CChartWidget::ArrangeLegend()
{
    if (!legend->visible()) {
        return;
    }
    const QFontMetrics metrics(legend->font());
    int widest = 0;
    for (const QCPAbstractPlottable* subset : m_subsets) {
        widest = std::max(widest, metrics.horizontalAdvance(subset->name()));
    }
    const int item = widest + legend->iconSize().width() + legend->iconTextPadding() + 20;
    const int columns = std::clamp((width() - 20) / std::max(item, 1), 1, std::max(SubsetCount(), 1));
    if (legend->wrap() != columns) {
        legend->setWrap(columns);
        legend->setFillOrder(QCPLegend::foColumnsFirst, true);
    }
}

void CChartWidget::ResetView()
{
    SetFullRanges();
    replot();
}

void CChartWidget::SetFullRanges()
{
    xAxis->setRange(m_bounds.ViewKeys());
    yAxis->setRange(m_bounds.ViewValues());
}

void CChartWidget::ApplyStyle(const CGraphStyle& style)
{
    SetStyle(style);
    replot();
}

void CChartWidget::SetStyle(const CGraphStyle& style)
{
    m_style = style;
    m_style.lineWidth = std::clamp(style.lineWidth, CCustomizeGraphDialog::kMinLineWidth,
                                   CCustomizeGraphDialog::kMaxLineWidth);
    for (int i = 0; i < m_subsets.size(); ++i) {
        m_subsets[i]->setPen(SubsetPen(i, m_style.lineWidth));
    }
    xAxis->grid()->setVisible(m_style.showGrid);
    yAxis->grid()->setVisible(m_style.showGrid);
    ArrangeLayout();
}

bool CChartWidget::ExportToFile(const QString& path)
{
    return m_hasGraph && CChartExport(*this).SaveFile(path);
}

CChartWidget::EExportResult CChartWidget::RunExportDialog()
{
    if (!m_hasGraph) {
        return EExportResult::Failed;
    }
    const auto& formats = CChartExport::Formats();
    QStringList filters;
    for (const auto& format : formats) {
        filters << format.filter;
    }
    QString filter = filters.front();
    QString path =
        QFileDialog::getSaveFileName(this, tr("Save Graph"), QString(), filters.join(";;"), &filter);
    if (path.isEmpty()) {
        return EExportResult::Cancelled;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += "." + formats.at(std::max<qsizetype>(filters.indexOf(filter), 0)).suffix;
    }
    return ExportToFile(path) ? EExportResult::Saved : EExportResult::Failed;
}

CChartWidget::ECustomizeResult CChartWidget::RunCustomizeDialog()
{
    if (!m_hasGraph) {
        return ECustomizeResult::Failed;
    }
    CCustomizeGraphDialog dialog(m_style, this);
    if (dialog.exec() != QDialog::Accepted) {
        return ECustomizeResult::Cancelled;
    }
    ApplyStyle(dialog.Style());
    return ECustomizeResult::Applied;
}

bool CChartWidget::CopyToClipboard()
{
    if (!m_hasGraph) {
        return false;
    }
    const QImage image = CChartExport(*this).Image();
    if (image.isNull()) {
        return false;
    }
    QApplication::clipboard()->setImage(image);
    return true;
}

bool CChartWidget::Print()
{
    if (!m_hasGraph) {
        return false;
    }
    const CPrintPreview preview([this](QPrinter& printer) { return PrintTo(printer); }, tr("Velder graph"));
    preview.Exec(this);
    return true;
}

bool CChartWidget::PrintTo(QPrinter& printer)
{
    return m_hasGraph && CChartExport(*this).PrintTo(printer);
}

void CChartWidget::mousePressEvent(QMouseEvent* event)
{
    if (m_hasGraph && IsPanGesture(*event) && axisRect()->rect().contains(event->pos())) {
        m_panning = true;
        m_panStart = event->pos();
        m_panKeys = xAxis->range();
        m_panValues = yAxis->range();
        setCursor(Qt::ClosedHandCursor);
        event->accept();
        return;
    }
    const bool inArea = m_hasGraph && axisRect()->rect().contains(event->pos());
    if (inArea && event->button() == Qt::RightButton) {
        m_cursors.Place(m_cursors.Nearer(event->position().x()), xAxis->pixelToCoord(event->position().x()));
        Q_EMIT CursorsMoved(m_cursors.A(), m_cursors.B());
        event->accept();
        return;
    }
    if (inArea && event->button() == Qt::LeftButton) {
        m_dragged = m_cursors.At(event->position().x());
        if (m_dragged != CChartCursors::ECursor::None) {
            event->accept();
            return;
        }
    }
    if (event->button() == Qt::LeftButton && m_hasGraph) {
        QCustomPlot::mousePressEvent(event);
        return;
    }
    // Only a plain left drag draws the zoom rectangle.
    const QCP::SelectionRectMode mode = selectionRectMode();
    setSelectionRectMode(QCP::srmNone);
    QCustomPlot::mousePressEvent(event);
    setSelectionRectMode(mode);
}

void CChartWidget::mouseMoveEvent(QMouseEvent* event)
{
    if (m_panning) {
        const QRect area = axisRect()->rect();
        const double dk = double(m_panStart.x() - event->pos().x()) / std::max(area.width(), 1);
        const double dv = double(event->pos().y() - m_panStart.y()) / std::max(area.height(), 1);
        xAxis->setRange(m_panKeys.lower + dk * m_panKeys.size(), m_panKeys.upper + dk * m_panKeys.size());
        yAxis->setRange(m_panValues.lower + dv * m_panValues.size(),
                        m_panValues.upper + dv * m_panValues.size());
        replot(rpQueuedReplot);
        event->accept();
        return;
    }
    if (m_dragged != CChartCursors::ECursor::None) {
        m_cursors.Place(m_dragged, xAxis->pixelToCoord(event->position().x()));
        Q_EMIT CursorsMoved(m_cursors.A(), m_cursors.B());
        event->accept();
        return;
    }
    QCustomPlot::mouseMoveEvent(event);
    UpdateCrosshair(event->position());
    if (m_hasGraph && m_cursors.At(event->position().x()) != CChartCursors::ECursor::None)
        setCursor(Qt::SizeHorCursor);
    else if (!m_panning)
        unsetCursor();
}

void CChartWidget::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_panning) {
        m_panning = false;
        unsetCursor();
        event->accept();
        return;
    }
    if (m_dragged != CChartCursors::ECursor::None) {
        m_dragged = CChartCursors::ECursor::None;
        event->accept();
        return;
    }
    QCustomPlot::mouseReleaseEvent(event);
}

void CChartWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    QCustomPlot::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton && m_hasGraph) {
        ResetView();
    }
}

void CChartWidget::leaveEvent(QEvent* event)
{
    QCustomPlot::leaveEvent(event);
    if (m_crosshair.Visible()) {
        m_crosshair.Hide();
        Q_EMIT CrosshairLeft();
    }
}

void CChartWidget::resizeEvent(QResizeEvent* event)
{
    QCustomPlot::resizeEvent(event);
    ArrangeLegend();
}

void CChartWidget::UpdateCrosshair(const QPointF& pos)
{
    const bool inside = m_hasGraph && axisRect()->rect().contains(pos.toPoint());
    const bool wasVisible = m_crosshair.Visible();
    const auto nearest = inside ? m_crosshair.Track(m_subsets, pos) : std::nullopt;
    if (nearest) {
        Q_EMIT CrosshairMoved(nearest->subset, m_subsets[nearest->subset]->name(), nearest->x, nearest->y);
        return;
    }
    m_crosshair.Hide();
    if (wasVisible) {
        Q_EMIT CrosshairLeft();
    }
}

}  // namespace kores
