// SPDX-License-Identifier: GPL-3.0-or-later
// Series 9, "Bumps": things to drive over, laid across the road. Light from
// the north-west, so a ridge shows a bright face and a dark one.
#include "artseries.h"
#include "pieceshapes.h"
#include "tilebook.h"

#include <QLinearGradient>

namespace ArtSeries {

namespace {

using Tile::roadHigh;
using Tile::roadLow;

// A ridge across the road between x = from and x = to.
void ridge(QPainter &p, qreal from, qreal to, const QColor &colour)
{
    QLinearGradient shade(from, 0, to, 0);
    shade.setColorAt(0, colour.lighter(135));
    shade.setColorAt(0.45, colour.lighter(115));
    shade.setColorAt(1, colour.darker(150));
    p.fillRect(QRectF(from, roadLow, to - from, roadHigh - roadLow), shade);
}

QImage road()
{
    return PieceShapes::straight(RoadStyle::circuit());
}

QImage speedHump()
{
    QImage image = road();
    QPainter p(&image);
    ridge(p, 16, 32, QColor(150, 150, 150));
    for (qreal y = roadLow + 1.5; y < roadHigh - 2; y += 4.5)
        p.fillRect(QRectF(19, y, 9, 2), Colours::yellow);
    return image;
}

QImage bumpStrip()
{
    QImage image = road();
    QPainter p(&image);
    for (qreal x : {11.0, 19.0, 27.0, 35.0})
        ridge(p, x, x + 3, QColor(200, 200, 196));
    return image;
}

QImage washboard()
{
    QImage image = road();
    QPainter p(&image);
    // Stops short of the edges, so a run of washboards meets plain road cleanly.
    for (qreal x = 2; x < Tile::cell - 3; x += 4)
        ridge(p, x, x + 3, Colours::asphalt.lighter(110));
    return image;
}

// A jump ramp for cars heading east: rising to its lip, then the drop.
QImage ramp()
{
    QImage image = road();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor wood(176, 132, 84);
    const QRectF slope(8, roadLow + 1, 26, roadHigh - roadLow - 2);
    p.fillRect(QRectF(34, slope.top(), 6, slope.height()), QColor(0, 0, 0, 90));  // the drop
    QLinearGradient rise(slope.left(), 0, slope.right(), 0);
    rise.setColorAt(0, wood.darker(130));
    rise.setColorAt(1, wood.lighter(125));
    p.fillRect(slope, rise);
    for (qreal x = 12; x < 32; x += 4)
        p.fillRect(QRectF(x, slope.top(), 0.8, slope.height()), wood.darker(150));
    p.setPen(QPen(Colours::paint, 2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    for (qreal x : {14.0, 22.0})
        p.drawPolyline(QPolygonF({{x, 18}, {x + 5, 24}, {x, 30}}));
    return image;
}

} // namespace

void bumps(TileBook &book)
{
    book.addTurns({"90", "91"}, speedHump(), {0, 1});
    book.addTurns({"92", "93"}, bumpStrip(), {0, 1});
    book.addTurns({"94", "95"}, washboard(), {0, 1});
    book.addTurns({"96", "97", "98", "99"}, ramp(), TileBook::allTurns);
}

} // namespace ArtSeries
