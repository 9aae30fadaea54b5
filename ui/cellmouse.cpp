#include "ui/cellmouse.h"

#include "ui/trackview.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <cstdlib>

CellMouse::CellMouse(const TrackView &view, QObject *parent)
    : QObject(parent), m_view(view)
{
}

void CellMouse::watch(QWidget *cell)
{
    cell->installEventFilter(this);
}

bool CellMouse::eventFilter(QObject *watched, QEvent *event)
{
    auto *cell = static_cast<QWidget *>(watched);
    switch (event->type()) {
    case QEvent::MouseButtonDblClick:
        // The second press of a double click comes as this alone, and may
        // start the next stroke; where a plain press came first, it is done.
        if (m_stroking)
            return false;
        return pressed(cell, static_cast<const QMouseEvent &>(*event));
    case QEvent::MouseButtonPress:
        return pressed(cell, static_cast<const QMouseEvent &>(*event));
    case QEvent::MouseMove:
        moved(cell, static_cast<const QMouseEvent &>(*event));
        break;
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
            released();
        break;
    case QEvent::ContextMenu: {
        const auto *menu = static_cast<QContextMenuEvent *>(event);
        const int index = m_view.cellAt(areaPoint(cell, menu->pos()));
        if (!m_stroking && index >= 0)
            emit menuRequested(index, menu->globalPos());
        return true;
    }
    default:
        break;
    }
    return false;
}

bool CellMouse::pressed(QWidget *cell, const QMouseEvent &event)
{
    if (event.button() != Qt::LeftButton)
        return false;
    const QPoint point = areaPoint(cell, event.position().toPoint());
    const int index = m_view.cellAt(point);
    if (index < 0)
        return false;
    // A pick is no press of the cell: the button is not even shown down.
    if (event.modifiers() & Qt::AltModifier) {
        emit pickRequested(index);
        return true;
    }
    m_stroking = true;
    m_last = point;
    m_lastCell = index;
    emit strokeStarted(index);
    return false;
}

void CellMouse::moved(QWidget *cell, const QMouseEvent &event)
{
    if (!m_stroking)
        return;
    // The release went elsewhere (a window that popped up took it).
    if (!(event.buttons() & Qt::LeftButton)) {
        released();
        return;
    }
    const QPoint to = areaPoint(cell, event.position().toPoint());
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

QPoint CellMouse::areaPoint(QWidget *cell, const QPoint &cellPoint) const
{
    return cell->mapTo(m_view.area(), cellPoint);
}

int CellMouse::shownCellAt(const QPoint &areaPoint) const
{
    const QPoint inBox = m_view.area()->mapTo(m_view.viewport(), areaPoint);
    return m_view.viewport()->rect().contains(inBox) ? m_view.cellAt(areaPoint) : -1;
}
