// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QImage;
class QPainter;
class TrackCanvas;

// Draws a piece's picture on a cell of the canvas as the canvas draws its
// own (centred in the cell's face, masked, scaled with the zoom): what a
// preview shows there.
class TilePainter
{
public:
    // With cover, the cell's own picture is hidden first, so the preview
    // shows alone and not through the masked pixels.
    static void draw(QPainter &painter, const TrackCanvas &canvas, int index, const QImage &picture,
                     bool cover);
};
