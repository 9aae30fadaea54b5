// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/linebuffer.h"
#include "document/trackgrid.h"
#include "pieces/tilestore.h"

#include <QByteArray>
#include <QString>

class Progress;
class TileSource;

// The track file format: lines of comma-separated codes, a line a row.
// Reading is all or nothing: it builds a new grid and hands it back only
// when every code had its tile, so a failure leaves nothing to undo.
class TrackFile
{
public:
    static constexpr qint64 maxSize = 1 << 20;

    // A track file's bytes as the editor opens it: a regular file of at most
    // 1 MiB. Throws "Cannot open file" or "Text exceeds memo capacity".
    static QByteArray readBytes(const QString &path);

    struct Read
    {
        TrackGrid grid;
        TilePictures pictures;  // the tile read for each code, the last read of it
    };

    // The grid that the buffer's lines describe. Every code's tile file is
    // read, one read per cell, with "Loading Track - line-character"
    // progress. The widest row sets the width and the last row that names
    // a code the height; exactly that block is visible, cells that a short
    // row does not name holding the default piece. Without any code the
    // size is current's and no cell shows. Throws KwError, after emptying
    // the progress text.
    static Read read(const LineBuffer &memo, const TrackGrid &current, const TileSource &tiles,
                     Progress &progress);

    // The width x height block, a line a row, whatever is visible.
    static LineBuffer write(const TrackGrid &grid);
};
