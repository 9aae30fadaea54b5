// SPDX-License-Identifier: GPL-3.0-or-later
#include "tilebook.h"

#include "base/kwerror.h"
#include "pieces/catalogue.h"
#include "tilegeometry.h"

#include <QPainter>
#include <QSet>
#include <QTransform>

const QList<int> TileBook::loopTurns = {2, 3, 1, 0};
const QList<int> TileBook::allTurns = {0, 1, 2, 3};

namespace {

// The frame colour must not occur inside, or the button mask would punch a
// hole in the picture; any pixel that lands on it is moved one step away.
void keepFrameColourOut(QImage &cell)
{
    for (int y = 0; y < cell.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(cell.scanLine(y));
        for (int x = 0; x < cell.width(); ++x)
            if ((line[x] | 0xff000000) == TileBook::frame)
                line[x] = qRgb(255, 1, 255);
    }
}

} // namespace

QImage TileBook::blank(int cols, int rows)
{
    QImage image(cols * Tile::cell, rows * Tile::cell, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

QImage TileBook::turned(const QImage &image, int quarterTurns)
{
    // Multiples of 90 degrees are exact pixel permutations in QImage.
    return image.transformed(QTransform().rotate(90 * (quarterTurns % 4)));
}

void TileBook::add(const QByteArray &code, const QImage &cell)
{
    if (cell.size() != QSize(Tile::cell, Tile::cell))
        throw KwError(QStringLiteral("Piece %1 is not %2 pixels square").arg(QString::fromLatin1(code)).arg(Tile::cell));
    if (m_cells.contains(code))
        throw KwError(QStringLiteral("Piece %1 drawn twice").arg(QString::fromLatin1(code)));
    QImage copy = cell.convertToFormat(QImage::Format_RGB32);
    keepFrameColourOut(copy);
    m_cells.insert(code, copy);
}

void TileBook::addTurns(const QList<QByteArray> &codes, const QImage &base, const QList<int> &turns)
{
    for (int i = 0; i < codes.size(); ++i)
        add(codes[i], turned(base, turns[i]));
}

void TileBook::addBlock(const QList<QByteArray> &codes, const QImage &block, const QImage &ground)
{
    const int cols = block.width() / Tile::cell;
    for (int i = 0; i < codes.size(); ++i) {
        const QRect cut((i % cols) * Tile::cell, (i / cols) * Tile::cell, Tile::cell, Tile::cell);
        if (!codes[i].isEmpty())
            add(codes[i], block.copy(cut));
        else if (block.copy(cut) != ground.copy(cut))
            throw KwError(QStringLiteral("A skipped cell of block %1 is not bare ground")
                              .arg(QString::fromLatin1(codes.first())));
    }
}

QImage TileBook::tile(const QByteArray &code) const
{
    QImage image(Tile::fileSize, Tile::fileSize, QImage::Format_RGB32);
    image.fill(frame);
    QPainter painter(&image);
    painter.drawImage(1, 1, m_cells.value(code));
    return image;
}

void TileBook::verify() const
{
    const QList<QByteArray> expected = Catalogue::codes();
    for (const QByteArray &code : expected)
        if (!m_cells.contains(code))
            throw KwError(QStringLiteral("No picture for piece %1").arg(QString::fromLatin1(code)));
    if (m_cells.size() != expected.size())
        throw KwError(QStringLiteral("%1 pictures for %2 pieces").arg(m_cells.size()).arg(expected.size()));

    QMap<QByteArray, QByteArray> seen;  // pixels -> code
    for (auto it = m_cells.cbegin(); it != m_cells.cend(); ++it) {
        const QByteArray pixels(reinterpret_cast<const char *>(it->constBits()), int(it->sizeInBytes()));
        if (seen.contains(pixels))
            throw KwError(QStringLiteral("Pieces %1 and %2 look the same")
                              .arg(QString::fromLatin1(seen.value(pixels)), QString::fromLatin1(it.key())));
        seen.insert(pixels, it.key());
    }
}
