// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tools/routetool.h"

#include "document/trackdocument.h"
#include "document/trackedits.h"
#include "ui/track/trackcanvas.h"
#include "ui/window/errorbox.h"

#include <QPainter>

namespace {

const Tool::Description routeTool{"RouteTool1", "Route", "T", ToolIcon::Route,
                              "Route: drag through the cells a road is to take; the release lays it, Esc drops it",
                              Qt::CrossCursor};

} // namespace

RouteTool::RouteTool(TrackDocument &document, TrackCanvas &canvas, const QByteArray &currentCode, QObject *parent)
    : Tool(routeTool, parent), m_document(document), m_canvas(canvas), m_currentCode(currentCode)
{
}

Tool::Press RouteTool::press(QPoint cell, Qt::KeyboardModifiers)
{
    cancel();
    m_solver.emplace(m_document.grid(), RoadPieces::familyOf(m_currentCode));
    if (!m_solver->start(cell))
        m_solver.reset();
    else
        repaintChanged();
    return Press::Stroke;
}

void RouteTool::drag(QPoint cell)
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
            // The preview shows alone, not through the masked pixels of the
            // piece it replaces.
            const QRect cell = canvas.cellRect(index);
            painter.fillRect(cell, canvas.palette().color(canvas.backgroundRole()));
            canvas.renderer().drawPiece(painter, QPoint(column, row), code);
            // A thin frame tells the preview from pieces already laid.
            painter.setPen(QPen(canvas.palette().color(QPalette::Highlight), 1));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(cell.adjusted(0, 0, -1, -1));
        }
    }
}
