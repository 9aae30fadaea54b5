// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPixmap>
#include <QToolButton>

#include <optional>

// A button that shows a picture: the piece buttons, the grid buttons and the
// current piece; the track canvas draws its cells the same way. The picture
// is centred in the face and moves one pixel right and down while the
// button is pressed; pixels of the mask colour (the picture's bottom-left
// pixel) are left undrawn.
// Only the left mouse button acts; other buttons are taken and ignored, so
// they never reach the page behind.
class PictureButton : public QToolButton
{
    Q_OBJECT

public:
    static constexpr int edge = 2;  // the bevel around the face

    explicit PictureButton(QWidget *parent = nullptr);

    const QImage &picture() const { return m_picture; }
    void setPicture(const QImage &picture);

    // A number drawn in the face's bottom-right corner over the picture: a
    // palette piece's count left of the inventory. Red at 0 and below, where
    // it shows a minus. None by default.
    const std::optional<int> &count() const { return m_count; }
    void setCount(std::optional<int> count);

    // Where the picture's top-left pixel is drawn, in button coordinates.
    QPoint pictureOrigin() const;

    // The picture as drawn, masked. Pixmaps are shared through one cache
    // keyed by the picture's identity, so the buttons and cells that share
    // a picture share one pixmap.
    static QPixmap maskedPixmap(const QImage &picture);
    // The picture with every pixel of its bottom-left colour transparent,
    // premultiplied.
    static QImage masked(const QImage &picture);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void paintCount(QPainter &painter) const;

    QImage m_picture;
    QPixmap m_pixmap;
    std::optional<int> m_count;
};
