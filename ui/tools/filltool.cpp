// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tools/filltool.h"

#include "document/trackdocument.h"
#include "document/trackedits.h"
#include "ui/window/errorbox.h"

namespace {

const Tool::Description fillTool{"FillTool1", "Fill", "F", ToolIcon::Fill,
                                 "Fill: click to give the current piece to the cells joined to it through cells "
                                 "of the same piece",
                                 Qt::PointingHandCursor};

} // namespace

FillTool::FillTool(TrackDocument &document, const QByteArray &currentCode, QWidget *window, QObject *parent)
    : Tool(fillTool, parent), m_document(document), m_currentCode(currentCode), m_window(window)
{
}

Tool::Press FillTool::press(QPoint cell, Qt::KeyboardModifiers)
{
    fill(cell);
    return Press::Stroke;
}

bool FillTool::keyed(QPoint cell)
{
    fill(cell);
    return true;
}

void FillTool::fill(QPoint cell)
{
    // Before any piece was chosen there is nothing to fill with.
    if (m_currentCode.isEmpty())
        return;
    ErrorBox::guard(m_window, [&] { m_document.edits().fill(TrackGrid::index(cell.x(), cell.y()), m_currentCode); });
}
