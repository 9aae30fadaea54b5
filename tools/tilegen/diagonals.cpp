// SPDX-License-Identifier: GPL-3.0-or-later
// Series 3, "Diagonal": roads at 45 degrees. A diagonal runs from corner to
// corner of its cells; its band spills over the corners into the neighbouring
// cells, which the corner pieces fill. Transitions bend a straight from an
// edge midpoint onto the diagonal through a cell corner.
#include "artseries.h"
#include "pieceshapes.h"
#include "tilebook.h"

#include <QtMath>

namespace ArtSeries {

namespace {

using Tile::cell;
using Tile::mid;

QImage onGround(const std::function<void(RoadPainter &)> &draw)
{
    QImage image = TileBook::blank();
    RoadPainter rp(image, RoadStyle::circuit());
    rp.fillGround();
    draw(rp);
    return image;
}

// Along x + y = c.
Polyline slash(qreal c)
{
    return Polyline::line({c - 60, 60}, {60, c - 60});
}

// In from the west, bending left by 45 degrees onto the diagonal that leaves
// through the top-right corner. The radius makes the arc end on that diagonal.
Polyline bendLine()
{
    const qreal radius = mid / (M_SQRT2 - 1);
    const QPointF centre(0, mid - radius);
    const Polyline arc = Polyline::arc(centre, radius, 90, 45);
    return arc.then(Polyline::line(arc.points().last(), {cell, 0}));
}

QImage bend()
{
    return onGround([](RoadPainter &rp) {
        const qreal radius = mid / (M_SQRT2 - 1);
        rp.kerb(Polyline::arc({0, mid - radius}, radius - Tile::roadHalf - 1.5, 82, 58), Tile::kerbWidth + 1);
        rp.surface(RoadPainter::band(bendLine()));
    });
}

QImage diagonal()
{
    return onGround([](RoadPainter &rp) { rp.surface(RoadPainter::band(slash(cell))); });
}

// Finish line across the diagonal.
QImage diagonalStart()
{
    QImage image = diagonal();
    RoadPainter rp(image, RoadStyle::circuit());
    QPainter &p = rp.painter();
    p.translate(mid, mid);
    p.rotate(-45);
    const qreal square = 2.5;
    for (int r = 0; r < 8; ++r)
        for (int c = 0; c < 2; ++c)
            p.fillRect(QRectF(-square + c * square, -Tile::roadHalf + r * square, square, square),
                       (r + c) % 2 ? Colours::ink : Colours::paint);
    return image;
}

} // namespace

void diagonals(TileBook &book)
{
    const QImage bendLeft = bend();
    book.addTurns({"30", "31", "32", "33"}, bendLeft, TileBook::allTurns);
    book.addTurns({"34", "35"}, diagonal(), {0, 1});
    book.addTurns({"36", "37", "38", "39"}, bendLeft.mirrored(false, true), TileBook::allTurns);
    // The corner of a diagonal passing the top-left corner of this cell.
    book.addTurns({"3A", "3B", "3C", "3D"}, onGround([](RoadPainter &rp) {
        rp.surface(RoadPainter::band(slash(0)));
    }), TileBook::loopTurns);
    book.addTurns({"3E", "3F"}, diagonalStart(), {0, 1});
    // Two parallel diagonals a cell apart pass both opposite corners.
    book.addTurns({"3G", "3H"}, onGround([](RoadPainter &rp) {
        rp.surface(RoadPainter::band(slash(0)).united(RoadPainter::band(slash(2 * cell))));
    }), {0, 1});
}

} // namespace ArtSeries
