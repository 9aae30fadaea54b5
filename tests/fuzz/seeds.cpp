// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the seed corpora of the fuzz targets into <folder>/track,
// <folder>/bmp, <folder>/writers, <folder>/recovery and <folder>/inventory: small, sound
// inputs of every kind each target knows, so the fuzzers start from the interesting shapes.

#include "bmpbuilder.h"
#include "document/recoverycopy.h"

#include <QDir>
#include <QFile>
#include <QVector>

#include <cstdio>

namespace {

using namespace BmpBuilder;

bool g_ok = true;

void put(const QString &folder, const QString &name, const QByteArray &bytes)
{
    if (!QDir().mkpath(folder) || !writeFile(folder + QLatin1Char('/') + name, bytes)) {
        std::fprintf(stderr, "fuzz_seeds: cannot write %s/%s\n", qPrintable(folder), qPrintable(name));
        g_ok = false;
    }
}

void trackSeeds(const QString &folder)
{
    const QByteArray row15 = QByteArray("07") + QByteArray(",07").repeated(14);
    const QByteArray row30 = QByteArray("07") + QByteArray(",07").repeated(29);
    put(folder, "example", "00,01,07\r\nA3,07,02\r\n");
    put(folder, "lf", "00,01,07\nA3,07,02\n");
    put(folder, "cr", "00,01,07\rA3,07,02\r");
    put(folder, "lfcr", "00\n\r01\n");
    put(folder, "trailing-comma", "00,01,07,\r\n");
    put(folder, "empty-code", "00,,07\r\n");
    put(folder, "empty-middle-line", "00,01\r\n\r\n02,03\r\n");
    put(folder, "uneven", "00,00,00,00,00\r\n01,01,01,01,01\r\n02,02,02\r\n");
    put(folder, "bom", "\xEF\xBB\xBF" "00,01\r\n");
    put(folder, "nul", QByteArray("00,01\r\n02\0" "03\r\n", 12));
    put(folder, "failing-tiles", "00,X1\r\nY2,Z3\r\n");
    put(folder, "changing-tiles", "0V,0V,0V,07\r\n0V,07,0V\r\n");
    put(folder, "spaces", " 07, 07 ,\t07\r\n");
    put(folder, "default", (row15 + "\r\n").repeated(7));
    put(folder, "full", (row30 + "\r\n").repeated(30));
    put(folder, "31-rows", QByteArray("07\r\n").repeated(31));
    put(folder, "31-codes", row30 + ",07\r\n");
    put(folder, "long-line", QByteArray(4100, 'a') + "\r\n07\r\n");
}

QVector<QVector<quint32>> indices(int w, int h, int colours)
{
    QVector<QVector<quint32>> rows(h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            rows[y].append(quint32((x * 3 + y) % colours));
    return rows;
}

Layout rle(quint32 compression, const QByteArray &pixels, int bits)
{
    Layout l;
    l.width = 5;
    l.height = 3;
    l.bitsPerPixel = quint16(bits);
    l.compression = compression;
    l.palette = palette(1 << bits);
    l.pixels = pixels;
    return l;
}

Layout bitFields(int bits, QVector<quint32> masks, int headerSize)
{
    Layout l;
    l.headerSize = headerSize;
    l.width = 3;
    l.height = 2;
    l.bitsPerPixel = quint16(bits);
    l.compression = BitFields;
    l.masks = masks;
    QVector<QVector<quint32>> rows{{0x1234, 0xffff, 0}, {0x8001, 0x7c00, 0x03e0}};
    if (bits == 32)
        rows = {{0x11223344, 0xffffffff, 0}, {0x80000001, 0x00ff0000, 0x0000ff00}};
    l.pixels = packRows(rows, bits);
    return l;
}

void bmpSeeds(const QString &folder)
{
    const QImage picture = patterned(3, 4, 3);
    put(folder, "empty", QByteArray());
    put(folder, "short", QByteArray("BM\0\0\0\0\0\0\0\0", 10));
    put(folder, "rgb24", directFile(picture, 24));
    put(folder, "rgb24-topdown", directFile(picture, 24, Info, true));
    put(folder, "rgb32-v5", directFile(picture, 32, V5));
    put(folder, "rgb24-core", directFile(picture, 24, Core));
    Layout rgb16;
    rgb16.width = 3;
    rgb16.bitsPerPixel = 16;
    rgb16.pixels = packRows({{0x7fff, 0x1234, 0}}, 16);
    put(folder, "rgb16", file(rgb16));
    for (int bits : {1, 4, 8}) {
        const QVector<QRgb> colours = palette(1 << bits);
        put(folder, QStringLiteral("indexed%1").arg(bits),
            indexedFile(indices(5, 3, 1 << bits), colours, bits));
        put(folder, QStringLiteral("indexed%1-core").arg(bits),
            indexedFile(indices(5, 3, 1 << bits), colours, bits, Core, false));
    }
    put(folder, "indexed8-short-palette", indexedFile(indices(5, 3, 7), palette(7), 8));
    // Runs, an absolute block, end of line, a delta jump and end of picture.
    put(folder, "rle8", file(rle(Rle8, QByteArray("\x03\x01\x00\x03\x02\x03\x04\x00\x00\x00"
                                                  "\x05\x07\x00\x00\x00\x02\x01\x01\x02\x09\x00\x01", 22), 8)));
    put(folder, "rle4", file(rle(Rle4, QByteArray("\x05\x12\x00\x00\x00\x03\x34\x50\x00\x00"
                                                  "\x00\x02\x01\x00\x04\xab\x00\x01", 18), 4)));
    put(folder, "bitfields16-565", file(bitFields(16, {0xf800, 0x07e0, 0x001f}, Info)));
    put(folder, "bitfields16-v3", file(bitFields(16, {0x7c00, 0x03e0, 0x001f, 0x8000}, V3)));
    put(folder, "bitfields32-v4", file(bitFields(32, {0x00ff0000, 0x0000ff00, 0x000000ff, 0xff000000}, V4)));
    Layout gap;
    gap.width = 2;
    gap.height = 2;
    gap.dataOffset = 80;
    gap.pixels = packRows({{0x0000ff, 0x00ff00}, {0xff0000, 0xffffff}}, 24);
    put(folder, "data-offset-gap", file(gap));
}

void writerSeeds(const QString &folder)
{
    // Byte 0: width, height and depth; three bytes a cell; pixel bytes.
    put(folder, "1x1-rgb32-50", QByteArray("\x00\x00\x06\x06" "\x10\x80\xff\x01", 8));
    put(folder, "2x2-mixed", QByteArray("\x1a\x00\x06\x06\x03\x05\x05\x07\x04\x07\x08\x06\x06"
                                        "\x55\xaa\x00\xff\x13", 18));
    put(folder, "3x1-small-tiles", QByteArray("\x23\x05\x02\x03\x08\x00\x07\x0b\x08\x08\x42\x24", 12));
    put(folder, "1x3-null-and-alpha", QByteArray("\x0c\x00\x00\x00\x01\x07\x07\x02\x06\x06\x80\x7f", 12));
}

void recoverySeeds(const QString &folder)
{
    RecoveryCopy copy;
    copy.time = QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5, 6), Qt::UTC);
    put(folder, "new-track", copy.toBytes());
    copy.grid.setSize(4, 3);
    copy.grid.showBlock();
    copy.grid.setCode(TrackGrid::index(1, 1), "3A");
    copy.grid.setCode(TrackGrid::index(25, 25), " 07");
    copy.fileName = QStringLiteral("/tracks/hall 2.kwf");
    put(folder, "named-with-hidden-piece", copy.toBytes());
}

void inventorySeeds(const QString &folder)
{
    put(folder, "code-count", "04,5\n07,2\n");
    put(folder, "header", "code,count\n00,4\n01,4\n");
    put(folder, "parts-list", "code,page,count,name\n04,Normal,12,\"Straight, west\xE2\x80\x93" "east\"\n");
    put(folder, "spreadsheet", "\xEF\xBB\xBF" "code;page;count;name\r\n04;Normal;3;Straight\r\n\r\n");
    put(folder, "tabs-quotes", "\"code\"\t\"count\"\n\"A4\"\t\"10\"\n");
    put(folder, "refused", "04,5\n04,many\n");
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seeds FOLDER\n");
        return 2;
    }
    const QString root = QFile::decodeName(argv[1]);
    trackSeeds(root + QStringLiteral("/track"));
    bmpSeeds(root + QStringLiteral("/bmp"));
    writerSeeds(root + QStringLiteral("/writers"));
    recoverySeeds(root + QStringLiteral("/recovery"));
    inventorySeeds(root + QStringLiteral("/inventory"));
    return g_ok ? 0 : 1;
}
