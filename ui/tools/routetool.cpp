// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tools/routetool.h"

#include "document/trackdocument.h"
#include "document/trackedits.h"
#include "pieces/tilestore.h"
#include "ui/tools/tilepainter.h"
#include "ui/track/trackcanvas.h"
#include "ui/window/errorbox.h"

#include <QPainter>

RouteTool::RouteTool(TrackDocument &document, TrackCanvas &canvas, const TileStore &tiles,
                     const QByteArray &currentCode, QObject *parent)
    : Tool(parent), m_document(document), m_canvas(canvas), m_tiles(tiles), m_currentCode(currentCode)
{
}

void RouteTool::press(QPoint cell, Qt::KeyboardModifiers)
{
    cancel();
    m_solver.emplace(m_document.grid(), RoadPieces::familyOf(m_currentCode));
    if (!m_solver->start(cell)) {
        m_solver.reset();
        return;
    }
    repaintChanged();
}

void RouteTool::move(QPoint cell)
{
    if (m_solver && m_solver->enter(cell))
        repaintChanged();
}

void RouteTool::release()
{
    if (!m_solver)
        return;
    const RouteSolver route = *m_solver;
    // The preview goes before the step, which then shows the same pieces.
    cancel();
    ErrorBox::guard(m_canvas.window(), [&] { m_document.edits().layRoute(route); });
}

bool RouteTool::cancel()
{
    if (!m_solver)
        return false;
    m_solver->clear();
    repaintChanged();
    m_solver.reset();
    return true;
}

void RouteTool::repaintChanged()
{
    for (const QPoint &cell : m_solver->takeChanged())
        m_canvas.updateCells(QRect(cell, QSize(1, 1)));
}

void RouteTool::paint(QPainter &painter, const TrackCanvas &canvas, const QRect &dirty) const
{
    if (!m_solver || m_solver->isEmpty())
        return;
    const int firstColumn = std::max(0, canvas.columnAt(dirty.left()));
    const int lastColumn = std::min(TrackGrid::side - 1, canvas.columnAt(dirty.right()));
    const int firstRow = std::max(0, canvas.rowAt(dirty.top()));
    const int lastRow = std::min(TrackGrid::side - 1, canvas.rowAt(dirty.bottom()));
    for (int column = firstColumn; column <= lastColumn; ++column) {
        for (int row = firstRow; row <= lastRow; ++row) {
            const QByteArray code = m_solver->pieceAt(QPoint(column, row));
            const int index = TrackGrid::index(column, row);
            if (code.isEmpty() || !canvas.isCellShown(index))
                continue;
            TilePainter::draw(painter, canvas, index, m_tiles.picture(code), true);
            // A thin frame tells the preview from pieces already laid.
            const QRect cell = canvas.cellRect(index);
            painter.setPen(QPen(canvas.palette().color(QPalette::Highlight), 1));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(cell.adjusted(0, 0, -1, -1));
        }
    }
}
