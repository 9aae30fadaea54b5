// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QMap>

// Collects the finished 48 x 48 cells by piece code and frames them into
// tile pictures. Pieces that come in orientations are drawn once and turned
// here, a quarter turn clockwise at a time, so the four always agree.
class TileBook
{
public:
    // The frame ring: the mask colour on buttons, trimmed off by the export.
    static constexpr QRgb frame = 0xffff00ff;

    // Turns for a four-piece block whose base piece has its feature at the
    // top left: placed as the block's top-left, top-right, bottom-left and
    // bottom-right pieces they close into a loop, as on the palette.
    static const QList<int> loopTurns;
    static const QList<int> allTurns;

    static QImage blank(int cols = 1, int rows = 1);
    static QImage turned(const QImage &image, int quarterTurns);

    void add(const QByteArray &code, const QImage &cell);
    void addTurns(const QList<QByteArray> &codes, const QImage &base, const QList<int> &turns);
    // Cuts a block drawn across several cells into pieces, row by row; an
    // empty code skips a cell, which must then be bare ground (`ground`).
    void addBlock(const QList<QByteArray> &codes, const QImage &block, const QImage &ground);

    QImage tile(const QByteArray &code) const;
    QImage cell(const QByteArray &code) const { return m_cells.value(code); }
    QList<QByteArray> codes() const { return m_cells.keys(); }

    // Throws KwError unless the book holds exactly the catalogue's codes,
    // every picture differs and no cell pixel has the frame colour.
    void verify() const;

private:
    QMap<QByteArray, QImage> m_cells;
};
