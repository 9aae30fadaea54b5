// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/cellinfolabel.h"

#include "base/shownbytes.h"
#include "document/trackdocument.h"
#include "ui/palette/piecetext.h"
#include "ui/track/trackcanvas.h"

#include <QCoreApplication>
#include <QFileInfo>

CellInfoLabel::CellInfoLabel(const TrackDocument &document, const TrackCanvas &canvas, QWidget *parent)
    : QLabel(parent), m_document(document), m_canvas(canvas)
{
    setObjectName(QStringLiteral("cellInfoLabel"));
    setTextFormat(Qt::PlainText);
    connect(&document, &TrackDocument::changed, this, &CellInfoLabel::refresh);
    connect(&document, &TrackDocument::modifiedChanged, this, &CellInfoLabel::refresh);
    connect(&document, &TrackDocument::fileNameChanged, this, &CellInfoLabel::refresh);
    connect(&canvas, &TrackCanvas::hoverChanged, this, &CellInfoLabel::refresh);
    connect(&canvas, &TrackCanvas::cursorMoved, this, &CellInfoLabel::refresh);
    refresh();
}

QString CellInfoLabel::fileText(const QString &fileName, bool modified)
{
    const QString name = fileName.isEmpty() ? QCoreApplication::translate("CellInfoLabel", "Untitled")
                                            : ShownBytes::fileName(QFileInfo(fileName).fileName());
    return modified ? name + QLatin1Char('*') : name;
}

QString CellInfoLabel::textFor(int index) const
{
    const QString file = fileText(m_document.fileName(), m_document.isModified());
    if (!m_canvas.isCellShown(index))
        return file;
    return QCoreApplication::translate("CellInfoLabel", "Column %1, row %2: %3    %4")
        .arg(TrackGrid::columnOf(index) + 1)
        .arg(TrackGrid::rowOf(index) + 1)
        .arg(PieceText::describe(m_document.cell(index).code), file);
}

void CellInfoLabel::refresh()
{
    const int hover = m_canvas.hoverCell();
    setText(textFor(hover >= 0 ? hover : m_canvas.cursorCell()));
}
