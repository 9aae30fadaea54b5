// SPDX-License-Identifier: GPL-3.0-or-later
// Series 4, "Pit lane": a main straight with its pit lane alongside on the
// north side, behind a pit wall; the garages stand beyond the pit lane. Every
// piece comes west-east and turned a quarter, north-south with the pits east.
#include "artseries.h"
#include "pieceshapes.h"
#include "tilebook.h"

namespace ArtSeries {

namespace {

using Tile::cell;

constexpr qreal laneTop = 4;
constexpr qreal laneBottom = 11;
constexpr qreal laneMid = (laneTop + laneBottom) / 2;
constexpr qreal wallBottom = Tile::roadLow;

void pitWall(RoadPainter &rp, qreal from, qreal to)
{
    QPainter &p = rp.painter();
    p.fillRect(QRectF(from, laneBottom, to - from, wallBottom - laneBottom), Colours::concrete);
    p.fillRect(QRectF(from, laneBottom, to - from, 1), Colours::paint);
}

void mainRoad(RoadPainter &rp)
{
    rp.surface(RoadPainter::band(PieceShapes::straightLine()));
}

QImage pitStraight(bool garages)
{
    QImage image = TileBook::blank();
    RoadPainter rp(image, RoadStyle::circuit());
    rp.fillGround();
    rp.fill(RoadPainter::rect(0, laneTop, cell, laneBottom), Colours::paddock, 5);
    pitWall(rp, 0, cell);
    mainRoad(rp);
    QPainter &p = rp.painter();
    if (!garages) {
        for (int x = 2; x < cell; x += 8)
            p.fillRect(QRectF(x, laneMid - 0.5, 4, 1), Colours::paint);
        return image;
    }
    // Four boxes, each with its garage behind and a car standing in it.
    const QColor cars[] = {QColor(200, 30, 30), QColor(30, 80, 200), QColor(240, 200, 30), QColor(30, 150, 70)};
    // The garage roofs stop short of the cell's edges, so grass or anything
    // else can stand behind them.
    p.fillRect(QRectF(2, 1, 44, laneTop - 1), QColor(72, 80, 98));
    for (int i = 0; i < 4; ++i) {
        const qreal left = 2 + i * 11;
        p.fillRect(QRectF(left, laneTop, 1, laneBottom - laneTop), Colours::paint);
        if (i > 0)
            p.fillRect(QRectF(left, 1, 1, laneTop - 1), QColor(150, 156, 170));
        p.fillRect(QRectF(left + 3, laneTop + 2, 6, 3), cars[i]);
        p.fillRect(QRectF(left + 6, laneTop + 2.5, 1.5, 2), QColor(30, 30, 40));
    }
    p.fillRect(QRectF(46, laneTop, 1, laneBottom - laneTop), Colours::paint);
    return image;
}

// The pit lane runs in from the east and curves down into the main road near
// the west edge: an entry for cars heading west, an exit for cars heading east.
QImage pitEnd()
{
    QImage image = TileBook::blank();
    RoadPainter rp(image, RoadStyle::circuit());
    rp.fillGround();
    const Polyline lane = Polyline::line({cell + 6, laneMid}, {30, laneMid})
                              .then(Polyline::bezier({30, laneMid}, {18, laneMid}, {14, 18}, {2, 20}));
    rp.fill(RoadPainter::band(lane, laneBottom - laneTop), Colours::paddock, 5);
    pitWall(rp, 30, cell);
    // The wall's end is padded with a yellow crash barrier.
    rp.painter().fillRect(QRectF(27, laneBottom, 3, wallBottom - laneBottom), Colours::yellow);
    mainRoad(rp);
    return image;
}

QImage pitStart()
{
    QImage image = pitStraight(false);
    RoadPainter rp(image, RoadStyle::circuit());
    rp.chequer(QRectF(21, Tile::roadLow, 6, Tile::roadWidth), 2);
    rp.painter().fillRect(QRectF(23.5, laneTop, 1, laneBottom - laneTop), Colours::paint);
    return image;
}

} // namespace

void pitLane(TileBook &book)
{
    const QImage end = pitEnd();
    book.addTurns({"40", "41"}, pitStraight(true), {0, 1});
    book.addTurns({"42", "43"}, pitStraight(false), {0, 1});
    book.addTurns({"44", "46"}, end, {0, 1});
    book.addTurns({"45", "47"}, end.mirrored(true, false), {0, 1});
    book.addTurns({"48", "49"}, pitStart(), {0, 1});
}

} // namespace ArtSeries
