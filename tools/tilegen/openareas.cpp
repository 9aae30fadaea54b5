// SPDX-License-Identifier: GPL-3.0-or-later
// Series 5 and 6, "Open 1" and "Open 2": open paved areas on grass, such as a
// car park laid out with cones. The boundary of an area runs through the cell
// midpoints, so edges, corners and road entries of both series fit together
// and fill in with the plain paved piece. Open 1 edges carry a white line,
// Open 2 edges a red and white kerb.
#include "artseries.h"
#include "pieceshapes.h"
#include "tilebook.h"

namespace ArtSeries {

namespace {

using Tile::cell;
using Tile::mid;

constexpr qreal rounding = 12;

// Paved south of the middle: the area's edge, with grass to the north.
QPainterPath edgeArea()
{
    return RoadPainter::rect(-10, mid, cell + 10, cell + 10);
}

// Paved in the top-left quarter only: the area's outer corner.
QPainterPath outerCornerArea()
{
    QPainterPath path;
    path.addRoundedRect(QRectF(-30, -30, 30 + mid, 30 + mid), rounding, rounding);
    return path;
}

// Paved everywhere but the top-left quarter: the area's inner corner.
QPainterPath innerCornerArea()
{
    return RoadPainter::rect(-10, -10, cell + 10, cell + 10).subtracted(outerCornerArea());
}

// The edge with a road coming in from the north.
QPainterPath entryArea()
{
    const qreal lo = Tile::roadLow, hi = Tile::roadHigh, r = 6;
    return edgeArea()
        .united(RoadPainter::band(Polyline::line({mid, 0}, {mid, mid + 4})))
        .united(RoadPainter::fillet({lo, mid}, -1, -1, r))
        .united(RoadPainter::fillet({hi, mid}, 1, -1, r));
}

// The quarter-round boundary of a corner, `in` pixels inside the paving
// (negative: outside), from the north edge to the west edge.
Polyline cornerBoundary(qreal in)
{
    const qreal x = mid - in;
    const QPointF hub(mid - rounding, mid - rounding);
    return Polyline::line({x, 0}, {x, hub.y()})
        .then(Polyline::arc(hub, rounding - in, 0, 90))
        .then(Polyline::line({hub.x(), x}, {0, x}));
}

QImage paved(const QPainterPath &area)
{
    QImage image = TileBook::blank();
    RoadPainter rp(image, RoadStyle::circuit());
    rp.fillGround();
    rp.surface(area);
    return image;
}

QImage kerbed(const QPainterPath &area, const Polyline &kerbLine)
{
    RoadStyle style = RoadStyle::circuit();
    style.lineTo = 0;
    QImage image = TileBook::blank();
    RoadPainter rp(image, style);
    rp.fillGround();
    rp.surface(area);
    rp.kerb(kerbLine, Tile::kerbWidth);
    return image;
}

QImage cones()
{
    QImage image = paved(RoadPainter::rect(-10, -10, cell + 10, cell + 10));
    RoadPainter rp(image, RoadStyle::circuit());
    for (const QPointF &c : {QPointF(12, 14), QPointF(34, 22), QPointF(16, 36)}) {
        rp.fill(RoadPainter::disc(c + QPointF(1.5, 1.5), 3.2), QColor(40, 40, 44), 0);
        rp.fill(RoadPainter::disc(c, 3.2), QColor(242, 110, 20), 0);
        rp.fill(RoadPainter::disc(c, 1.8), Colours::paint, 0);
        rp.fill(RoadPainter::disc(c, 0.9), QColor(242, 110, 20), 0);
    }
    return image;
}

QImage finishLine()
{
    QImage image = paved(RoadPainter::rect(-10, -10, cell + 10, cell + 10));
    RoadPainter(image, RoadStyle::circuit()).chequer(QRectF(21, 0, 6, cell), 2);
    return image;
}

} // namespace

void openAreas(TileBook &book)
{
    book.addTurns({"50", "51", "52", "53"}, paved(edgeArea()), TileBook::allTurns);
    book.addTurns({"54", "55", "56", "57"}, paved(outerCornerArea()), TileBook::loopTurns);
    book.addTurns({"58", "59", "5A", "5B"}, paved(innerCornerArea()), TileBook::loopTurns);
    book.addTurns({"5C", "5D", "5E", "5F"}, paved(entryArea()), TileBook::allTurns);
    book.add("5G", paved(RoadPainter::rect(-10, -10, cell + 10, cell + 10)));
    book.add("5H", cones());
    book.addTurns({"5I", "5J"}, finishLine(), {0, 1});

    const qreal k = Tile::kerbWidth / 2;
    book.addTurns({"60", "61", "62", "63"},
                  kerbed(edgeArea(), Polyline::line({0, mid + k}, {cell, mid + k})), TileBook::allTurns);
    book.addTurns({"64", "65", "66", "67"}, kerbed(outerCornerArea(), cornerBoundary(k)), TileBook::loopTurns);
    book.addTurns({"68", "69", "6B", "6A"}, kerbed(innerCornerArea(), cornerBoundary(-k)), TileBook::loopTurns);
}

} // namespace ArtSeries
