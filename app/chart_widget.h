// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QStringList>
#include <span>

#include "app/chart_crosshair.h"
#include "app/chart_cursors.h"
#include "app/chart_series.h"
#include "app/customize_graph_dialog.h"
#include "app/qcustomplot_include.h"

class QPrinter;

namespace kores {

// The graph of the plot view: one curve per subset of X/Y values,
// titles, axis titles and a legend, with wheel and rubber-band zoom, pan
// (middle button, or Shift or Ctrl with the left button), double-click to
// reset, a crosshair on the nearest curve point, time cursors A and B
// (right click places the nearer one, a left drag on one moves it), export, clipboard copy,
// printing and a customize dialog. Curves with ordered X are drawn with
// per-pixel-column reduction, so long channels stay fast; those of subsets
// with an owner and no missing point from their values in place.
class CChartWidget : public QCustomPlot {
    Q_OBJECT

public:
    enum class EExportResult { Failed, Saved, Cancelled };
    enum class ECustomizeResult { Failed, Cancelled, Applied };

    explicit CChartWidget(QWidget* parent = nullptr);

    // Creates the graph anew from the input (default style, full view). With
    // several subsets the subtitle is the list of legend labels and no titles
    // are shown above the graph; with one, main title and subtitle are.
    void ShowGraph(const CChartInput& input);
    // Removes the graph; the widget stays blank until the next ShowGraph.
    void Clear();
    bool HasGraph() const { return m_hasGraph; }

    int SubsetCount() const { return static_cast<int>(m_subsets.size()); }
    QCPAbstractPlottable* Subset(int index) const;
    QString MainTitle() const;
    QString Subtitle() const;

    // Shows the whole data again.
    void ResetView();
    QCPRange FullKeyRange() const { return m_bounds.ViewKeys(); }
    QCPRange FullValueRange() const { return m_bounds.ViewValues(); }

    // Where the time cursors stand (x values).
    double CursorA() const { return m_cursors.A(); }
    double CursorB() const { return m_cursors.B(); }
    void PlaceCursors(double a, double b);

    CGraphStyle Style() const { return m_style; }
    void ApplyStyle(const CGraphStyle& style);

    // Writes the graph as PNG, SVG or PDF by the file suffix; false on failure
    // or without a graph.
    bool ExportToFile(const QString& path);
    // Asks for a file and writes it; Failed on failure or without a graph.
    EExportResult RunExportDialog();
    // Failed without a graph.
    ECustomizeResult RunCustomizeDialog();
    bool CopyToClipboard();
    // Print preview; false without a graph.
    bool Print();
    bool PrintTo(QPrinter& printer);

Q_SIGNALS:
    // The mouse is nearest to this point of a subset.
    void CrosshairMoved(int subset, const QString& label, double x, double y);
    // The mouse left the data area.
    void CrosshairLeft();
    // A cursor was placed or dragged, or a new graph put both at their start.
    void CursorsMoved(double a, double b);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The parts of the public operations that leave the replot to their caller.
    void RemoveGraph();
    void SetStyle(const CGraphStyle& style);
    void SetFullRanges();
    // Adds the subset's curve, read in place where it can be, and its points to the bounds.
    void AddSubset(const CChartSubset& subset, double nullValue, const QString& label);
    // The curve of a copy of the points, added to the bounds.
    QCPAbstractPlottable* AddCopy(const CSubsetPoints& points);
    void SetTitles(const QString& mainTitle, const QString& subtitle);
    void ArrangeLayout();
    void ArrangeLegend();
    void UpdateCrosshair(const QPointF& pos);

    QList<QCPAbstractPlottable*> m_subsets;
    QCPTextElement* m_mainTitle = nullptr;
    QCPTextElement* m_subtitle = nullptr;
    CDataBounds m_bounds;
    CGraphStyle m_style;
    CChartCrosshair m_crosshair;
    CChartCursors m_cursors;
    CChartCursors::ECursor m_dragged = CChartCursors::ECursor::None;
    bool m_hasGraph = false;
    bool m_panning = false;
    QPoint m_panStart;
    QCPRange m_panKeys;
    QCPRange m_panValues;
};

}  // namespace kores
