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
constexpr char prefix[] = "Drawing Image - ";
// 96 dpi, the logical resolution of a display. Fixed, so that a format
// that stores a resolution (PNG) writes the same bytes in every process;
// Qt's default depends on the platform plugin.
constexpr int dotsPerMeter = 3780;

// Copies the tile's pixels (1,1)..(48,48) to (left, top) row by row. A tile
// smaller than 49 x 49 covers what it has; the rest stays white.
void copyTile(const QImage &tile, QImage &picture, int left, int top)
{
    if (tile.isNull())
        return;
    // Tiles are converted to the picture's depth, as a block copy between
    // bitmaps of different depths would; an RGB32 tile is used as it is.
    const QImage source = tile.format() == QImage::Format_RGB32
                              ? tile
                              : tile.convertToFormat(QImage::Format_RGB32);
    if (source.isNull())
        throw KwError::outOfResources();
    const int columns = std::min(source.width() - 1, tileSide);
    const int rows = std::min(source.height() - 1, tileSide);
    if (columns <= 0 || rows <= 0)
        return;
    const size_t rowBytes = size_t(columns) * sizeof(QRgb);
    uchar *target = picture.bits() + qsizetype(top) * picture.bytesPerLine()
                    + qsizetype(left) * qsizetype(sizeof(QRgb));
    for (int y = 0; y < rows; ++y) {
        std::memcpy(target, source.constScanLine(1 + y) + sizeof(QRgb), rowBytes);
        target += picture.bytesPerLine();
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
        progress.setText(Progress::text(prefix, 0, 0));
        throw KwError::outOfResources();
    }
    picture.setDotsPerMeterX(dotsPerMeter);
    picture.setDotsPerMeterY(dotsPerMeter);
    // Every bit set: white pixels, and the grid lines are simply never drawn.
    picture.fill(0xffffffffu);
    for (int c = 0; c < columns; ++c) {
        for (int r = 0; r < rows; ++r) {
            progress.setText(Progress::text(prefix, c, r));
            copyTile(tiles.picture(grid.cell(c, r).code), picture, pitch * c + 1, pitch * r + 1);
        }
    }
    return picture;
}

QImage PictureComposer::cellPicture(const QByteArray &code, const TileStore &tiles)
{
    QImage cell(tileSide, tileSide, QImage::Format_RGB32);
    if (cell.isNull())
        throw KwError::outOfResources();
    cell.fill(0xffffffffu);
    copyTile(tiles.picture(code), cell, 0, 0);
    return cell;
}
