// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/qcustomplot_include.h"

namespace kores {

// Two vertical time cursors, A and B, on the plot's overlay layer. A right
// click puts the nearer cursor at the mouse; a left press on a cursor line
// drags it.
class CChartCursors {
public:
    enum class ECursor { None, A, B };

    explicit CChartCursors(QCustomPlot& plot);

    // Puts A and B at a quarter and three quarters of range and shows them.
    void Reset(const QCPRange& range);
    void Hide();
    bool Visible() const;

    double A() const { return m_a; }
    double B() const { return m_b; }
    void Place(ECursor cursor, double key);

    // The cursor whose line lies within a few pixels of pixelX.
    ECursor At(double pixelX) const;
    // The cursor nearer to pixelX.
    ECursor Nearer(double pixelX) const;

private:
    void Show();

    QCustomPlot& m_plot;
    QCPItemStraightLine* m_lines[2];
    QCPItemText* m_labels[2];
    double m_a = 0;
    double m_b = 0;
};

}  // namespace kores
