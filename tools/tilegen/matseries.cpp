// SPDX-License-Identifier: GPL-3.0-or-later
// Series A and B, "RCP 1" and "RCP 2": two styles of modular track mat. The
// foam mat has a light road with a dashed centre line on dark foam; the
// carpet has a dark road with white borders on blue carpet.
#include "artseries.h"
#include "pieceshapes.h"
#include "tilebook.h"

#include <QtMath>

namespace ArtSeries {

namespace {

using Tile::mid;

QImage plain(const RoadStyle &style)
{
    QImage image = TileBook::blank();
    RoadPainter(image, style).fillGround();
    return image;
}

// West to east with a kink towards north and back: a chicane.
QImage chicane(const RoadStyle &style)
{
    const Polyline centre = Polyline::curve([](qreal t) {
        const qreal x = t * Tile::cell;
        return QPointF(x, mid - 4 * (1 - qCos(2 * M_PI * t)));
    }, 96);
    QImage image = TileBook::blank();
    RoadPainter rp(image, style);
    rp.fillGround();
    // The apex kerb on the inside of the middle bend.
    const qreal half = centre.length() / 2;
    rp.kerb(centre.slice(half - 13, half + 13).offset(Tile::roadHalf + 1.5), Tile::kerbWidth + 1);
    rp.surface(RoadPainter::band(centre));
    rp.centreLine(centre);
    return image;
}

// A straight with foam blocks set out as a slalom.
QImage slalom(const RoadStyle &style)
{
    QImage image = PieceShapes::straight(style);
    RoadPainter rp(image, style);
    const QRectF blocks[] = {{8, 15.5, 5, 5}, {21.5, 27.5, 5, 5}, {35, 15.5, 5, 5}};
    for (const QRectF &b : blocks) {
        rp.painter().fillRect(b.translated(1, 1), QColor(0, 0, 0, 90));
        rp.painter().fillRect(b, Colours::yellow);
        rp.painter().setPen(QPen(Colours::yellow.darker(160), 1));
        rp.painter().drawRect(b.adjusted(0.5, 0.5, -0.5, -0.5));
    }
    return image;
}

// A road in from the west ending in a turning circle.
QImage turningBay(const RoadStyle &style)
{
    const QPointF hub(27, mid);
    QImage image = TileBook::blank();
    RoadPainter rp(image, style);
    rp.fillGround();
    rp.kerb(Polyline::arc(hub, 16.5, -135, 135), Tile::kerbWidth + 1);
    const Polyline in = Polyline::line({0, mid}, hub);
    rp.surface(RoadPainter::band(in).united(RoadPainter::disc(hub, 15)));
    rp.fill(RoadPainter::disc(hub, 4), style.ground, style.groundGrain);
    return image;
}

void commonPieces(TileBook &book, char series, const RoadStyle &style)
{
    auto code = [series](char index) { return QByteArray(1, series) + index; };
    book.addTurns({code('0'), code('1'), code('2'), code('3')}, PieceShapes::corner(style), TileBook::loopTurns);
    book.addTurns({code('4'), code('5')}, PieceShapes::straight(style), {0, 1});
    book.addTurns({code('6'), code('7')}, PieceShapes::startLine(style), {0, 1});
    book.addTurns({code('8'), code('9'), code('A'), code('B')}, PieceShapes::teeJunction(style),
                  TileBook::allTurns);
    book.add(code('G'), PieceShapes::crossroads(style));
    book.add(code('H'), plain(style));
}

} // namespace

void mats(TileBook &book)
{
    const RoadStyle foam = RoadStyle::foamMat();
    commonPieces(book, 'A', foam);
    book.addTurns({"AC", "AD", "AE", "AF"}, chicane(foam), TileBook::allTurns);
    book.addTurns({"AI", "AJ"}, slalom(foam), {0, 1});

    const RoadStyle carpet = RoadStyle::carpet();
    commonPieces(book, 'B', carpet);
    book.addTurns({"BC", "BD", "BE", "BF"}, turningBay(carpet), TileBook::allTurns);
    book.add("BI", PieceShapes::roundabout(carpet));
}

} // namespace ArtSeries
