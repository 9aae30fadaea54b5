// SPDX-License-Identifier: GPL-3.0-or-later
// Series 1, "Larger corners": sweeping corners drawn across a block of 2 x 2
// or 3 x 3 cells and cut into pieces. The road meets the block's outer edges
// at cell midpoints like every other piece, and the cuts inside the block
// match because the pieces come from one drawing.
#include "artseries.h"
#include "pieceshapes.h"
#include "tilebook.h"

#include <QtMath>

namespace ArtSeries {

namespace {

// A lens of gravel outside the corner, widest at the apex.
QPainterPath gravelTrap(qreal inner, qreal depth, qreal fromDegrees, qreal toDegrees)
{
    const Polyline outer = Polyline::curve([=](qreal t) {
        const qreal a = qDegreesToRadians(fromDegrees + (toDegrees - fromDegrees) * t);
        const qreal r = inner + depth * qSin(M_PI * t);
        return QPointF(r * qCos(a), r * qSin(a));
    }, 90);
    QPainterPath path = outer.path();
    const Polyline back = Polyline::arc({0, 0}, inner, toDegrees, fromDegrees);
    for (const QPointF &p : back.points())
        path.lineTo(p);
    path.closeSubpath();
    return path;
}

// The corner from the block's west edge to its north edge, centred on the
// block's top-left corner, across n x n cells.
QImage cornerBlock(int n, bool groundOnly)
{
    const RoadStyle style = RoadStyle::circuit();
    const qreal radius = (n - 1) * Tile::cell + Tile::mid;
    QImage block = TileBook::blank(n, n);
    RoadPainter rp(block, style);
    rp.fillGround();
    if (groundOnly)
        return block;
    const qreal outside = radius + Tile::roadHalf + Tile::kerbWidth;
    rp.fill(gravelTrap(outside - 1, 6 + 6 * n, 16, 74), Colours::gravel, 9);
    rp.kerb(Polyline::arc({0, 0}, radius + Tile::roadHalf + 1.5, 80, 10), Tile::kerbWidth + 1);
    // The apex kerb stays clear of the cells that a 3 x 3 corner leaves bare.
    const qreal apexSpan = n == 2 ? 25 : 13;
    rp.kerb(Polyline::arc({0, 0}, radius - Tile::roadHalf - 1.5, 45 + apexSpan, 45 - apexSpan),
            Tile::kerbWidth + 1);
    const Polyline centre = Polyline::arc({0, 0}, radius, 90, 0);
    rp.surface(RoadPainter::band(centre));
    return block;
}

void addCorner(TileBook &book, const QList<QByteArray> &codes, int n, int turns)
{
    book.addBlock(codes, TileBook::turned(cornerBlock(n, false), turns),
                  TileBook::turned(cornerBlock(n, true), turns));
}

} // namespace

void largeCorners(TileBook &book)
{
    // Four 2 x 2 corners; each palette block of four shows its corner whole,
    // and the four blocks together make a loop.
    addCorner(book, {"10", "11", "12", "13"}, 2, TileBook::loopTurns[0]);
    addCorner(book, {"14", "15", "16", "17"}, 2, TileBook::loopTurns[1]);
    addCorner(book, {"18", "19", "1A", "1B"}, 2, TileBook::loopTurns[2]);
    addCorner(book, {"1C", "1D", "1E", "1F"}, 2, TileBook::loopTurns[3]);
    // One 3 x 3 corner, turning from south to east; its three inner cells
    // are plain grass ("07").
    addCorner(book, {"1G", "1H", "1K", "1I", "1J", "", "1L", "", ""}, 3, TileBook::loopTurns[0]);
}

} // namespace ArtSeries
