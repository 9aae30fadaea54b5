// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QPainter;
class QRect;
class TrackCanvas;

// Something drawn over the track's cells: the selection's outline, a tool's
// preview, a floating stamp. The canvas paints its layers after the cells
// and the open-end marks, in the order they were added, and before the
// keyboard's cursor; a layer asks for a repaint through the canvas
// (TrackCanvas::updateCells) when what it shows changes.
class CanvasLayer
{
public:
    virtual ~CanvasLayer() = default;
    // dirty is the part of the canvas being repainted, in its coordinates.
    virtual void paint(QPainter &painter, const TrackCanvas &canvas, const QRect &dirty) const = 0;
};
