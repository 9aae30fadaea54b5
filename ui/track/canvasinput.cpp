// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/track/canvasinput.h"

#include "document/trackgrid.h"
#include "ui/track/trackcanvas.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <cstdlib>

namespace {

QPoint cellOf(int index)
{
    return QPoint(TrackGrid::columnOf(index), TrackGrid::rowOf(index));
}

Qt::KeyboardModifiers plain(const QKeyEvent &event)
{
    return event.modifiers() & ~Qt::KeypadModifier;
}

} // namespace

CanvasInput::CanvasInput(TrackCanvas &canvas) : QObject(&canvas), m_canvas(canvas)
{
    // The keyboard's cursor points at a cell as the pointer does.
    connect(&canvas, &TrackCanvas::cursorMoved, this, &CanvasInput::pointTo);
}

void CanvasInput::setTool(CanvasHandler *tool)
{
    if (m_stroke == m_tool)
        m_stroke = nullptr;
    m_tool = tool;
}

void CanvasInput::startMode(CanvasHandler *mode)
{
    if (!m_modes.contains(mode))
        m_modes.prepend(mode);
}

void CanvasInput::endMode(CanvasHandler *mode)
{
    m_modes.removeAll(mode);
    if (m_stroke == mode)
        m_stroke = nullptr;
}

QVector<CanvasHandler *> CanvasInput::handlers() const
{
    QVector<CanvasHandler *> all = m_modes;
    if (m_tool)
        all.append(m_tool);
    return all;
}

// Asks the handlers in turn until one takes it. A handler may end a mode
// or change the tool as it answers, so the list is taken before.
template <typename Ask>
bool CanvasInput::anyTakes(Ask ask) const
{
    for (CanvasHandler *handler : handlers()) {
        if (ask(*handler))
            return true;
    }
    return false;
}

// ---- The one handler of each key --------------------------------------

bool CanvasInput::escape()
{
    if (anyTakes([](CanvasHandler &handler) { return handler.escape(); }))
        return true;
    emit escaped();
    return false;
}

void CanvasInput::keyed(int index)
{
    if (!m_canvas.isCellShown(index))
        return;
    anyTakes([index](CanvasHandler &handler) { return handler.keyed(cellOf(index)); });
}

void CanvasInput::menu(int index, const QPoint &globalPos)
{
    if (m_stroking || !m_canvas.isCellShown(index))
        return;
    if (!anyTakes([&](CanvasHandler &handler) { return handler.menu(cellOf(index), globalPos); }))
        emit menuRequested(index, globalPos);
}

bool CanvasInput::isTrackKey(const QKeyEvent &event)
{
    const int key = event.key();
    return plain(event) == Qt::NoModifier
           && (key == Qt::Key_Escape || key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter);
}

bool CanvasInput::keyPress(QKeyEvent &event)
{
    if (isTrackKey(event)) {
        if (event.key() == Qt::Key_Escape) {
            escape();
            return true;
        }
        if (m_canvas.shownColumns() == 0)
            return false;
        // Held down, it places once.
        if (!event.isAutoRepeat())
            keyed(m_canvas.cursorCell());
        return true;
    }
    return anyTakes([&event](CanvasHandler &handler) { return handler.key(event); });
}

bool CanvasInput::wheel(QWheelEvent &event)
{
    return anyTakes([&event](CanvasHandler &handler) { return handler.wheel(event); });
}

void CanvasInput::contextMenu(const QContextMenuEvent &event)
{
    if (event.reason() == QContextMenuEvent::Keyboard) {
        const int index = m_canvas.cursorCell();
        menu(index, m_canvas.mapToGlobal(m_canvas.cellRect(index).center()));
    } else {
        menu(m_canvas.cellAt(event.pos()), event.globalPos());
    }
}

// ---- The mouse --------------------------------------------------------

CanvasHandler::Press CanvasInput::mousePress(const QMouseEvent &event)
{
    using Press = CanvasHandler::Press;
    // The second press of a double click comes as a double click alone, and
    // may start the next stroke; where a plain press came first, it is done.
    if (event.button() != Qt::LeftButton || (event.type() == QEvent::MouseButtonDblClick && m_stroking))
        return Press::Passed;
    const QPoint point = event.position().toPoint();
    const int index = m_canvas.cellAt(point);
    if (index < 0)
        return Press::Passed;
    const QPoint cell = cellOf(index);
    if (event.modifiers() & Qt::AltModifier) {
        if (!anyTakes([cell](CanvasHandler &handler) { return handler.pick(cell); }))
            emit pickRequested(index);
        return Press::Taken;
    }
    for (CanvasHandler *handler : handlers()) {
        const Press press = handler->press(cell, event.modifiers());
        if (press == Press::Stroke) {
            m_stroking = true;
            m_stroke = handler;
            m_last = point;
            m_lastCell = index;
        }
        if (press != Press::Passed)
            return press;
    }
    return Press::Passed;
}

void CanvasInput::mouseMove(const QMouseEvent &event)
{
    const QPoint point = event.position().toPoint();
    // The release went elsewhere (a window that popped up took it).
    if (m_stroking && !(event.buttons() & Qt::LeftButton))
        endStroke();
    if (m_stroking) {
        strokeTo(point);
        return;
    }
    const int index = m_canvas.cellAt(point);
    if (index >= 0)
        pointTo(index);
}

void CanvasInput::mouseRelease(const QMouseEvent &event)
{
    if (event.button() == Qt::LeftButton)
        endStroke();
}

void CanvasInput::strokeTo(const QPoint &point)
{
    const QPoint way = point - m_last;
    const int steps = std::max(std::abs(way.x()), std::abs(way.y()));
    const QPoint from = m_last;
    m_last = point;
    for (int s = 1; s <= steps; ++s) {
        const int index = shownCellAt(from + way * (double(s) / steps));
        if (index == m_lastCell)
            continue;
        m_lastCell = index;
        if (index >= 0 && m_stroke)
            m_stroke->drag(cellOf(index));
    }
}

void CanvasInput::endStroke()
{
    if (!m_stroking)
        return;
    m_stroking = false;
    CanvasHandler *handler = m_stroke;
    m_stroke = nullptr;
    if (handler)
        handler->release();
}

void CanvasInput::pointTo(int index)
{
    if (!m_canvas.isCellShown(index))
        return;
    for (CanvasHandler *handler : handlers())
        handler->point(cellOf(index));
}

int CanvasInput::shownCellAt(const QPoint &point) const
{
    return m_canvas.visibleRegion().contains(point) ? m_canvas.cellAt(point) : -1;
}
