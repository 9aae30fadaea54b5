// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QString>
#include <QVector>

// Test fixtures: BMP files and tile folders made in the test code itself.
namespace BmpBuilder {

// A 24-bit uncompressed BMP of the picture.
QByteArray bmp24(const QImage &picture);

// A w x h picture filled with one colour, as RGB32.
QImage solid(QColor colour, int w = 50, int h = 50);

// A tile picture that differs for every seed: a frame and a seeded fill, so
// tests can tell tiles apart pixel by pixel.
QImage patterned(int seed, int w = 50, int h = 50);

// Writes <folder>/<code>.bmp for each code, each with its own pattern
// (seed = position in the list). Returns false when a file cannot be written.
bool writeTileFolder(const QString &folder, const QVector<QByteArray> &codes);

// Writes bytes to a file, replacing it. Returns false when that fails.
bool writeFile(const QString &path, const QByteArray &bytes);

// Header sizes a BMP file can carry.
enum HeaderKind { Core = 12, Info = 40, V2 = 52, V3 = 56, V4 = 108, V5 = 124 };

// Compression codes of the information header.
enum Compression : quint32 { Rgb = 0, Rle8 = 1, Rle4 = 2, BitFields = 3 };

// Every field of a BMP file, so a test can write any variant, sound or not.
// The pixel bytes are written as given (see packRows for uncompressed rows).
struct Layout
{
    int headerSize = Info;  // any number; 12 writes the core header
    qint32 width = 1;
    qint32 height = 1;      // negative: top row first
    quint16 planes = 1;
    quint16 bitsPerPixel = 24;
    quint32 compression = Rgb;
    quint32 coloursUsed = 0;          // 0: the field is written as 0
    QVector<QRgb> palette;            // 4 bytes an entry, 3 with the core header
    QVector<quint32> masks;           // red, green, blue (, alpha): after a 40-byte
                                      // header, inside the header from 52 bytes on
    qint64 dataOffset = -1;           // -1: right after the palette
    QByteArray pixels;
};

// The bytes of the file that the layout describes.
QByteArray file(const Layout &layout);

// Uncompressed rows, each padded to 4 bytes, in the order given. Each value
// is a palette index (1, 4, 8 bits, leftmost pixel in the high bits) or a
// pixel value stored little-endian in bitsPerPixel / 8 bytes.
QByteArray packRows(const QVector<QVector<quint32>> &rows, int bitsPerPixel);

// Rows in file order: bottom row first unless topDown.
QVector<QVector<quint32>> fileOrder(const QVector<QVector<quint32>> &topFirst, bool topDown);

// A picture made of palette entries; an index past the palette gives black.
QImage fromIndices(const QVector<QVector<quint32>> &topFirst, const QVector<QRgb> &palette);

// n distinct colours for a palette, alike for every call.
QVector<QRgb> palette(int n);

// An indexed picture as a BMP file with the given header kind (Core or
// Info and up), 1, 4 or 8 bits, uncompressed.
QByteArray indexedFile(const QVector<QVector<quint32>> &topFirst, const QVector<QRgb> &palette,
                       int bitsPerPixel, int headerSize = Info, bool topDown = false);

// A picture as an uncompressed 24 or 32-bit file with the given header kind.
QByteArray directFile(const QImage &picture, int bitsPerPixel, int headerSize = Info,
                      bool topDown = false);

} // namespace BmpBuilder
