// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>

class TileBook;
struct SampleLayout;

// A picture of every palette page, pieces placed as on the palette and
// labelled with their codes, followed by a few small sample tracks laid out
// as the export lays them out (tiles trimmed to 48 x 48, one white pixel
// between cells), which shows at a glance whether pieces join.
class ContactSheet
{
public:
    explicit ContactSheet(const TileBook &book, int scale = 2);

    QImage image() const;
    QByteArray png() const;

private:
    int drawPages(QPainter &painter, int top) const;
    int drawSamples(QPainter &painter, int top, int width) const;
    QImage track(const SampleLayout &sample) const;

    const TileBook &m_book;
    int m_scale;
};
