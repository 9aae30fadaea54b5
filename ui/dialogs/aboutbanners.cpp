// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/aboutbanners.h"

#include <QCoreApplication>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor asphalt(0x5e, 0x5e, 0x62);
const QColor kerbRed(0xd6, 0x23, 0x23);
const QColor grassLight(0x5c, 0xb8, 0x4e);
const QColor grassDark(0x2f, 0x80, 0x30);

QImage blank(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    return image;
}

void fillGradient(QPainter &p, const QRect &area, const QColor &top, const QColor &bottom)
{
    QLinearGradient gradient(area.topLeft(), area.bottomLeft());
    gradient.setColorAt(0.0, top);
    gradient.setColorAt(1.0, bottom);
    p.fillRect(area, gradient);
}

// Text with a dark shadow so it reads on any background.
void drawTitle(QPainter &p, const QRect &box, int pixelSize, Qt::Alignment align,
               const QString &text)
{
    QFont font = p.font();
    font.setPixelSize(pixelSize);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(0, 0, 0, 140));
    p.drawText(box.translated(2, 2), align, text);
    p.setPen(Qt::white);
    p.drawText(box, align, text);
}

// A road drawn in three passes: a white band, red dashes over it, and the
// asphalt narrower on top, which leaves a red-and-white kerb on each side.
void drawRoad(QPainter &p, const QPainterPath &path, qreal width)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, width + 8, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(path);
    QPen dashes(kerbRed, width + 8, Qt::CustomDashLine, Qt::FlatCap);
    dashes.setDashPattern({0.5, 0.5});
    p.setPen(dashes);
    p.drawPath(path);
    p.setPen(QPen(asphalt, width, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(path);
}

void drawStartLine(QPainter &p, qreal x, qreal top, qreal height)
{
    const qreal square = 4;
    p.setPen(Qt::NoPen);
    for (int row = 0; row * square < height; ++row) {
        for (int column = 0; column < 2; ++column) {
            p.setBrush((row + column) % 2 ? Qt::black : Qt::white);
            p.drawRect(QRectF(x + column * square, top + row * square, square,
                              qMin(square, height - row * square)));
        }
    }
}

// One grid tile: grass with a straight or a bend of track.
void drawTile(QPainter &p, const QRectF &tile, bool bend)
{
    p.setPen(QPen(grassDark, 1));
    p.setBrush(grassLight);
    p.drawRect(tile);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(asphalt, tile.width() / 3, Qt::SolidLine, Qt::FlatCap));
    if (bend)
        p.drawArc(QRectF(tile.center(), tile.size()), 90 * 16, 90 * 16);
    else
        p.drawLine(QPointF(tile.left(), tile.center().y()),
                   QPointF(tile.right(), tile.center().y()));
}

void drawTileGrid(QPainter &p, QPointF origin, qreal tile)
{
    static const bool bends[2][3] = {{true, false, true}, {false, true, false}};
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 3; ++column)
            drawTile(p, QRectF(origin.x() + column * tile, origin.y() + row * tile, tile, tile),
                     bends[row][column]);
}

void drawArrow(QPainter &p, QPointF from, QPointF to)
{
    p.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to - QPointF(8, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({to, to + QPointF(-14, -9), to + QPointF(-14, 9)}));
}

} // namespace

QImage AboutBanners::tracks(int width, int height)
{
    QImage image = blank(width, height);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    fillGradient(p, image.rect(), grassLight, grassDark);

    // Low on the left, under the title; rising to the top on the right.
    const qreal low = height * 0.76;
    const qreal high = height * 0.32;
    QPainterPath road(QPointF(-20, low));
    road.lineTo(width * 0.46, low);
    road.cubicTo(width * 0.64, low, width * 0.66, high, width * 0.84, high);
    road.lineTo(width + 20, high);
    const qreal roadWidth = height * 0.24;
    drawRoad(p, road, roadWidth);
    drawStartLine(p, width * 0.14, low - roadWidth / 2, roadWidth);

    drawTitle(p, QRect(12, 4, width - 24, int(height * 0.45)), int(height * 0.32),
              Qt::AlignLeft | Qt::AlignVCenter, QCoreApplication::translate("AboutBanners", "Kerbwright tracks"));
    return image;
}

QImage AboutBanners::share(int width, int height)
{
    QImage image = blank(width, height);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    fillGradient(p, image.rect(), QColor(0x3a, 0x7b, 0xd5), QColor(0x1b, 0x3f, 0x8a));

    const qreal tile = height * 0.22;
    const qreal gridTop = height - 2 * tile - height * 0.1;
    const qreal margin = width * 0.07;
    drawTileGrid(p, QPointF(margin, gridTop), tile);
    drawTileGrid(p, QPointF(width - margin - 3 * tile, gridTop), tile);
    drawArrow(p, QPointF(margin + 3 * tile + 14, gridTop + tile),
              QPointF(width - margin - 3 * tile - 14, gridTop + tile));

    drawTitle(p, QRect(0, 2, width, int(height * 0.4)), int(height * 0.22), Qt::AlignCenter,
              QCoreApplication::translate("AboutBanners", "Share your layouts"));
    return image;
}
