// SPDX-License-Identifier: GPL-3.0-or-later
#include "contactsheet.h"

#include "pieces/catalogue.h"
#include "samplelayouts.h"
#include "tilebook.h"
#include "tilegeometry.h"
#include "ui/palette/palettelayout.h"

#include <QBuffer>
#include <QFont>
#include <QPainter>

namespace {

const int margin = 12;
const int captionHeight = 26;
const int labelHeight = 16;
const QColor background(244, 242, 236);

} // namespace

ContactSheet::ContactSheet(const TileBook &book, int scale)
    : m_book(book)
    , m_scale(scale)
{
}

QImage ContactSheet::image() const
{
    // Measure by drawing into a tall scratch picture, then crop.
    QImage sheet(1500, 6000, QImage::Format_RGB32);
    sheet.fill(background);
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::TextAntialiasing);
    int right = 0;
    for (const Piece &piece : PieceTable::pieces()) {
        const int left = PaletteLayout::place(piece.page, piece.slot).x();
        right = qMax(right, margin + (left + Tile::cell) * m_scale);
    }
    int bottom = drawPages(painter, margin);
    bottom = drawSamples(painter, bottom, right + margin);
    painter.end();
    return sheet.copy(0, 0, right + margin, bottom);
}

QByteArray ContactSheet::png() const
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image().save(&buffer, "PNG");
    return bytes;
}

int ContactSheet::drawPages(QPainter &painter, int top) const
{
    QFont caption = painter.font();
    caption.setPixelSize(16);
    caption.setBold(true);
    QFont label = painter.font();
    label.setPixelSize(11);
    const int cellSize = Tile::cell * m_scale;
    const QVector<CataloguePage> &pages = Catalogue::pages();
    for (int p = 0; p < pages.size(); ++p) {
        const CataloguePage &page = pages[p];
        if (page.pieces.isEmpty())
            continue;
        painter.setFont(caption);
        painter.setPen(QColor(40, 40, 40));
        painter.drawText(QRect(margin, top, 600, captionHeight), Qt::AlignLeft | Qt::AlignVCenter, page.caption);
        top += captionHeight;
        painter.setFont(label);
        for (const PiecePlace &place : page.pieces) {
            const int left = PaletteLayout::place(p, place.slot).x();
            const QRect target(margin + left * m_scale, top + place.slot.row * (cellSize + labelHeight),
                               cellSize, cellSize);
            painter.drawImage(target, m_book.cell(place.code));
            painter.drawText(QRect(target.left(), target.bottom() + 1, cellSize, labelHeight),
                             Qt::AlignCenter, QString::fromLatin1(place.code));
        }
        top += 2 * (cellSize + labelHeight) + margin;
    }
    return top;
}

int ContactSheet::drawSamples(QPainter &painter, int top, int width) const
{
    // Actual size, as exported, flowed left to right.
    QFont caption = painter.font();
    caption.setPixelSize(13);
    caption.setBold(true);
    painter.setFont(caption);
    painter.setPen(QColor(40, 40, 40));
    int left = margin, rowBottom = top;
    for (const SampleLayout &sample : SampleLayout::all()) {
        const QImage picture = track(sample);
        if (left > margin && left + picture.width() > width - margin) {
            left = margin;
            top = rowBottom + margin;
        }
        painter.drawText(QRect(left, top, picture.width() + 200, captionHeight), Qt::AlignLeft | Qt::AlignVCenter,
                         sample.title);
        painter.drawImage(left, top + captionHeight, picture);
        rowBottom = qMax(rowBottom, top + captionHeight + picture.height());
        left += picture.width() + 2 * margin;
    }
    return rowBottom + margin;
}

QImage ContactSheet::track(const SampleLayout &sample) const
{
    const int rows = sample.rows.size();
    const int cols = sample.rows.first().split(QLatin1Char(',')).size();
    const int pitch = Tile::cell + 1;
    QImage picture(cols * pitch + 1, rows * pitch + 1, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    for (int r = 0; r < rows; ++r) {
        const QStringList codes = sample.rows[r].split(QLatin1Char(','));
        for (int c = 0; c < codes.size(); ++c)
            painter.drawImage(c * pitch + 1, r * pitch + 1, m_book.cell(codes[c].toLatin1()));
    }
    return picture;
}
