// SPDX-License-Identifier: GPL-3.0-or-later
// Series 2, "Intersection": T-junctions, forks, a crossroads, bridges and a
// small roundabout, all on the ordinary circuit road.
#include "artseries.h"
#include "pieceshapes.h"
#include "tilebook.h"

namespace ArtSeries {

namespace {

using Tile::mid;

// The straight west to east with a branch curving off north from the west
// edge, as a slip road leaves a main road.
QImage fork(const RoadStyle &style)
{
    QImage image = TileBook::blank();
    RoadPainter rp(image, style);
    rp.fillGround();
    rp.surface(RoadPainter::band(PieceShapes::straightLine()).united(RoadPainter::band(PieceShapes::cornerLine())));
    return image;
}

// A rectangle drawn for the west-east piece, turned a quarter clockwise
// when the piece runs north-south.
QRectF placed(const QRectF &r, bool turned)
{
    return turned ? QRectF(Tile::cell - r.bottom(), r.left(), r.height(), r.width()) : r;
}

// The deck road crosses over the other road on a bridge. The piece is drawn
// in each orientation rather than turned, so the deck's shadow always falls
// to the south-east.
QImage bridge(const RoadStyle &style, bool northSouthDeck)
{
    const Polyline across = PieceShapes::straightLine();
    const Polyline under = Polyline::line({mid, 0}, {mid, Tile::cell});
    QImage image = TileBook::blank();
    RoadPainter rp(image, style);
    rp.fillGround();
    rp.surface(RoadPainter::band(northSouthDeck ? across : under));
    QPainter &p = rp.painter();
    p.fillRect(placed(QRectF(9, 10.5, 30, 27), northSouthDeck).translated(2, 3), QColor(0, 0, 0, 80));
    rp.surface(RoadPainter::band(northSouthDeck ? under : across));
    for (qreal top : {10.5, 34.0}) {
        const QRectF parapet = placed(QRectF(9, top, 30, 3.5), northSouthDeck);
        p.fillRect(parapet, Colours::concrete);
        p.setPen(QPen(Colours::concrete.darker(150), 1));
        p.drawRect(parapet.adjusted(0.5, 0.5, -0.5, -0.5));
    }
    return image;
}

} // namespace

void intersections(TileBook &book)
{
    const RoadStyle style = RoadStyle::circuit();
    book.addTurns({"20", "21", "22", "23"}, PieceShapes::teeJunction(style), TileBook::allTurns);
    book.addTurns({"24", "25", "26", "27"}, fork(style), TileBook::allTurns);
    book.add("28", PieceShapes::crossroads(style));
    book.add("29", bridge(style, false));
    book.add("2A", bridge(style, true));
    book.add("2B", PieceShapes::roundabout(style));
}

} // namespace ArtSeries
