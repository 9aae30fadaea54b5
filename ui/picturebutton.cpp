#include "ui/picturebutton.h"

#include <QMouseEvent>
#include <QPixmapCache>
#include <QStyleOptionToolButton>
#include <QStylePainter>

namespace {

QImage withMaskCleared(const QImage &picture)
{
    const QRgb mask = picture.pixel(0, picture.height() - 1) & RGB_MASK;
    const int width = picture.width();
    // Opaque pictures (every tile read from a file) are masked in one pass
    // straight into the premultiplied format that pixmaps are drawn from,
    // so making the pixmap converts nothing. A track's open masks 900.
    if (picture.format() == QImage::Format_RGB32) {
        QImage masked(picture.size(), QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < masked.height(); ++y) {
            const auto *in = reinterpret_cast<const QRgb *>(picture.constScanLine(y));
            auto *out = reinterpret_cast<QRgb *>(masked.scanLine(y));
            for (int x = 0; x < width; ++x) {
                const QRgb pixel = in[x] | 0xff000000u;
                out[x] = (pixel & RGB_MASK) == mask ? 0 : pixel;
            }
        }
        return masked;
    }
    QImage masked = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < masked.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(masked.scanLine(y));
        for (int x = 0; x < width; ++x) {
            if ((line[x] & RGB_MASK) == mask)
                line[x] = 0;
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

QPixmap PictureButton::maskedPixmap(const QImage &picture)
{
    if (picture.isNull())
        return QPixmap();
    const QString key = QStringLiteral("kwmask-%1").arg(picture.cacheKey());
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap = QPixmap::fromImage(withMaskCleared(picture));
        QPixmapCache::insert(key, pixmap);
    }
    return pixmap;
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
