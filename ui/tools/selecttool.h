// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/cellselection.h"
#include "ui/tools/tool.h"
#include "ui/track/canvaslayer.h"

class TrackCanvas;
class TrackDocument;

// "Select": a drag spans a rectangle of cells that becomes the selection;
// with Shift it is added to the selection there was. A drag that starts
// inside the selection moves its pieces instead: they follow the pointer,
// drawn half-transparent, and the release puts them down, one step of the
// history (the cells left behind become the default piece). Esc during a
// drag gives back the selection from before it, or drops the move.
class SelectTool : public Tool, public CanvasLayer
{
    Q_OBJECT

public:
    SelectTool(TrackDocument &document, TrackCanvas &canvas, QObject *parent);

    Press press(QPoint cell, Qt::KeyboardModifiers keys) override;
    void drag(QPoint cell) override;
    void release() override;
    bool busy() const override { return m_mode != Mode::Idle; }
    bool cancel() override;
    const CanvasLayer *layer() const override { return this; }

    // The pieces being moved, drawn where they would land.
    void paint(QPainter &painter, const TrackCanvas &canvas, const QRect &dirty) const override;

private:
    enum class Mode { Idle, Spanning, Moving };

    void setOffset(QPoint offset);
    QRect movedBounds() const;

    TrackDocument &m_document;
    TrackCanvas &m_canvas;
    Mode m_mode = Mode::Idle;
    QPoint m_from;               // the cell pressed
    CellSelection m_before;      // the selection when the drag began
    CellSelection m_base;        // what the rectangle is added to
    QPoint m_offset;             // how far the pieces moved, in cells
};
