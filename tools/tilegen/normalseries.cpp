// SPDX-License-Identifier: GPL-3.0-or-later
// Series 0, "Normal": the ordinary circuit on grass.
#include "artseries.h"
#include "pieceshapes.h"
#include "tilebook.h"

namespace ArtSeries {

namespace {

QImage plain(const RoadStyle &style)
{
    QImage image = TileBook::blank();
    RoadPainter(image, style).fillGround();
    return image;
}

// A run-off area of loose gravel with a few darker stones.
QImage gravel()
{
    QImage image = TileBook::blank();
    RoadPainter rp(image, RoadStyle::circuit());
    rp.fill(RoadPainter::rect(0, 0, Tile::cell, Tile::cell), Colours::gravel, 9);
    const QPointF stones[] = {{7, 9}, {31, 5}, {19, 22}, {40, 27}, {9, 37}, {28, 41}, {44, 44}, {3, 24}};
    for (const QPointF &s : stones)
        rp.fill(RoadPainter::disc(s, 1.2), Colours::gravel.darker(135), 6);
    return image;
}

} // namespace

void normal(TileBook &book)
{
    const RoadStyle style = RoadStyle::circuit();
    book.addTurns({"00", "01", "02", "03"}, PieceShapes::corner(style), TileBook::loopTurns);
    book.addTurns({"04", "05"}, PieceShapes::straight(style), {0, 1});
    book.addTurns({"06", "08"}, PieceShapes::startLine(style), {0, 1});
    book.add("07", plain(style));
    book.add("09", gravel());
}

} // namespace ArtSeries
