// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/track/cellmouse.h"

#include "ui/track/trackcanvas.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <cstdlib>

CellMouse::CellMouse(TrackCanvas &canvas, QObject *parent)
    : QObject(parent), m_canvas(canvas)
{
    canvas.installEventFilter(this);
}

bool CellMouse::eventFilter(QObject *, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonDblClick:
        // The second press of a double click comes as this alone, and may
        // start the next stroke; where a plain press came first, it is done.
        if (m_stroking)
            return false;
        return pressed(static_cast<const QMouseEvent &>(*event));
    case QEvent::MouseButtonPress:
        return pressed(static_cast<const QMouseEvent &>(*event));
    case QEvent::MouseMove:
        moved(static_cast<const QMouseEvent &>(*event));
        break;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            released();
        break;
    case QEvent::ContextMenu: {
        const auto *menu = static_cast<QContextMenuEvent *>(event);
        const bool keyboard = menu->reason() == QContextMenuEvent::Keyboard;
        const int index = keyboard ? m_canvas.cursorCell() : m_canvas.cellAt(menu->pos());
        if (!m_stroking && m_canvas.isCellShown(index)) {
            const QPoint at = keyboard ? m_canvas.mapToGlobal(m_canvas.cellRect(index).center())
                                       : menu->globalPos();
            emit menuRequested(index, at);
        }
        return true;
    }
    default:
        break;
    }
    return false;
}

bool CellMouse::pressed(const QMouseEvent &event)
{
    if (event.button() != Qt::LeftButton)
        return false;
    const QPoint point = event.position().toPoint();
    const int index = m_canvas.cellAt(point);
    if (index < 0)
        return false;
    // A pick is no press of the cell: it is not even shown down.
    if (event.modifiers() & Qt::AltModifier) {
        emit pickRequested(index);
        return true;
    }
    m_stroking = true;
    m_pressKeys = event.modifiers();
    m_last = point;
    m_lastCell = index;
    emit strokeStarted(index);
    return false;
}

void CellMouse::moved(const QMouseEvent &event)
{
    if (!m_stroking)
        return;
    // The release went elsewhere (a window that popped up took it).
    if (!(event.buttons() & Qt::LeftButton)) {
        released();
        return;
    }
    const QPoint to = event.position().toPoint();
    const QPoint way = to - m_last;
    const int steps = std::max(std::abs(way.x()), std::abs(way.y()));
    const QPoint from = m_last;
    for (int s = 1; s <= steps; ++s)
        enter(shownCellAt(from + way * (double(s) / steps)));
    m_last = to;
}

void CellMouse::released()
{
    if (!m_stroking)
        return;
    m_stroking = false;
    emit strokeEnded();
}

void CellMouse::enter(int index)
{
    if (index == m_lastCell)
        return;
    m_lastCell = index;
    if (index >= 0)
        emit strokeEntered(index);
}

int CellMouse::shownCellAt(const QPoint &point) const
{
    return m_canvas.visibleRegion().contains(point) ? m_canvas.cellAt(point) : -1;
}
