// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tools/painttool.h"

#include "document/trackgrid.h"
#include "ui/track/celledits.h"

namespace {

int indexOf(QPoint cell)
{
    return TrackGrid::index(cell.x(), cell.y());
}

} // namespace

PaintTool::PaintTool(CellEdits &edits, QObject *parent) : Tool(parent), m_edits(edits) {}

void PaintTool::press(QPoint cell, Qt::KeyboardModifiers)
{
    m_edits.startStroke(indexOf(cell));
}

void PaintTool::move(QPoint cell)
{
    m_edits.continueStroke(indexOf(cell));
}

void PaintTool::release()
{
    m_edits.endStroke();
}

void PaintTool::keyed(QPoint cell)
{
    m_edits.placeOnce(indexOf(cell));
}

void PaintTool::deactivate()
{
    m_edits.endStroke();
}
