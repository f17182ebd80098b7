// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/chart_cursors.h"

#include <cmath>

namespace kores {

namespace {

constexpr double kGrabPixels = 4.0;

const QColor kCursorColors[2] = {QColor(200, 30, 30), QColor(30, 60, 200)};

}  // namespace

CChartCursors::CChartCursors(QCustomPlot& plot) : m_plot(plot)
{
    const char* names[2] = {"A", "B"};
    for (int i = 0; i < 2; ++i) {
        m_lines[i] = new QCPItemStraightLine(&plot);
        m_lines[i]->setPen(QPen(kCursorColors[i], 1.0, Qt::SolidLine));
        m_labels[i] = new QCPItemText(&plot);
        m_labels[i]->setText(names[i]);
        m_labels[i]->setColor(kCursorColors[i]);
        m_labels[i]->setFont(QFont(plot.font().family(), 9, QFont::Bold));
        m_labels[i]->setPositionAlignment(Qt::AlignTop | Qt::AlignLeft);
        m_labels[i]->setPadding(QMargins(3, 2, 0, 0));
        m_labels[i]->position->setTypeY(QCPItemPosition::ptAxisRectRatio);
        for (QCPAbstractItem* item :
             {static_cast<QCPAbstractItem*>(m_lines[i]), static_cast<QCPAbstractItem*>(m_labels[i])}) {
            item->setLayer(QStringLiteral("overlay"));
            item->setSelectable(false);
            item->setVisible(false);
        }
    }
}

void CChartCursors::Reset(const QCPRange& range)
{
    m_a = range.lower + 0.25 * range.size();
    m_b = range.lower + 0.75 * range.size();
    Show();
}

void CChartCursors::Place(ECursor cursor, double key)
{
    if (cursor == ECursor::None) return;
    (cursor == ECursor::A ? m_a : m_b) = key;
    Show();
}

void CChartCursors::Show()
{
    const double keys[2] = {m_a, m_b};
    for (int i = 0; i < 2; ++i) {
        m_lines[i]->point1->setCoords(keys[i], 0.0);
        m_lines[i]->point2->setCoords(keys[i], 1.0);
        m_labels[i]->position->setCoords(keys[i], 0.0);
        m_lines[i]->setVisible(true);
        m_labels[i]->setVisible(true);
    }
    // A hidden plot has no paint buffer yet; its next replot draws the cursors.
    if (m_plot.isVisible()) m_plot.layer(QStringLiteral("overlay"))->replot();
}

void CChartCursors::Hide()
{
    for (int i = 0; i < 2; ++i) {
        m_lines[i]->setVisible(false);
        m_labels[i]->setVisible(false);
    }
}

bool CChartCursors::Visible() const
{
    return m_lines[0]->visible();
}

CChartCursors::ECursor CChartCursors::At(double pixelX) const
{
    if (!Visible()) return ECursor::None;
    const double a = std::abs(m_plot.xAxis->coordToPixel(m_a) - pixelX);
    const double b = std::abs(m_plot.xAxis->coordToPixel(m_b) - pixelX);
    if (std::min(a, b) > kGrabPixels) return ECursor::None;
    return a <= b ? ECursor::A : ECursor::B;
}

CChartCursors::ECursor CChartCursors::Nearer(double pixelX) const
{
    if (!Visible()) return ECursor::None;
    const double a = std::abs(m_plot.xAxis->coordToPixel(m_a) - pixelX);
    const double b = std::abs(m_plot.xAxis->coordToPixel(m_b) - pixelX);
    return a <= b ? ECursor::A : ECursor::B;
}

}  // namespace kores
