// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "polyline.h"
#include "roadstyle.h"
#include "tilegeometry.h"

#include <QBrush>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

// Draws one piece, or one block of pieces, in a style. Road surfaces are
// built as regions (bands along centre lines, discs, fillets) and painted in
// one go, so edge lines follow the outline of the whole network and never
// cross a junction.
class RoadPainter
{
public:
    RoadPainter(QImage &image, const RoadStyle &style);

    QPainter &painter() { return m_painter; }
    const RoadStyle &style() const { return m_style; }

    void fillGround();
    void fill(const QPainterPath &area, const QColor &colour, int grain);
    void surface(const QPainterPath &region);
    void centreLine(const Polyline &centre, const QPainterPath &keepOut = QPainterPath());
    // Red and white blocks along a line; both ends are half a red block, so
    // kerbs that meet across a cell edge continue the pattern.
    void kerb(const Polyline &line, qreal width = Tile::kerbWidth, qreal block = 4);
    void chequer(const QRectF &area, qreal square);
    void stroke(const Polyline &line, const QColor &colour, qreal width,
                Qt::PenCapStyle cap = Qt::FlatCap);

    // The road band along a centre line, run on past both ends.
    static QPainterPath band(const Polyline &centre, qreal width = Tile::roadWidth);
    static QPainterPath disc(QPointF centre, qreal radius);
    // The rounding of a road junction's inner corner: the square of side r
    // beside `corner`, towards (dx, dy), less the circle that rounds it.
    static QPainterPath fillet(QPointF corner, int dx, int dy, qreal r);
    static QPainterPath rect(qreal left, qreal top, qreal right, qreal bottom);

private:
    QBrush grainBrush(const QColor &colour, int grain);

    QImage &m_image;
    RoadStyle m_style;
    QPainter m_painter;
    QHash<QString, QBrush> m_brushes;
};
