// SPDX-License-Identifier: GPL-3.0-or-later
// Series 7, "Extra's": things beside the track. Everything stands on grass
// and casts a short shadow to the south-east.
#include "artseries.h"
#include "pieceshapes.h"
#include "tilebook.h"

#include <QtMath>

namespace ArtSeries {

namespace {

using Tile::cell;
using Tile::mid;

const QColor shadow(0, 0, 0, 70);

QImage grass()
{
    QImage image = TileBook::blank();
    RoadPainter(image, RoadStyle::circuit()).fillGround();
    return image;
}

void tyre(RoadPainter &rp, QPointF c, qreal r, const QColor &band = Colours::tyre)
{
    rp.painter().setPen(Qt::NoPen);
    rp.painter().setBrush(shadow);
    rp.painter().drawEllipse(c + QPointF(1.5, 1.5), r, r);
    rp.fill(RoadPainter::disc(c, r), band, 4);
    rp.fill(RoadPainter::disc(c, r * 0.55), QColor(70, 70, 74), 3);
    rp.fill(RoadPainter::disc(c, r * 0.35), QColor(16, 16, 18), 0);
}

QImage tyreStacks()
{
    QImage image = grass();
    RoadPainter rp(image, RoadStyle::circuit());
    for (const QPointF &c : {QPointF(15, 15), QPointF(31, 19), QPointF(19, 31), QPointF(34, 34)})
        tyre(rp, c, 6);
    return image;
}

// Two staggered rows of tyres across the cell, the outer row banded white
// and red so a wall of these reads as a barrier from afar.
QImage tyreWall(bool northSouth)
{
    QImage image = grass();
    RoadPainter rp(image, RoadStyle::circuit());
    auto at = [northSouth](qreal along, qreal across) {
        return northSouth ? QPointF(Tile::cell - across, along) : QPointF(along, across);
    };
    for (int i = 0; i < 6; ++i)
        tyre(rp, at(4 + 8 * i, 20), 4);
    // The outer row is halved at both edges; neighbouring walls complete it.
    for (int i = 0; i <= 6; ++i)
        tyre(rp, at(8 * i, 27), 4, i % 2 ? Colours::paint : QColor(206, 34, 38));
    return image;
}

void canopy(RoadPainter &rp, QPointF c, qreal r, const QColor &leaf)
{
    rp.painter().setPen(Qt::NoPen);
    rp.painter().setBrush(shadow);
    rp.painter().drawEllipse(c + QPointF(r * 0.25, r * 0.25), r, r);
    rp.fill(RoadPainter::disc(c, r), leaf, 10);
    // Clumps of foliage, lighter towards the sun.
    for (int i = 0; i < 6; ++i) {
        const qreal a = qDegreesToRadians(60.0 * i + 15);
        const QPointF clump = c + QPointF(qCos(a), qSin(a)) * r * 0.5;
        rp.fill(RoadPainter::disc(clump, r * 0.42), i < 3 ? leaf : leaf.lighter(118), 10);
    }
    rp.fill(RoadPainter::disc(c - QPointF(r * 0.3, r * 0.3), r * 0.35), leaf.lighter(135), 8);
}

QImage tree()
{
    QImage image = grass();
    RoadPainter rp(image, RoadStyle::circuit());
    canopy(rp, {mid - 1, mid - 1}, 17, Colours::leaf);
    return image;
}

QImage bushes()
{
    QImage image = grass();
    RoadPainter rp(image, RoadStyle::circuit());
    canopy(rp, {12, 13}, 7, Colours::leaf.lighter(110));
    canopy(rp, {33, 12}, 6, QColor(58, 120, 40));
    canopy(rp, {22, 30}, 8, Colours::leaf);
    canopy(rp, {38, 35}, 5, QColor(70, 128, 48));
    return image;
}

// The start lights on a gantry over the straight.
QImage startLights()
{
    QImage image = PieceShapes::straight(RoadStyle::circuit());
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRectF(25, 8, 4, 36), shadow);
    p.fillRect(QRectF(22, 6, 4, 36), QColor(54, 58, 66));
    p.fillRect(QRectF(20.5, 4, 7, 5), QColor(90, 94, 102));
    p.fillRect(QRectF(20.5, 39, 7, 5), QColor(90, 94, 102));
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 5; ++i) {
        p.setBrush(QColor(230, 30, 30));
        p.drawEllipse(QPointF(24, 15 + 4.5 * i), 1.5, 1.5);
    }
    return image;
}

