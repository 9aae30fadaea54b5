// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/tools/toolicon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

// The artwork is drawn on a 100 x 100 canvas and scaled to the size asked;
// outlines are thick enough to stay at 16 pixels.
constexpr qreal canvas = 100.0;
const QColor ink(0x20, 0x24, 0x2a);
const QColor grass(0x3c, 0xa0, 0x3c);
const QColor tarmac(0x5e, 0x5e, 0x62);

void drawPaint(QPainter &p)
{
    // The stroke the brush leaves.
    QPainterPath stroke(QPointF(8, 88));
    stroke.cubicTo(QPointF(22, 70), QPointF(34, 96), QPointF(50, 78));
    p.setPen(QPen(grass, 12, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(stroke);
    // The brush, its tip at the stroke's end, its handle up to the right.
    p.save();
    p.translate(50, 76);
    p.rotate(45);
    p.setPen(QPen(ink, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath bristles(QPointF(0, 0));
    bristles.cubicTo(QPointF(-12, -8), QPointF(-12, -18), QPointF(-11, -26));
    bristles.lineTo(QPointF(11, -26));
    bristles.cubicTo(QPointF(12, -18), QPointF(12, -8), QPointF(0, 0));
    p.setBrush(grass);
    p.drawPath(bristles);
    p.setBrush(QColor(0xc8, 0xcc, 0xd2));
    p.drawRect(QRectF(-12, -40, 24, 14));
    p.setBrush(QColor(0xc0, 0x7a, 0x3a));
    p.drawRoundedRect(QRectF(-7, -80, 14, 40), 6, 6);
    p.restore();
}

void drawSelect(QPainter &p)
{
    const QRectF frame(10, 14, 64, 56);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 7));
    p.drawRect(frame);
    QPen dashes(ink, 7, Qt::CustomDashLine, Qt::FlatCap);
    dashes.setDashPattern({1.4, 1.2});
    p.setPen(dashes);
    p.drawRect(frame);
    // The pointer, its tip inside the frame's corner.
    QPainterPath arrow(QPointF(52, 46));
    arrow.lineTo(QPointF(52, 92));
    arrow.lineTo(QPointF(63, 81));
    arrow.lineTo(QPointF(71, 97));
    arrow.lineTo(QPointF(79, 93));
    arrow.lineTo(QPointF(71, 77));
    arrow.lineTo(QPointF(86, 77));
    arrow.closeSubpath();
    p.setPen(QPen(ink, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(arrow);
}

void drawFill(QPainter &p)
{
    // The puddle the paint makes.
    p.setPen(Qt::NoPen);
    p.setBrush(grass);
    p.drawEllipse(QRectF(50, 78, 44, 16));
    // The paint running from the lip.
    QPainterPath pour(QPointF(72, 40));
    pour.cubicTo(QPointF(84, 44), QPointF(86, 60), QPointF(82, 84));
    pour.lineTo(QPointF(72, 84));
    pour.cubicTo(QPointF(76, 64), QPointF(72, 52), QPointF(66, 48));
    pour.closeSubpath();
    p.drawPath(pour);
    // The bucket, tipped to the right.
    p.save();
    p.translate(42, 52);
    p.rotate(-35);
    QPainterPath bucket(QPointF(-26, -22));
    bucket.lineTo(QPointF(26, -22));
    bucket.lineTo(QPointF(20, 28));
    bucket.lineTo(QPointF(-20, 28));
    bucket.closeSubpath();
    p.setPen(QPen(ink, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0xc8, 0xcc, 0xd2));
    p.drawPath(bucket);
    p.setBrush(grass);
    p.drawEllipse(QRectF(-26, -28, 52, 12));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(-22, -46, 44, 40), 20 * 16, 140 * 16);
    p.restore();
}

void drawRoute(QPainter &p)
{
    // A road from the bottom left that bends up to the right.
    QPainterPath road(QPointF(12, 96));
    road.lineTo(QPointF(12, 62));
    road.cubicTo(QPointF(12, 36), QPointF(30, 30), QPointF(50, 30));
    road.lineTo(QPointF(96, 30));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ink, 30, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(road);
    p.setPen(QPen(tarmac, 22, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(road);
    QPen line(Qt::white, 4, Qt::CustomDashLine, Qt::FlatCap);
    line.setDashPattern({2.5, 2});
    p.setPen(line);
    p.drawPath(road);
    // Where the pointer leads it on.
    p.setPen(QPen(ink, 4));
    p.setBrush(QColor(0xd6, 0x23, 0x23));
    p.drawEllipse(QPointF(80, 74), 12, 12);
}

} // namespace

QImage ToolIcon::render(Picture picture, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / canvas, size / canvas);
    switch (picture) {
    case Paint: drawPaint(p); break;
    case Select: drawSelect(p); break;
    case Fill: drawFill(p); break;
    case Route: drawRoute(p); break;
    case None: break;
    }
    return image;
}

QIcon ToolIcon::icon(Picture picture)
{
    QIcon icon;
    if (picture == None)
        return icon;
    for (int size : {16, 24, 32, 48})
        icon.addPixmap(QPixmap::fromImage(render(picture, size)));
    return icon;
}
