// SPDX-License-Identifier: GPL-3.0-or-later
#include "pieces/builtinpictures.h"

#include <QPainter>
#include <QPolygon>

namespace {

constexpr int pictureSize = 50;
constexpr int squares = 4;
constexpr int squareSize = 8;

QImage filled(QColor colour)
{
    QImage image(pictureSize, pictureSize, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// A 4 x 4 grid of black-outlined squares at (left, top). With whiteColumn
// the rightmost column is filled white, otherwise the bottom row. Inside the
// other squares the red ground stays, which the button leaves undrawn.
void drawGrid(QPainter &p, int left, int top, bool whiteColumn)
{
    for (int c = 0; c < squares; ++c) {
        for (int r = 0; r < squares; ++r) {
            const QRect square(left + c * squareSize, top + r * squareSize, squareSize, squareSize);
            const bool white = whiteColumn ? c == squares - 1 : r == squares - 1;
            if (white)
                p.fillRect(square, Qt::white);
            p.setPen(Qt::black);
            p.drawRect(square);
        }
    }
}

// A solid blue arrow from tail to head (axis-aligned), with a head 4 pixels
// to each side of the shaft.
void drawArrow(QPainter &p, QPoint tail, QPoint head)
{
    const QColor blue(0, 0, 255);
    const bool horizontal = tail.y() == head.y();
    const int dir = horizontal ? (head.x() > tail.x() ? 1 : -1) : (head.y() > tail.y() ? 1 : -1);
    const QPoint back = horizontal ? QPoint(head.x() - 4 * dir, head.y()) : QPoint(head.x(), head.y() - 4 * dir);
    p.setPen(Qt::NoPen);
    p.setBrush(blue);
    if (horizontal) {
        p.drawRect(QRect(QPoint(std::min(tail.x(), back.x()), tail.y() - 1),
                         QPoint(std::max(tail.x(), back.x()), tail.y() + 1)));
        p.drawPolygon(QPolygon({head, QPoint(back.x(), head.y() - 4), QPoint(back.x(), head.y() + 4)}));
    } else {
        p.drawRect(QRect(QPoint(tail.x() - 1, std::min(tail.y(), back.y())),
                         QPoint(tail.x() + 1, std::max(tail.y(), back.y()))));
        p.drawPolygon(QPolygon({head, QPoint(head.x() - 4, back.y()), QPoint(head.x() + 4, back.y())}));
    }
}

} // namespace

QImage BuiltinPictures::blank()
{
    static const QImage picture = [] {
        QImage image = filled(QColor(255, 31, 0));
        QPainter p(&image);
        p.fillRect(1, 1, pictureSize - 2, pictureSize - 2, Qt::white);
        return image;
    }();
    return picture;
}

QImage BuiltinPictures::gridButton(int which)
{
    QImage image = filled(QColor(255, 0, 0));
    QPainter p(&image);
    const bool column = which == 0 || which == 1;
    if (column) {
        drawGrid(p, 4, 9, true);
        const int y = 9 + squares * squareSize / 2;
        if (which == 0)
            drawArrow(p, QPoint(38, y), QPoint(47, y));
        else
            drawArrow(p, QPoint(47, y), QPoint(38, y));
    } else {
        drawGrid(p, 9, 3, false);
        const int x = 9 + squares * squareSize / 2;
        if (which == 2)
            drawArrow(p, QPoint(x, 38), QPoint(x, 47));
        else
            drawArrow(p, QPoint(x, 47), QPoint(x, 38));
    }
    return image;
}
