// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tools/tilepainter.h"

#include "ui/palette/picturebutton.h"
#include "ui/track/trackcanvas.h"

#include <QPainter>
#include <cmath>

void TilePainter::draw(QPainter &painter, const TrackCanvas &canvas, int index, const QImage &picture,
                       bool cover)
{
    const QRect cell = canvas.cellRect(index);
    const int edge = int(std::lround(TrackCanvas::faceEdge * canvas.zoom()));
    const QRect face = cell.adjusted(edge, edge, -edge, -edge);
    if (cover)
        painter.fillRect(cell, canvas.palette().color(canvas.backgroundRole()));
    if (picture.isNull())
        return;
    const double zoom = canvas.zoom();
    const QSize size(std::max(1, int(std::lround(picture.width() * zoom))),
                     std::max(1, int(std::lround(picture.height() * zoom))));
    const QRect at(face.left() + (face.width() - size.width() + 1) / 2,
                   face.top() + (face.height() - size.height() + 1) / 2, size.width(), size.height());
    painter.save();
    painter.setClipRect(cell, Qt::IntersectClip);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(at, PictureButton::masked(picture));
    painter.restore();
}
