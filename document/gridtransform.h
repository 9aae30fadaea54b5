// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/trackblock.h"
#include "document/trackgrid.h"
#include "pieces/turn.h"

#include <QByteArray>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QVector>

// Turning and mirroring blocks of cells and whole tracks. The cells move as
// the picture would, and every piece becomes its counterpart from the piece
// table (PieceTable::counterpart), so a corner from north to east turned
// clockwise becomes the corner from east to south and the cells of a large
// corner block become the cells of the turned block. A piece without a
// counterpart (and a code outside the catalogue) keeps its code; the result
// lists those cells, so that the caller can say which and mark them.
class GridTransform
{
public:
    // Where the cell (column, row) of a block of `size` lands, and the size
    // of the turned block (a quarter turn swaps width and height).
    static QPoint cellAfter(Turn turn, QPoint cell, QSize size);
    static QSize sizeAfter(Turn turn, QSize size);

    struct TurnedBlock
    {
        TrackBlock block;
        QVector<QPoint> unmatched;  // cells of `block` that kept their code, row by row
    };
    static TurnedBlock turnBlock(const TrackBlock &block, Turn turn);

    struct TurnedGrid
    {
        TrackGrid grid;
        QRect cells;              // where the turned block now lies
        QVector<int> unmatched;   // grid indices that kept their code, column by column
        int cutOff = 0;           // cells of the turned block beyond the grid's block, lost
    };
    // The whole width x height track; a quarter turn swaps width and height.
    // Afterwards exactly the new block shows; the places beyond it, which
    // may have kept pieces that a shrink hid, hold the default piece, as
    // their old places mean nothing once the track has turned.
    static TurnedGrid turnTrack(const TrackGrid &grid, Turn turn);
    // The block `cells` (clipped to the grid's block) turned in place about
    // its top-left cell: the turned block starts where the old one did, the
    // cells of the old block that it no longer covers become the default
    // piece, and what of it falls beyond the grid's block is cut off
    // (counted in cutOff). The grid's size stays.
    static TurnedGrid turnRegion(const TrackGrid &grid, const QRect &cells, Turn turn);

    // The distinct codes of the unmatched cells, in the order first met:
    // for "2 pieces have no turned counterpart: 44, 76".
    static QVector<QByteArray> codesOf(const TrackBlock &block, const QVector<QPoint> &cells);
    static QVector<QByteArray> codesOf(const TrackGrid &grid, const QVector<int> &indices);
    // What a turn says of the pieces it could not turn: "1 piece has no
    // turned counterpart: 08", "3 pieces have no mirrored counterpart: 76,
    // 44"; empty when count is 0.
    static QString unmatchedText(int count, const QVector<QByteArray> &codes, Turn turn);
};
