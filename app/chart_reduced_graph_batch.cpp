// SPDX-License-Identifier: GPL-3.0-or-later
// Dense replots draw the reduced graphs of a layer on two threads: the first
// half straight onto the layer, the second half into a transparent image that
// is then laid over it. Lines are drawn solid and without antialiasing there,
// so every pixel is either the pen's opaque colour or untouched, and the
// picture is the same as drawing the graphs one after the other.
#include <QImage>
#include <QPaintEngine>
#include <atomic>
#include <thread>

#include "app/chart_reduced_graph.h"

namespace kores {

namespace {

constexpr int kLeastBatch = 8;  // fewer graphs are not worth a thread

std::atomic<bool>& ParallelDrawing()
{
    static std::atomic<bool> parallel{true};
    return parallel;
}

}  // namespace

void CReducedGraph::SetParallelDrawing(bool parallel)
{
    ParallelDrawing() = parallel;
}

bool CReducedGraph::DrawBatch(QCPPainter& painter)
{
    if (!ParallelDrawing() || std::thread::hardware_concurrency() < 2 || !layer() ||
        painter.modes().testFlag(QCPPainter::pmVectorized) || !painter.paintEngine() ||
        painter.paintEngine()->type() != QPaintEngine::Raster || !painter.device())
        return false;
    // This graph and the visible reduced graphs right after it on its layer.
    std::vector<CReducedGraph*> graphs;
    const QList<QCPLayerable*> children = layer()->children();
    for (qsizetype i = children.indexOf(this); i >= 0 && i < children.size(); ++i) {
        auto* graph = qobject_cast<CReducedGraph*>(children[i]);
        if (!graph) break;
        if (graph->realVisibility()) graphs.push_back(graph);
    }
    if (graphs.size() < static_cast<std::size_t>(kLeastBatch)) return false;

    const std::size_t half = graphs.size() / 2;
    std::vector<QPolygonF> lines(graphs.size());
    std::atomic<bool> reduced{true};
    const auto reduce = [&](std::size_t from, std::size_t to) {
        for (std::size_t i = from; i < to && reduced; ++i)
            if (!graphs[i]->PixelLine(lines[i])) reduced = false;
    };
    std::thread reducing(reduce, half, graphs.size());
    reduce(0, half);
    reducing.join();
    if (!reduced) return false;

    painter.setAntialiasing(false);
    const QPaintDevice& device = *painter.device();
    const qreal ratio = device.devicePixelRatioF();
    QImage over(device.width(), device.height(), QImage::Format_ARGB32_Premultiplied);
    over.setDevicePixelRatio(ratio);
    over.fill(Qt::transparent);
    const QTransform transform = painter.worldTransform();
    std::thread drawing([&] {
        QPainter overPainter(&over);
        overPainter.setWorldTransform(transform);
        for (std::size_t i = half; i < graphs.size(); ++i) {
            overPainter.setClipRect(graphs[i]->clipRect().translated(0, -1));
            graphs[i]->DrawLine(overPainter, lines[i], true);
        }
    });
    for (std::size_t i = 0; i < half; ++i) {
        painter.save();  // keeps the transform of the unantialiased painter
        painter.setClipRect(graphs[i]->clipRect().translated(0, -1));
        graphs[i]->DrawLine(painter, lines[i], true);
        painter.restore();
    }
    drawing.join();
    painter.save();
    painter.setClipping(false);
    painter.resetTransform();
    painter.drawImage(QPointF(0, 0), over);
    painter.restore();
    // The layer draws each of them next; they have nothing left to draw.
    for (CReducedGraph* graph : graphs) graph->m_drawnInBatch = graph != this;
    return true;
}

}  // namespace kores
