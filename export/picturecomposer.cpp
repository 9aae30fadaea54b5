// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/picturecomposer.h"

#include "base/kwerror.h"
#include "base/progress.h"
#include "document/trackgrid.h"
#include "pieces/tilestore.h"

#include <algorithm>
#include <cstring>

#include <cstdlib>

#ifdef Q_OS_UNIX
#include <sys/mman.h>
#endif

namespace {

// A cell takes 48 pixels and the grid line beside it one more.
constexpr int pitch = 49;
constexpr int tileSide = 48;
constexpr char prefix[] = QT_TRANSLATE_NOOP("Progress", "Drawing Image - ");
// 96 dpi, the logical resolution of a display. Fixed, so that a format
// that stores a resolution (PNG) writes the same bytes in every process;
// Qt's default depends on the platform plugin.
constexpr int dotsPerMeter = 3780;

// White: every bit set.
constexpr QRgb white = 0xffffffffu;

QRgb *rowAt(QImage &picture, int y)
{
    return reinterpret_cast<QRgb *>(picture.bits() + qsizetype(y) * picture.bytesPerLine());
}

// The one-pixel lines above and below the cells, and the line down the
// right edge. The lines left of each cell go with the cell's rows, which
// are in the cache then.
void drawOuterLines(QImage &picture)
{
    for (int y = 0; y < picture.height(); y += pitch)
        std::fill_n(rowAt(picture, y), picture.width(), white);
    for (int y = 0; y < picture.height(); ++y)
        rowAt(picture, y)[picture.width() - 1] = white;
}

// Copies the tile's pixels (1,1)..(48,48) to (left, top) row by row, with
// the line pixel left of each row. A tile smaller than 49 x 49 covers what
// it has; the rest of the cell is white.
void drawCell(const QImage &tile, QImage &picture, int left, int top)
{
    // Tiles are converted to the picture's depth, as a block copy between
    // bitmaps of different depths would; an RGB32 tile is used as it is.
    const QImage source = tile.isNull() || tile.format() == QImage::Format_RGB32
                              ? tile
                              : tile.convertToFormat(QImage::Format_RGB32);
    if (source.isNull() && !tile.isNull())
        throw KwError::outOfResources();
    const int columns = std::clamp(source.width() - 1, 0, tileSide);
    const int rows = columns > 0 ? std::clamp(source.height() - 1, 0, tileSide) : 0;
    const qsizetype stride = picture.bytesPerLine() / qsizetype(sizeof(QRgb));
    QRgb *target = rowAt(picture, top) + left;
    for (int y = 0; y < tileSide; ++y, target += stride) {
        target[-1] = white;
        if (y >= rows) {
            std::fill_n(target, tileSide, white);
            continue;
        }
        const auto *from = reinterpret_cast<const QRgb *>(source.constScanLine(1 + y)) + 1;
        // A whole tile row is a copy of constant size, which compiles to a
        // few vector moves instead of a string instruction per row.
        if (columns == tileSide) {
            std::memcpy(target, from, tileSide * sizeof(QRgb));
        } else {
            std::memcpy(target, from, size_t(columns) * sizeof(QRgb));
            std::fill(target + columns, target + tileSide, white);
        }
    }
}

#ifdef MADV_HUGEPAGE
constexpr size_t hugePage = size_t(2) << 20;

void freePixels(void *pixels)
{
    std::free(pixels);
}

// A 30 x 30 picture is 8.6 MB of new memory. Filled page by page it costs
// 2,100 page faults, which on a virtual machine took longer than composing
// and encoding together. Large pictures therefore get memory aligned to,
// and advised for, huge pages: a handful of faults where the system offers
// them on request, and no harm where it does not.
QImage newPicture(int width, int height)
{
    const qsizetype bytesPerLine = qsizetype(width) * qsizetype(sizeof(QRgb));
    const size_t bytes = size_t(bytesPerLine) * size_t(height);
    if (bytes < 2 * hugePage)
        return QImage(width, height, QImage::Format_RGB32);
    const size_t rounded = (bytes + hugePage - 1) / hugePage * hugePage;
    void *pixels = std::aligned_alloc(hugePage, rounded);
    if (!pixels)
        return QImage();
    madvise(pixels, rounded, MADV_HUGEPAGE);
    QImage picture(static_cast<uchar *>(pixels), width, height, bytesPerLine,
                   QImage::Format_RGB32, freePixels, pixels);
    if (picture.isNull())
        std::free(pixels);
    return picture;
}
#else
QImage newPicture(int width, int height)
{
    return QImage(width, height, QImage::Format_RGB32);
}
#endif

} // namespace

QImage PictureComposer::compose(const TrackGrid &grid, const TileStore &tiles, Progress &progress)
{
    const int columns = grid.width();
    const int rows = grid.height();
    QImage picture = newPicture(pitch * columns + 1, pitch * rows + 1);
    if (picture.isNull()) {
        // The picture is first needed at the first cell, so that is the
        // progress a failure leaves behind.
        progress.step(prefix, 0, 0);
        throw KwError::outOfResources();
    }
    picture.setDotsPerMeterX(dotsPerMeter);
    picture.setDotsPerMeterY(dotsPerMeter);
    // Each pixel is written once: the lines white, each cell its tile and
    // white where the tile falls short. Whitening the whole picture first
    // wrote its 8.6 MB twice.
    drawOuterLines(picture);
    for (int c = 0; c < columns; ++c) {
        for (int r = 0; r < rows; ++r) {
            progress.step(prefix, c, r);
            drawCell(tiles.picture(grid.cell(c, r).code), picture, pitch * c + 1, pitch * r + 1);
        }
    }
    return picture;
}

QImage PictureComposer::cellPicture(const QByteArray &code, const TileStore &tiles)
{
    // One pixel wider than the cell, for the line that drawCell writes
    // left of every row; the cell is what lies right of it.
    QImage lined(tileSide + 1, tileSide, QImage::Format_RGB32);
    if (lined.isNull())
        throw KwError::outOfResources();
    drawCell(tiles.picture(code), lined, 1, 0);
    return lined.copy(1, 0, tileSide, tileSide);
}
