// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/track/trackrenderer.h"

#include "document/trackgrid.h"
#include "pieces/tilestore.h"
#include "ui/palette/picturebutton.h"

#include <QPainter>
#include <QPixmapCache>
#include <QRegion>
#include <algorithm>
#include <cmath>

const QColor TrackRenderer::markColour(230, 0, 0);
const QColor TrackRenderer::markEdgeColour(255, 255, 255);

TrackRenderer::TrackRenderer(const TileStore &tiles) : m_tiles(tiles) {}

bool TrackRenderer::setZoom(double zoom)
{
    zoom = std::clamp(zoom, minimumZoom, maximumZoom);
    if (std::abs(zoom - m_zoom) < 1e-9)
        return false;
    m_zoom = zoom;
    return true;
}

int TrackRenderer::scaled(int length) const
{
    return int(std::lround(length * m_zoom));
}

int TrackRenderer::lengthAt(double zoom, int count)
{
    return count > 0 ? int(std::lround(zoom * (2 * cellMargin + cellSize * count))) : 0;
}

// ---- Cells ------------------------------------------------------------

int TrackRenderer::columnAt(int x) const
{
    int column = int(std::floor((x / m_zoom - cellMargin) / cellSize));
    // The float may land one off next to a rounded edge.
    while (column > -1 && x < lineAt(column))
        --column;
    while (x >= lineAt(column + 1))
        ++column;
    return column;
}

QRect TrackRenderer::cellRect(QPoint cell) const
{
    // Both edges are rounded, so neighbours always touch.
    const int left = lineAt(cell.x()), top = lineAt(cell.y());
    return QRect(left, top, lineAt(cell.x() + 1) - left, lineAt(cell.y() + 1) - top);
}

QRect TrackRenderer::cellRect(int index) const
{
    return cellRect(QPoint(TrackGrid::columnOf(index), TrackGrid::rowOf(index)));
}

// ---- Pictures ---------------------------------------------------------

// Where a flat button put its picture, worked out at zoom 1 and then
// scaled: corner and size each rounded on their own, as the pixmap's size is.
QRect TrackRenderer::pictureRect(QPoint cell, QSize picture) const
{
    const QPoint at(cellMargin + cellSize * cell.x() + faceEdge + (faceSize - picture.width() + 1) / 2,
                    cellMargin + cellSize * cell.y() + faceEdge + (faceSize - picture.height() + 1) / 2);
    return QRect(scaled(at.x()), scaled(at.y()), scaled(picture.width()), scaled(picture.height()));
}

QRect TrackRenderer::pictureRect(QPoint cell, const QByteArray &code) const
{
    const QImage picture = m_tiles.picture(code);
    return picture.isNull() ? faceRect(cell) : pictureRect(cell, picture.size());
}

QRect TrackRenderer::faceRect(QPoint cell) const
{
    return pictureRect(cell, QSize(faceSize, faceSize));
}

QPixmap TrackRenderer::pixmap(const QByteArray &code) const
{
    const QImage picture = m_tiles.picture(code);
    if (picture.isNull())
        return QPixmap();
    // At zoom 1 the palette's buttons show the very same pixmap.
    if (std::abs(m_zoom - 1.0) < 1e-9)
        return PictureButton::maskedPixmap(picture);
    const QSize size(std::max(1, scaled(picture.width())), std::max(1, scaled(picture.height())));
    const QString key = QStringLiteral("kwzoom-%1-%2x%3")
                            .arg(picture.cacheKey())
                            .arg(size.width())
                            .arg(size.height());
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap = QPixmap::fromImage(
            PictureButton::masked(picture).scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        QPixmapCache::insert(key, pixmap);
    }
    return pixmap;
}

void TrackRenderer::drawPiece(QPainter &painter, QPoint cell, const QByteArray &code, bool pressed) const
{
    const QPixmap picture = pixmap(code);
    if (picture.isNull())
        return;
    QRect at = pictureRect(cell, code);
    if (pressed)
        at.translate(std::max(1, scaled(1)), std::max(1, scaled(1)));
    const QRect bounds = cellRect(cell);
    // A picture larger than its face, or pressed, may reach past the cell.
    const bool spills = !bounds.contains(QRect(at.topLeft(), picture.size()));
    if (spills) {
        painter.save();
        painter.setClipRect(bounds, Qt::IntersectClip);
    }
    painter.drawPixmap(at.topLeft(), picture);
    if (spills)
        painter.restore();
}

// ---- Marks ------------------------------------------------------------

QRect TrackRenderer::markRect(QPoint cell, Edge edge) const
{
    const QRect face = faceRect(cell);
    const int band = std::max(2, scaled(markWidth));
    switch (edge) {
    case Edge::North:
        return QRect(face.left(), face.top(), face.width(), band);
    case Edge::East:
        return QRect(face.right() - band + 1, face.top(), band, face.height());
    case Edge::South:
        return QRect(face.left(), face.bottom() - band + 1, face.width(), band);
    case Edge::West:
        break;
    }
    return QRect(face.left(), face.top(), band, face.height());
}

void TrackRenderer::drawEdgeMark(QPainter &painter, QPoint cell, Edge edge) const
{
    const QRect band = markRect(cell, edge);
    painter.fillRect(band, markEdgeColour);
    painter.fillRect(band.adjusted(1, 1, -1, -1), markColour);
}

// The four bands as one: light along the outside and the inside of the
// ring, red between, without light seams where two bands meet.
void TrackRenderer::drawCellMark(QPainter &painter, QPoint cell) const
{
    QRegion ring, red;
    for (Edge edge : Edges::all) {
        const QRect band = markRect(cell, edge);
        ring += band;
        red += band.adjusted(1, 1, -1, -1);
    }
    for (const QRect &part : ring)
        painter.fillRect(part, markEdgeColour);
    for (const QRect &part : red)
        painter.fillRect(part, markColour);
}
