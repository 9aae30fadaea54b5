// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/appicon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

// The artwork is drawn on a 100 x 100 canvas and scaled to the size asked.
constexpr qreal canvas = 100.0;

void drawGround(QPainter &p)
{
    QLinearGradient grass(0, 0, 0, canvas);
    grass.setColorAt(0.0, QColor(0x4c, 0xb0, 0x4a));
    grass.setColorAt(1.0, QColor(0x2b, 0x7a, 0x2e));
    p.setPen(QPen(QColor(0x1d, 0x55, 0x20), 2.0));
    p.setBrush(grass);
    p.drawRoundedRect(QRectF(3, 3, 94, 94), 18, 18);
}

QPainterPath trackLoop(qreal grow)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(22 - grow, 26 - grow, 56 + 2 * grow, 48 + 2 * grow),
                        22 + grow, 22 + grow);
    return path;
}

void drawTrack(QPainter &p)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x5e, 0x5e, 0x62), 14.0));
    p.drawPath(trackLoop(0));
}

// A kerb is a band of alternating red and white blocks: a white stroke
// overdrawn by a dashed red one.
void drawKerb(QPainter &p)
{
    const QPainterPath edge = trackLoop(9);
    p.setPen(QPen(Qt::white, 4.0));
    p.drawPath(edge);
    QPen red(QColor(0xd6, 0x23, 0x23), 4.0, Qt::CustomDashLine, Qt::FlatCap);
    red.setDashPattern({1.5, 1.5});
    p.setPen(red);
    p.drawPath(edge);
}

void drawStartLine(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(47, 67, 4, 14));
}

} // namespace

QImage AppIcon::render(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / canvas, size / canvas);
    drawGround(p);
    drawTrack(p);
    drawKerb(p);
    drawStartLine(p);
    return image;
}

QIcon AppIcon::icon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(render(size)));
    return icon;
}
