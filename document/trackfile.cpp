// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/trackfile.h"

#include "base/kwerror.h"
#include "base/progress.h"
#include "base/regularfile.h"
#include "pieces/decodedtiles.h"
#include "pieces/tilesource.h"

#include <algorithm>

namespace {

int codesOnLine(const QByteArray &line)
{
    // Every comma ends a code; the end of the line ends one more unless the
    // line is empty or ends with a comma.
    const int commas = int(line.count(','));
    return commas + ((line.isEmpty() || line.endsWith(',')) ? 0 : 1);
}

// A track that names a cell outside the 30 x 30 pool is refused before
// anything is read.
void checkFitsPool(const LineBuffer &memo)
{
    for (int r = 0; r < memo.lineCount(); ++r) {
        const int codes = codesOnLine(memo.line(r));
        if (codes > TrackGrid::side || (codes > 0 && r >= TrackGrid::side))
            throw KwError::trackTooLarge();
    }
}

// Reads one line's codes into row r of the grid; returns how many it named.
int readLine(const QByteArray &line, int r, TrackFile::Read &read, const TileSource &tiles,
             DecodedTiles &decoded, Progress &progress)
{
    const int length = int(line.size());
    int k = 0;
    QByteArray pending;
    for (int p = 1; p <= length; ++p) {
        progress.step(QT_TRANSLATE_NOOP("Progress", "Loading Track - "), r, p);
        progress.pump();
        const char ch = line[p - 1];
        if (ch != ',')
            pending += ch;
        if (ch != ',' && p != length)
            continue;
        read.grid.setCode(TrackGrid::index(k++, r), pending);
        read.pictures.insert(pending, tiles.loadReusing(pending, decoded));
        progress.pump();
        pending.clear();
    }
    return k;
}

} // namespace

QByteArray TrackFile::readBytes(const QString &path)
{
    // Folders, FIFOs and devices hold no text; an empty path opens nothing.
    const RegularFile::Result file = RegularFile::read(path, maxSize);
    switch (file.status) {
    case RegularFile::Read:
        return file.bytes;
    case RegularFile::CannotOpen:
        throw KwError::cannotOpen(path);
    case RegularFile::NotRegular:
    case RegularFile::TooLarge:
        throw KwError::memoCapacity();
    case RegularFile::ReadFailed:
        break;
    }
    throw KwError::streamRead();
}

TrackFile::Read TrackFile::read(const LineBuffer &memo, const TrackGrid &current,
                                const TileSource &tiles, Progress &progress)
{
    checkFitsPool(memo);
    Read read{current, {}};
    read.grid.clear();
    int widest = 0, height = 0;
    DecodedTiles decoded;
    try {
        for (int r = 0; r < memo.lineCount(); ++r) {
            const int named = readLine(memo.line(r), r, read, tiles, decoded, progress);
            // The widest row sets the width, so that a save keeps every
            // code; the last row that names a code sets the height.
            widest = std::max(widest, named);
            if (named > 0)
                height = r + 1;
        }
    } catch (...) {
        progress.clear();
        throw;
    }
    progress.clear();
    if (widest > 0) {
        read.grid.setSize(widest, height);
        read.grid.showBlock();
    }
    return read;
}

LineBuffer TrackFile::write(const TrackGrid &grid)
{
    LineBuffer memo;
    for (int r = 0; r < grid.height(); ++r) {
        QByteArray line;
        for (int c = 0; c < grid.width(); ++c) {
            line += grid.cell(c, r).code;
            if (c + 1 != grid.width())
                line += ',';
        }
        memo.addLine(line);
    }
    return memo;
}
