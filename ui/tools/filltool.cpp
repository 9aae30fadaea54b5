// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tools/filltool.h"

#include "document/trackdocument.h"
#include "document/trackedits.h"
#include "ui/window/errorbox.h"

FillTool::FillTool(TrackDocument &document, const QByteArray &currentCode, QWidget *window, QObject *parent)
    : Tool(parent), m_document(document), m_currentCode(currentCode), m_window(window)
{
}

void FillTool::press(QPoint cell, Qt::KeyboardModifiers)
{
    fill(cell);
}

void FillTool::keyed(QPoint cell)
{
    fill(cell);
}

void FillTool::fill(QPoint cell)
{
    // Before any piece was chosen there is nothing to fill with.
    if (m_currentCode.isEmpty())
        return;
    ErrorBox::guard(m_window, [&] { m_document.edits().fill(TrackGrid::index(cell.x(), cell.y()), m_currentCode); });
}
