// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace kores {

class CChartWidget;
class CCursorTableView;
class CVelderDoc;

// The lower pane: the graph of the document's current signals with the cursor
// table under it, both made anew for every signals hint and removed by every
// other hint.
class CPlotView : public QWidget {
    Q_OBJECT

public:
    explicit CPlotView(CVelderDoc& doc, QWidget* parent = nullptr);

    CChartWidget& Chart() const { return *chart_; }
    CCursorTableView& CursorTable() const { return *table_; }

    // "Save Graph", "Customize Graph", "&Print...", "&Copy Plot".
    void SaveGraph();
    void CustomizeGraph();
    void PrintGraph();
    void CopyPlot();

Q_SIGNALS:
    // The crosshair readout for the status bar; empty when the mouse left the graph.
    void Readout(const QString& text);

private:
    void OnUpdate(int hint);
    void ShowGraph();

    CVelderDoc& doc_;
    CChartWidget* chart_;
    CCursorTableView* table_;
};

}  // namespace kores
