// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tools/painttool.h"

#include "document/trackgrid.h"
#include "ui/track/celledits.h"

namespace {

const Tool::Description paintTool{"PaintTool1", "Paint", "B", ToolIcon::Paint,
                              "Paint: click or drag to place the current piece; Alt+click picks a cell's piece",
                              Qt::ArrowCursor};

int indexOf(QPoint cell)
{
    return TrackGrid::index(cell.x(), cell.y());
}

} // namespace

PaintTool::PaintTool(CellEdits &edits, QObject *parent) : Tool(paintTool, parent), m_edits(edits) {}

Tool::Press PaintTool::press(QPoint cell, Qt::KeyboardModifiers)
{
    m_edits.startStroke(indexOf(cell));
    return Press::Stroke;
}

void PaintTool::drag(QPoint cell)
{
    m_edits.continueStroke(indexOf(cell));
}

void PaintTool::release()
{
    m_edits.endStroke();
}

bool PaintTool::keyed(QPoint cell)
{
    m_edits.placeOnce(indexOf(cell));
    return true;
}

void PaintTool::deactivate()
{
    m_edits.endStroke();
}
