// SPDX-License-Identifier: GPL-3.0-or-later
// A small random track (1..2 x 1..2 cells) with random tile pictures of
// many sizes and formats, composed into one picture and written as JPEG and
// as BMP in memory. The composition is checked against the tiles, the JPEG
// for its markers and size, and the BMP is read back with our own reader and
// compared pixel for pixel (exactly at 24 and 32 bits, at 5 bits a channel
// at 16).
//
// Input: byte 0 picks width, height and BMP depth; then three bytes a cell
// (format, width, height of its tile); the rest is the tiles' pixel bytes,
// used round and round.

#include "base/kwerror.h"
#include "base/progress.h"
#include "document/trackgrid.h"
#include "pieces/tilestore.h"
#include "export/bmpwriter.h"
#include "export/jpegwriter.h"
#include "export/picturecomposer.h"
#include "pieces/bmpreader.h"

#include <QImage>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

[[noreturn]] void fail(int line, const char *what)
{
    std::fprintf(stderr, "fuzz_writers:%d: check failed: %s\n", line, what);
    std::abort();
}
#define CHECK(cond) ((cond) ? void(0) : fail(__LINE__, #cond))

constexpr int pitch = 49;
constexpr int tileSide = 48;

class Input
{
public:
    Input(const uint8_t *data, size_t size) : m_data(data), m_size(size) {}

    uint8_t next() { return m_pos < m_size ? m_data[m_pos++] : 0; }

    // The pixel bytes: whatever is left of the input, round and round.
    void fill(uchar *out, qsizetype count)
    {
        const size_t rest = m_size - m_pos;
        for (qsizetype i = 0; i < count; ++i)
            out[i] = rest ? m_data[m_pos + (m_cursor++ % rest)] : uchar(i * 31);
    }

private:
    const uint8_t *m_data;
    size_t m_size;
    size_t m_pos = 0;
    size_t m_cursor = 0;
};

const QImage::Format formats[] = {
    QImage::Format_RGB32,    QImage::Format_ARGB32, QImage::Format_ARGB32_Premultiplied,
    QImage::Format_RGB888,   QImage::Format_BGR888, QImage::Format_RGB16,
    QImage::Format_RGB555,   QImage::Format_Indexed8, QImage::Format_Mono,
    QImage::Format_Grayscale8, QImage::Format_RGBA8888, QImage::Format_RGB30,
};
const int sides[] = {0, 1, 2, 30, 48, 49, 50, 51, 64};

QImage makeTile(Input &in)
{
    const QImage::Format format = formats[in.next() % std::size(formats)];
    const int w = sides[in.next() % std::size(sides)];
    const int h = sides[in.next() % std::size(sides)];
    if (w == 0 || h == 0)
        return QImage();  // a zero-byte tile file
    QImage tile(w, h, format);
    CHECK(!tile.isNull());
    for (int y = 0; y < h; ++y)
        in.fill(tile.scanLine(y), tile.bytesPerLine());
    // Every index must name a colour: 256 entries, or 2 for Mono.
    if (format == QImage::Format_Indexed8 || format == QImage::Format_Mono) {
        QVector<QRgb> table(format == QImage::Format_Mono ? 2 : 256);
        for (QRgb &colour : table) {
            uchar rgb[3];
            in.fill(rgb, 3);
            colour = qRgb(rgb[0], rgb[1], rgb[2]);
        }
        tile.setColorTable(table);
    }
    return tile;
}

// What the picture should show for a tile's pixel (x, y): the pixel itself
// for opaque tiles; tiles with alpha are taken as Qt makes them opaque.
QRgb tilePixel(const QImage &tile, const QImage &opaque, int x, int y)
{
    return tile.hasAlphaChannel() ? opaque.pixel(x, y) : tile.pixel(x, y);
}

bool white(QRgb pixel) { return (pixel & 0xffffff) == 0xffffff; }
bool sameRgb(QRgb a, QRgb b) { return (a & 0xffffff) == (b & 0xffffff); }

void checkCell(const QImage &picture, const QImage &tile, int c, int r)
{
    const QImage opaque = tile.hasAlphaChannel() ? tile.convertToFormat(QImage::Format_RGB32) : tile;
    for (int y = 0; y < tileSide; ++y) {
        for (int x = 0; x < tileSide; ++x) {
            const QRgb got = picture.pixel(pitch * c + 1 + x, pitch * r + 1 + y);
            // A tile smaller than 49 x 49 covers what it has; the rest is white.
            if (x + 1 < tile.width() && y + 1 < tile.height())
                CHECK(sameRgb(got, tilePixel(tile, opaque, x + 1, y + 1)));
            else
                CHECK(white(got));
        }
    }
}

