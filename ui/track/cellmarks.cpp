// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/track/cellmarks.h"

#include "document/trackgrid.h"
#include "ui/track/trackcanvas.h"

CellMarks::CellMarks(TrackCanvas &canvas, QObject *parent) : QObject(parent), m_canvas(&canvas)
{
    canvas.addLayer(this);
}

CellMarks::~CellMarks()
{
    if (m_canvas)
        m_canvas->removeLayer(this);
}

void CellMarks::setCells(const QVector<int> &cells)
{
    if (cells == m_cells)
        return;
    repaint();
    m_cells = cells;
    repaint();
}

void CellMarks::repaint() const
{
    if (!m_canvas)
        return;
    for (int index : m_cells)
        m_canvas->updateCells(QRect(TrackGrid::columnOf(index), TrackGrid::rowOf(index), 1, 1));
}

void CellMarks::paint(QPainter &painter, const TrackCanvas &canvas, const QRect &dirty) const
{
    for (int index : m_cells) {
        if (canvas.isCellShown(index) && dirty.intersects(canvas.cellRect(index)))
            canvas.renderer().drawCellMark(painter, QPoint(TrackGrid::columnOf(index), TrackGrid::rowOf(index)));
    }
}
