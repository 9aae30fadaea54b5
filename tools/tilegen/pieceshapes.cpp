// SPDX-License-Identifier: GPL-3.0-or-later
#include "pieceshapes.h"

#include "tilebook.h"

namespace PieceShapes {

using Tile::mid;

Polyline cornerLine()
{
    return Polyline::arc({0, 0}, mid, 90, 0);
}

QImage corner(const RoadStyle &style, bool outerKerb)
{
    QImage image = TileBook::blank();
    RoadPainter rp(image, style);
    rp.fillGround();
    // Kerbs go down first and reach half a pixel under the road, so no
    // ground shows through the antialiased seam between them.
    if (outerKerb)
        rp.kerb(Polyline::arc({0, 0}, Tile::roadHigh + 1.5, 76, 14), Tile::kerbWidth + 1);
    rp.kerb(Polyline::arc({0, 0}, Tile::roadLow - 1.5, 74, 16), Tile::kerbWidth + 1);
    rp.surface(RoadPainter::band(cornerLine()));
    rp.centreLine(cornerLine());
    return image;
}

Polyline straightLine()
{
    return Polyline::line({0, mid}, {Tile::cell, mid});
}

QImage straight(const RoadStyle &style)
{
    QImage image = TileBook::blank();
    RoadPainter rp(image, style);
    rp.fillGround();
    rp.surface(RoadPainter::band(straightLine()));
    rp.centreLine(straightLine());
    return image;
}

QImage startLine(const RoadStyle &style)
{
    QImage image = straight(style);
    RoadPainter rp(image, style);
    rp.chequer(QRectF(21, Tile::roadLow, 6, Tile::roadWidth), 2);
    // Grid boxes for the two front places, staggered as on a real grid.
    QPainter &p = rp.painter();
    p.setPen(QPen(Colours::paint, 1));
    p.drawPolyline(QPolygonF({{8.5, 17.5}, {15.5, 17.5}, {15.5, 21.5}}));
    p.drawPolyline(QPolygonF({{2.5, 26.5}, {9.5, 26.5}, {9.5, 30.5}}));
    return image;
}

Polyline arm(int dx, int dy)
{
    return Polyline::line({mid, mid}, {mid + dx * mid, mid + dy * mid});
}

QPainterPath junctionRegion(bool west, bool north, bool east, bool south)
{
    const qreal lo = Tile::roadLow, hi = Tile::roadHigh, r = 5;
    QPainterPath region = RoadPainter::rect(lo, lo, hi, hi);
    if (west)
        region = region.united(RoadPainter::band(arm(-1, 0)));
    if (north)
        region = region.united(RoadPainter::band(arm(0, -1)));
    if (east)
        region = region.united(RoadPainter::band(arm(1, 0)));
    if (south)
        region = region.united(RoadPainter::band(arm(0, 1)));
    if (west && north)
        region = region.united(RoadPainter::fillet({lo, lo}, -1, -1, r));
    if (north && east)
        region = region.united(RoadPainter::fillet({hi, lo}, 1, -1, r));
    if (east && south)
        region = region.united(RoadPainter::fillet({hi, hi}, 1, 1, r));
    if (south && west)
        region = region.united(RoadPainter::fillet({lo, hi}, -1, 1, r));
    return region;
}

QImage teeJunction(const RoadStyle &style)
{
    QImage image = TileBook::blank();
    RoadPainter rp(image, style);
    rp.fillGround();
    rp.surface(junctionRegion(true, false, true, true));
    rp.centreLine(straightLine());
    rp.centreLine(arm(0, 1), RoadPainter::band(straightLine()));
    return image;
}

QImage crossroads(const RoadStyle &style)
{
    QImage image = TileBook::blank();
    RoadPainter rp(image, style);
    rp.fillGround();
    rp.surface(junctionRegion(true, true, true, true));
    rp.centreLine(straightLine());
    const QPainterPath across = RoadPainter::band(straightLine());
    rp.centreLine(arm(0, -1), across);
    rp.centreLine(arm(0, 1), across);
    return image;
}

QImage roundabout(const RoadStyle &style)
{
    QImage image = TileBook::blank();
    RoadPainter rp(image, style);
    rp.fillGround();
    QPainterPath region = junctionRegion(true, true, true, true).united(RoadPainter::disc({mid, mid}, 21));
    rp.surface(region);
    // The island: a kerbed ring around a round of grass.
    rp.kerb(Polyline::arc({mid, mid}, 8, 0, 360), 3, 3);
    rp.fill(RoadPainter::disc({mid, mid}, 6.5), Colours::grass, 7);
    return image;
}

} // namespace PieceShapes