void checkComposition(const QImage &picture, const QVector<QImage> &tiles, int w, int h)
{
    CHECK(picture.width() == pitch * w + 1 && picture.height() == pitch * h + 1);
    for (int k = 0; k <= w; ++k)
        for (int y = 0; y < picture.height(); ++y)
            CHECK(white(picture.pixel(pitch * k, y)));
    for (int k = 0; k <= h; ++k)
        for (int x = 0; x < picture.width(); ++x)
            CHECK(white(picture.pixel(x, pitch * k)));
    for (int c = 0; c < w; ++c)
        for (int r = 0; r < h; ++r)
            checkCell(picture, tiles[c * h + r], c, r);
}

quint32 le(const QByteArray &b, int pos, int bytes)
{
    quint32 v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | uchar(b[pos + i]);
    return v;
}

quint32 be16(const QByteArray &b, qsizetype pos) { return uchar(b[pos]) << 8 | uchar(b[pos + 1]); }

// SOI, APP0 "JFIF", a baseline frame of the picture's size with three
// components, EOI at the end.
void checkJpeg(const QByteArray &jpeg, const QImage &picture)
{
    CHECK(jpeg.size() > 20);
    CHECK(jpeg.startsWith("\xFF\xD8\xFF\xE0") && jpeg.mid(6, 5) == QByteArray("JFIF\0", 5));
    CHECK(jpeg.endsWith("\xFF\xD9"));
    qsizetype pos = 2;
    bool frame = false;
    while (pos + 4 <= jpeg.size() && uchar(jpeg[pos]) == 0xFF) {
        const uchar marker = uchar(jpeg[pos + 1]);
        if (marker == 0xDA)
            break;
        CHECK(marker != 0xC1 && marker != 0xC2);  // baseline only
        if (marker == 0xC0) {
            CHECK(pos + 10 <= jpeg.size());
            CHECK(int(be16(jpeg, pos + 5)) == picture.height());
            CHECK(int(be16(jpeg, pos + 7)) == picture.width());
            CHECK(uchar(jpeg[pos + 9]) == 3);
            frame = true;
        }
        pos += 2 + be16(jpeg, pos + 2);
    }
    CHECK(frame);
}

void checkBmpHeader(const QByteArray &bmp, const QImage &picture, int depth)
{
    const qint64 rowLength = ((qint64(picture.width()) * depth + 31) / 32) * 4;
    CHECK(bmp.size() == 54 + rowLength * picture.height());
    CHECK(bmp.startsWith("BM"));
    CHECK(le(bmp, 2, 4) == quint32(bmp.size()));
    CHECK(le(bmp, 10, 4) == 54 && le(bmp, 14, 4) == 40);
    CHECK(le(bmp, 18, 4) == quint32(picture.width()));
    CHECK(le(bmp, 22, 4) == quint32(picture.height()));
    CHECK(le(bmp, 26, 2) == 1 && le(bmp, 28, 2) == quint32(depth));
    CHECK(le(bmp, 30, 4) == 0);
    CHECK(le(bmp, 34, 4) == quint32(rowLength * picture.height()));
}

int fiveBits(QRgb p) { return (qRed(p) >> 3) << 10 | (qGreen(p) >> 3) << 5 | (qBlue(p) >> 3); }

void checkBmpRoundTrip(const QByteArray &bmp, const QImage &picture, int depth)
{
    const QImage back = BmpReader::decode(bmp);
    CHECK(back.size() == picture.size());
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb a = picture.pixel(x, y), b = back.pixel(x, y);
            CHECK(depth == 16 ? fiveBits(a) == fiveBits(b) : sameRgb(a, b));
        }
    }
}

// Mostly one cell a side: reading the BMP back dominates the cost of a run,
// and 50 and 99 pixels already leave the JPEG writer partial blocks.
const int sizeChoice[] = {1, 1, 1, 2};
const int depths[] = {16, 24, 32, 16, 24, 32, 8, 1};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Input in(data, size);
    const uint8_t first = in.next();
    const int w = sizeChoice[first & 3];
    const int h = sizeChoice[(first >> 2) & 3];
    const int asked = depths[(first >> 4) & 7];
    const int depth = (asked == 16 || asked == 32) ? asked : 24;

    QVector<QImage> tiles;
    for (int i = 0; i < w * h; ++i)
        tiles.append(makeTile(in));
    // Every cell its own code, so that every cell has its own tile.
    TrackGrid grid;
    TileStore store;
    for (int i = 0; i < w * h; ++i) {
        const QByteArray code = QByteArray::number(i);
        grid.setCode(TrackGrid::index(i / h, i % h), code);
        store.insert(code, tiles[i]);
    }
    grid.setSize(w, h);

    Progress quiet;
    const QImage picture = PictureComposer::compose(grid, store, quiet);
    checkComposition(picture, tiles, w, h);
    checkJpeg(JpegWriter::encode(picture), picture);
    const QByteArray bmp = BmpWriter::encode(picture, asked);
    checkBmpHeader(bmp, picture, depth);
    checkBmpRoundTrip(bmp, picture, depth);
    return 0;
}