// A covered stand: roof at the back, rows of spectators towards the front.
QImage grandstand()
{
    QImage image = grass();
    RoadPainter rp(image, RoadStyle::circuit());
    QPainter &p = rp.painter();
    p.fillRect(QRectF(6, 8, 38, 34), shadow);
    p.fillRect(QRectF(4, 6, 38, 34), QColor(150, 150, 146));
    const QColor crowd[] = {QColor(210, 60, 50), QColor(240, 220, 80), QColor(60, 110, 210),
                            QColor(250, 250, 245), QColor(60, 170, 90)};
    for (int row = 0; row < 5; ++row) {
        const qreal y = 16 + row * 5;
        p.fillRect(QRectF(4, y, 38, 4), QColor(178, 178, 172).darker(100 + 8 * (4 - row)));
        for (int seat = 0; seat < 12; ++seat)
            if ((seat * 7 + row * 3) % 5 != 0)
                p.fillRect(QRectF(5.5 + seat * 3, y + 1, 2, 2), crowd[(seat * 3 + row * 2) % 5]);
    }
    p.fillRect(QRectF(4, 6, 38, 9), QColor(52, 74, 120));
    for (int x = 8; x < 42; x += 6)
        p.fillRect(QRectF(x, 6, 1, 9), QColor(84, 110, 160));
    return image;
}

// A marshal post: a small hut with a flag pole and an extinguisher.
QImage marshalPost()
{
    QImage image = grass();
    RoadPainter rp(image, RoadStyle::circuit());
    QPainter &p = rp.painter();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRectF(14, 18, 18, 16), shadow);
    p.fillRect(QRectF(12, 16, 18, 16), QColor(236, 128, 28));
    for (qreal x = 14; x < 30; x += 5)
        p.fillRect(QRectF(x, 16, 2, 16), Colours::paint);
    p.fillRect(QRectF(12, 31, 18, 4), Colours::concrete);
    p.setPen(QPen(QColor(60, 60, 60), 1.2));
    p.drawLine(QPointF(36, 12), QPointF(36, 34));
    p.fillRect(QRectF(36.5, 12, 8, 5), Colours::yellow);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 30, 30));
    p.drawEllipse(QPointF(9, 36), 2, 2);
    return image;
}

QImage pond()
{
    QImage image = grass();
    RoadPainter rp(image, RoadStyle::circuit());
    const Polyline shore = Polyline::curve([](qreal t) {
        const qreal a = 2 * M_PI * t;
        const qreal r = 17 + 2.5 * qSin(3 * a) + 1.5 * qCos(5 * a);
        return QPointF(mid + r * qCos(a), mid + 0.8 * r * qSin(a));
    }, 120);
    QPainterPath water = shore.path();
    water.closeSubpath();
    rp.fill(water, QColor(120, 104, 70), 6);
    const QTransform inset = QTransform::fromTranslate(mid, mid).scale(0.88, 0.88).translate(-mid, -mid);
    rp.fill(inset.map(water), Colours::water, 4);
    rp.fill(RoadPainter::disc({18, 20}, 3), Colours::water.lighter(130), 3);
    for (const QPointF &reed : {QPointF(9, 30), QPointF(11, 32), QPointF(38, 16)})
        rp.fill(RoadPainter::disc(reed, 1.2), QColor(40, 90, 30), 5);
    return image;
}

// Straw bales stacked as a barrier.
QImage hayBales()
{
    QImage image = grass();
    RoadPainter rp(image, RoadStyle::circuit());
    QPainter &p = rp.painter();
    const QColor straw(222, 190, 96);
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col) {
            const QRectF bale(8 + col * 11 + (row % 2) * 3, 11 + row * 9, 10, 8);
            p.fillRect(bale.translated(1.5, 1.5), shadow);
            rp.fill(RoadPainter::rect(bale.left(), bale.top(), bale.right(), bale.bottom()), straw, 8);
            p.fillRect(QRectF(bale.left() + 3, bale.top(), 0.8, bale.height()), straw.darker(150));
            p.fillRect(QRectF(bale.left() + 6.5, bale.top(), 0.8, bale.height()), straw.darker(150));
        }
    return image;
}

} // namespace

void scenery(TileBook &book)
{
    book.add("70", tyreStacks());
    book.add("71", tyreWall(false));
    book.add("72", tyreWall(true));
    book.add("73", tree());
    book.add("74", startLights());
    book.add("75", grandstand());
    book.add("76", marshalPost());
    book.add("77", bushes());
    book.add("78", pond());
    book.add("79", hayBales());
}

} // namespace ArtSeries
