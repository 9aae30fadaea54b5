// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/cellselection.h"
#include "ui/track/canvaslayer.h"

#include <QObject>
#include <QPointer>
#include <QPoint>
#include <QRect>

class TrackCanvas;
class TrackDocument;

// The document's selection drawn on the canvas: a line around the selected
// cells (light under dark dashes, to be seen on grass, tarmac and carpet
// alike), along every edge where a selected cell meets one that is not. The
// cells' pictures stay as they are.
class SelectionOutline : public QObject, public CanvasLayer
{
    Q_OBJECT

public:
    SelectionOutline(const TrackDocument &document, TrackCanvas &canvas, QObject *parent);
    ~SelectionOutline() override;

    void paint(QPainter &painter, const TrackCanvas &canvas, const QRect &dirty) const override;

    // The outline of any set of cells, moved by offset cells (a selection
    // being dragged).
    static void draw(QPainter &painter, const TrackCanvas &canvas, const CellSelection &cells,
                     QPoint offset, const QRect &dirty);

private:
    void selectionChanged();

    const TrackDocument &m_document;
    // Gone first when the window closes: the canvas is its central widget's.
    QPointer<TrackCanvas> m_canvas;
    QRect m_shown;  // the bounds of the selection last drawn
};
