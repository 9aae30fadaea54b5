// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tools/floatingstamp.h"

#include "document/trackdocument.h"
#include "document/trackedits.h"
#include "ui/track/trackcanvas.h"

#include <QPainter>

namespace {

const Tool::Description stampTool{nullptr, "Stamp", "", ToolIcon::None,
                              "Click or press Enter to place the %1 x %2 block, Esc drops it", Qt::SizeAllCursor};

} // namespace

FloatingStamp::FloatingStamp(TrackDocument &document, TrackCanvas &canvas, QObject *parent)
    : Tool(stampTool, parent), m_document(document), m_canvas(canvas), m_alive(&canvas)
{
}

FloatingStamp::~FloatingStamp()
{
    // The window may take the canvas down first.
    if (m_alive)
        m_canvas.removeLayer(this);
}

void FloatingStamp::lift(const TrackBlock &block, QPoint at)
{
    if (block.isEmpty())
        return;
    if (isFloating())
        m_canvas.updateCells(cells());
    m_block = block;
    m_marked.clear();
    m_position = at;
    m_lifted = block.size();
    m_canvas.updateCells(cells());
    emit floatingChanged(true);
}

void FloatingStamp::replace(const TrackBlock &block, const QVector<QPoint> &marked)
{
    if (!isFloating() || block.isEmpty())
        return;
    m_canvas.updateCells(cells());
    m_block = block;
    m_marked = marked;
    m_canvas.updateCells(cells());
}

void FloatingStamp::moveTo(QPoint cell)
{
    if (!isFloating() || cell == m_position)
        return;
    // Only the cells it leaves and the cells it comes to are repainted.
    m_canvas.updateCells(cells());
    m_position = cell;
    m_canvas.updateCells(cells());
}

void FloatingStamp::place()
{
    if (!isFloating())
        return;
    const TrackBlock block = m_block;
    const QPoint at = m_position;
    end();
    m_document.edits().placeBlock(block, at);
}

void FloatingStamp::drop()
{
    if (isFloating())
        end();
}

void FloatingStamp::end()
{
    m_canvas.updateCells(cells());
    m_block = TrackBlock();
    m_marked.clear();
    emit floatingChanged(false);
}

// ---- Input ------------------------------------------------------------

QString FloatingStamp::hint() const
{
    return Tool::hint().arg(m_lifted.width()).arg(m_lifted.height());
}

// A left click puts it down where the pointer is, whatever keys are held.
Tool::Press FloatingStamp::press(QPoint cell, Qt::KeyboardModifiers)
{
    if (!isFloating())
        return Press::Passed;
    moveTo(cell);
    place();
    return Press::Taken;
}

bool FloatingStamp::pick(QPoint cell)
{
    return press(cell, Qt::AltModifier) == Press::Taken;
}

void FloatingStamp::point(QPoint cell)
{
    moveTo(cell);
}

bool FloatingStamp::keyed(QPoint)
{
    if (!isFloating())
        return false;
    place();
    return true;
}

bool FloatingStamp::cancel()
{
    if (!isFloating())
        return false;
    drop();
    return true;
}

// ---- Painting ---------------------------------------------------------

void FloatingStamp::paint(QPainter &painter, const TrackCanvas &canvas, const QRect &dirty) const
{
    // Parts beyond the track's block are cut off, as they are when placed.
    const QRect shown = cells() & QRect(0, 0, m_document.width(), m_document.height());
    if (shown.isEmpty())
        return;
    const TrackRenderer &renderer = canvas.renderer();
    const QColor ground = canvas.palette().color(QPalette::Window);
    for (int column = shown.left(); column <= shown.right(); ++column) {
        for (int row = shown.top(); row <= shown.bottom(); ++row) {
            const QPoint cell(column, row);
            if (!dirty.intersects(renderer.cellRect(cell)))
                continue;
            // Half-transparent: the cells under it still show through.
            const QPoint inBlock = cell - m_position;
            painter.setOpacity(0.55);
            painter.fillRect(renderer.cellRect(cell), ground);
            renderer.drawPiece(painter, cell, m_block.code(inBlock.x(), inBlock.y()));
            painter.setOpacity(1.0);
            if (m_marked.contains(inBlock))
                renderer.drawCellMark(painter, cell);
        }
    }
    // The outline tells the stamp from the cells under it where both agree.
    const QRect first = renderer.cellRect(shown.topLeft());
    const QRect last = renderer.cellRect(shown.bottomRight());
    painter.setOpacity(1.0);
    painter.setPen(QPen(canvas.palette().color(QPalette::Highlight), 2, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(first.united(last).adjusted(1, 1, -1, -1));
}
