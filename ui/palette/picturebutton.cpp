// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/palette/picturebutton.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPixmapCache>
#include <QStyleOptionToolButton>
#include <QStylePainter>

namespace {

// The picture with every pixel of its bottom-left colour made transparent,
// in the premultiplied format pixmaps are drawn from, so making the pixmap
// converts nothing (a track's open masks 900). Tiles read from files are
// RGB32 and are read as they are; anything else is brought to ARGB32 first.
QImage withMaskCleared(const QImage &picture)
{
    const bool opaque = picture.format() == QImage::Format_RGB32;
    const QImage in = opaque ? picture : picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb mask = in.pixel(0, in.height() - 1) & RGB_MASK;
    QImage masked(in.size(), QImage::Format_ARGB32_Premultiplied);
    // The sizes are read once: a call per pixel cost more than the pixel.
    const int width = masked.width(), height = masked.height();
    for (int y = 0; y < height; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(in.constScanLine(y));
        auto *out = reinterpret_cast<QRgb *>(masked.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = line[x];
            if ((pixel & RGB_MASK) == mask)
                out[x] = 0;
            else
                out[x] = opaque ? pixel | 0xff000000u : qPremultiply(pixel);
        }
    }
    return masked;
}

} // namespace

PictureButton::PictureButton(QWidget *parent)
    : QToolButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void PictureButton::setPicture(const QImage &picture)
{
    if (!m_picture.isNull() && picture.cacheKey() == m_picture.cacheKey())
        return;
    m_picture = picture;
    m_pixmap = maskedPixmap(picture);
    update();
}

void PictureButton::setCount(std::optional<int> count)
{
    if (count == m_count)
        return;
    m_count = count;
    update();
}

QPixmap PictureButton::maskedPixmap(const QImage &picture)
{
    if (picture.isNull())
        return QPixmap();
    const QString key = QStringLiteral("kwmask-%1").arg(picture.cacheKey());
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap = QPixmap::fromImage(masked(picture));
        QPixmapCache::insert(key, pixmap);
    }
    return pixmap;
}

QImage PictureButton::masked(const QImage &picture)
{
    return picture.isNull() ? QImage() : withMaskCleared(picture);
}

QPoint PictureButton::pictureOrigin() const
{
    const int faceWidth = width() - 2 * edge;
    const int faceHeight = height() - 2 * edge;
    QPoint origin(edge + (faceWidth - m_picture.width() + 1) / 2,
                  edge + (faceHeight - m_picture.height() + 1) / 2);
    if (isDown() || isChecked())
        origin += QPoint(1, 1);
    return origin;
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    option.text.clear();
    option.icon = QIcon();
    painter.drawComplexControl(QStyle::CC_ToolButton, option);
    if (!m_pixmap.isNull())
        painter.drawPixmap(pictureOrigin(), m_pixmap);
    if (m_count)
        paintCount(painter);
}

// A small plate that any tile's colours read it on: white with a dark
// number, or red with a white one when none are left.
void PictureButton::paintCount(QPainter &painter) const
{
    const int count = *m_count;
    // A true minus sign: a hyphen is hard to see at this size.
    const QString text = count < 0 ? QChar(0x2212) + QString::number(-count) : QString::number(count);
    QFont font = painter.font();
    font.setPixelSize(11);
    font.setBold(true);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    const int width = std::max(metrics.horizontalAdvance(text) + 6, metrics.height());
    const int shift = isDown() || isChecked() ? 1 : 0;
    const QRect plate(this->width() - edge - 1 - width + shift, height() - edge - 1 - metrics.height() + shift, width,
                      metrics.height());
    const bool none = count <= 0;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(none ? QColor(160, 0, 0) : QColor(90, 90, 90), 1));
    painter.setBrush(none ? QColor(215, 25, 25) : QColor(255, 255, 255, 235));
    painter.drawRoundedRect(QRectF(plate).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    painter.setPen(none ? Qt::white : Qt::black);
    painter.drawText(plate, Qt::AlignCenter, text);
}

void PictureButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        QToolButton::mousePressEvent(event);
    else
        event->accept();
}

void PictureButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        QToolButton::mouseReleaseEvent(event);
    else
        event->accept();
}

void PictureButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        QToolButton::mouseDoubleClickEvent(event);
    else
        event->accept();
}
