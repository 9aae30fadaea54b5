// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tools/selecttool.h"

#include "document/trackdocument.h"
#include "document/trackedits.h"
#include "ui/tools/selectionoutline.h"
#include "ui/track/trackcanvas.h"
#include "ui/window/errorbox.h"

#include <QPainter>

namespace {

const Tool::Description selectTool{"SelectTool1", "Select", "R", ToolIcon::Select,
                               "Select: drag over cells to select them, with Shift to add them; drag the "
                               "selection to move its pieces",
                               Qt::CrossCursor};

} // namespace

SelectTool::SelectTool(TrackDocument &document, TrackCanvas &canvas, QObject *parent)
    : Tool(selectTool, parent), m_document(document), m_canvas(canvas)
{
}

Tool::Press SelectTool::press(QPoint cell, Qt::KeyboardModifiers keys)
{
    m_from = cell;
    m_before = m_document.selection();
    m_offset = QPoint();
    const bool shift = keys & Qt::ShiftModifier;
    if (!shift && m_before.contains(cell.x(), cell.y())) {
        m_mode = Mode::Moving;
        return Press::Stroke;
    }
    m_mode = Mode::Spanning;
    m_base = shift ? m_before : CellSelection();
    drag(cell);
    return Press::Stroke;
}

void SelectTool::drag(QPoint cell)
{
    if (m_mode == Mode::Spanning) {
        CellSelection selection = m_base;
        // Cut to the block: cells beyond it are not there to select.
        const QRect block(0, 0, m_document.width(), m_document.height());
        selection.add(CellSelection::span(m_from, cell) & block);
        m_document.setSelection(selection);
    } else if (m_mode == Mode::Moving) {
        setOffset(cell - m_from);
    }
}

void SelectTool::release()
{
    const Mode mode = m_mode;
    const QPoint offset = m_offset;
    setOffset(QPoint());
    m_mode = Mode::Idle;
    if (mode != Mode::Moving || offset.isNull())
        return;
    ErrorBox::guard(m_canvas.window(), [&] { m_document.edits().moveSelection(offset); });
}

bool SelectTool::cancel()
{
    const Mode mode = m_mode;
    m_mode = Mode::Idle;
    setOffset(QPoint());
    if (mode == Mode::Spanning)
        m_document.setSelection(m_before);
    return mode != Mode::Idle;
}

void SelectTool::setOffset(QPoint offset)
{
    if (offset == m_offset)
        return;
    m_canvas.updateCells(movedBounds());
    m_offset = offset;
    m_canvas.updateCells(movedBounds());
}

QRect SelectTool::movedBounds() const
{
    return m_offset.isNull() ? QRect() : m_document.selection().bounds().translated(m_offset);
}

void SelectTool::paint(QPainter &painter, const TrackCanvas &canvas, const QRect &dirty) const
{
    if (m_mode != Mode::Moving || m_offset.isNull())
        return;
    const CellSelection &selection = m_document.selection();
    painter.setOpacity(0.6);
    for (int index : selection.cells()) {
        const QPoint to = QPoint(TrackGrid::columnOf(index), TrackGrid::rowOf(index)) + m_offset;
        if (!m_document.grid().inBlock(index) || to.x() < 0 || to.y() < 0 || to.x() >= m_document.width()
            || to.y() >= m_document.height())
            continue;
        if (dirty.intersects(canvas.renderer().cellRect(to)))
            canvas.renderer().drawPiece(painter, to, m_document.cell(index).code);
    }
    painter.setOpacity(1.0);
    SelectionOutline::draw(painter, canvas, selection, m_offset, dirty);
}
