// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tools/selectionoutline.h"

#include "document/trackdocument.h"
#include "ui/track/trackcanvas.h"

#include <QPainter>
#include <QPen>

SelectionOutline::SelectionOutline(const TrackDocument &document, TrackCanvas &canvas, QObject *parent)
    : QObject(parent), m_document(document), m_canvas(&canvas)
{
    connect(&document, &TrackDocument::selectionChanged, this, &SelectionOutline::selectionChanged);
    m_shown = document.selection().bounds();
    canvas.addLayer(this);
}

SelectionOutline::~SelectionOutline()
{
    if (m_canvas)
        m_canvas->removeLayer(this);
}

// Only the cells of the outline that went and of the one that came repaint.
void SelectionOutline::selectionChanged()
{
    const QRect now = m_document.selection().bounds();
    if (!m_canvas)
        return;
    m_canvas->updateCells(m_shown);
    m_canvas->updateCells(now);
    m_shown = now;
}

void SelectionOutline::paint(QPainter &painter, const TrackCanvas &canvas, const QRect &dirty) const
{
    draw(painter, canvas, m_document.selection(), QPoint(), dirty);
}

void SelectionOutline::draw(QPainter &painter, const TrackCanvas &canvas, const CellSelection &cells,
                            QPoint offset, const QRect &dirty)
{
    if (cells.isEmpty())
        return;
    QVector<QLine> lines;
    for (int index : cells.cells()) {
        const int column = TrackGrid::columnOf(index), row = TrackGrid::rowOf(index);
        const QPoint at(column + offset.x(), row + offset.y());
        if (at.x() < 0 || at.y() < 0 || at.x() >= TrackGrid::side || at.y() >= TrackGrid::side)
            continue;
        // Along the cell's own edges: two cells side by side join in one line.
        const QRect r = canvas.cellRect(TrackGrid::index(at.x(), at.y()));
        if (!dirty.intersects(r.adjusted(-2, -2, 2, 2)))
            continue;
        const int left = r.left(), top = r.top(), right = r.left() + r.width(), bottom = r.top() + r.height();
        auto outside = [&cells](int c, int w) {
            return c < 0 || w < 0 || c >= TrackGrid::side || w >= TrackGrid::side || !cells.contains(c, w);
        };
        if (outside(column, row - 1))
            lines.append(QLine(left, top, right, top));
        if (outside(column + 1, row))
            lines.append(QLine(right, top, right, bottom));
        if (outside(column, row + 1))
            lines.append(QLine(left, bottom, right, bottom));
        if (outside(column - 1, row))
            lines.append(QLine(left, top, left, bottom));
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::SquareCap));
    painter.drawLines(lines);
    QPen dashes(QColor(20, 20, 140), 1, Qt::CustomDashLine, Qt::FlatCap);
    dashes.setDashPattern({4, 3});
    painter.setPen(dashes);
    painter.drawLines(lines);
}
