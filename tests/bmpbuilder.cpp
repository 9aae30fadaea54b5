// SPDX-License-Identifier: GPL-3.0-or-later
#include "bmpbuilder.h"

#include "export/bmpwriter.h"

#include <QDir>
#include <QFile>
#include <QtEndian>

#include <algorithm>

namespace BmpBuilder {

QByteArray bmp24(const QImage &picture)
{
    return BmpWriter::encode(picture, 24);
}

QImage solid(QColor colour, int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QImage patterned(int seed, int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb((seed * 37 + x * 3) & 0xff, (seed * 91 + y * 5) & 0xff,
                                      (seed * 13 + x + y) & 0xff));
    return image;
}

bool writeTileFolder(const QString &folder, const QVector<QByteArray> &codes)
{
    if (!QDir().mkpath(folder))
        return false;
    for (int i = 0; i < codes.size(); ++i) {
        QFile file(folder + QLatin1Char('/') + QFile::decodeName(codes[i]) + QStringLiteral(".bmp"));
        if (!file.open(QIODevice::WriteOnly) || file.write(bmp24(patterned(i))) < 0)
            return false;
    }
    return true;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        && file.write(bytes) == bytes.size() && file.flush();
}

namespace {

void put16(QByteArray &out, quint32 v)
{
    char b[2];
    qToLittleEndian(quint16(v), b);
    out.append(b, 2);
}

void put32(QByteArray &out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

QByteArray coreHeader(const Layout &l)
{
    QByteArray h;
    put32(h, 12);
    put16(h, quint32(l.width));
    put16(h, quint32(l.height));
    put16(h, l.planes);
    put16(h, l.bitsPerPixel);
    return h;
}

// The 40 bytes of the information header, then the masks when they belong to
// the header, then zeros up to the header size (shorter sizes cut it off).
QByteArray infoHeader(const Layout &l)
{
    QByteArray h;
    put32(h, quint32(l.headerSize));
    put32(h, quint32(l.width));
    put32(h, quint32(l.height));
    put16(h, l.planes);
    put16(h, l.bitsPerPixel);
    put32(h, l.compression);
    put32(h, quint32(l.pixels.size()));
    put32(h, 2835);  // 72 dpi
    put32(h, 2835);
    put32(h, l.coloursUsed);
    put32(h, 0);
    if (l.headerSize >= V2)
        for (quint32 mask : l.masks)
            put32(h, mask);
    h.resize(qMax(l.headerSize, 4), '\0');
    return h;
}

QByteArray headers(const Layout &l)
{
    QByteArray out = l.headerSize == Core ? coreHeader(l) : infoHeader(l);
    if (l.headerSize != Core && l.headerSize < V2)
        for (quint32 mask : l.masks)
            put32(out, mask);
    for (QRgb colour : l.palette) {
        out.append(char(qBlue(colour)));
        out.append(char(qGreen(colour)));
        out.append(char(qRed(colour)));
        if (l.headerSize != Core)
            out.append('\0');
    }
    return out;
}

void putValue(QByteArray &row, quint32 value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        row.append(char((value >> (8 * i)) & 0xff));
}

QByteArray packRow(const QVector<quint32> &values, int bitsPerPixel)
{
    QByteArray row;
    if (bitsPerPixel >= 8) {
        for (quint32 v : values)
            putValue(row, v, bitsPerPixel / 8);
    } else {
        const int perByte = 8 / bitsPerPixel;
        row.fill('\0', (values.size() + perByte - 1) / perByte);
        for (int x = 0; x < values.size(); ++x) {
            const int shift = 8 - bitsPerPixel * (x % perByte + 1);
            row[x / perByte] = char(uchar(row[x / perByte]) | (values[x] << shift));
        }
    }
    while (row.size() % 4)
        row.append('\0');
    return row;
}

} // namespace

QByteArray file(const Layout &layout)
{
    const QByteArray head = headers(layout);
    const qint64 natural = 14 + head.size();
    const qint64 offset = layout.dataOffset < 0 ? natural : layout.dataOffset;
    QByteArray out("BM");
    put32(out, quint32(qMax(offset, natural) + layout.pixels.size()));
    put32(out, 0);
    put32(out, quint32(offset));
    out += head;
    if (offset > natural)
        out.append(QByteArray(int(offset - natural), char(0xee)));  // a gap a reader must skip
    out += layout.pixels;
    return out;
}

QByteArray packRows(const QVector<QVector<quint32>> &rows, int bitsPerPixel)
{
    QByteArray out;
    for (const QVector<quint32> &row : rows)
        out += packRow(row, bitsPerPixel);
    return out;
}

QVector<QVector<quint32>> fileOrder(const QVector<QVector<quint32>> &topFirst, bool topDown)
{
    QVector<QVector<quint32>> rows = topFirst;
    if (!topDown)
        std::reverse(rows.begin(), rows.end());
    return rows;
}

QImage fromIndices(const QVector<QVector<quint32>> &topFirst, const QVector<QRgb> &palette)
{
    const int h = topFirst.size();
    const int w = h ? topFirst[0].size() : 0;
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const quint32 i = topFirst[y][x];
            image.setPixel(x, y, i < quint32(palette.size()) ? palette[int(i)] : qRgb(0, 0, 0));
        }
    return image;
}

QVector<QRgb> palette(int n)
{
    QVector<QRgb> colours;
    for (int i = 0; i < n; ++i)
        colours.append(qRgb((i * 53 + 17) & 0xff, (i * 29 + 101) & 0xff, (255 - i * 7) & 0xff));
    return colours;
}

QByteArray indexedFile(const QVector<QVector<quint32>> &topFirst, const QVector<QRgb> &palette,
                       int bitsPerPixel, int headerSize, bool topDown)
{
    Layout l;
    l.headerSize = headerSize;
    l.width = topFirst.isEmpty() ? 0 : topFirst[0].size();
    l.height = topDown ? -topFirst.size() : topFirst.size();
    l.bitsPerPixel = quint16(bitsPerPixel);
    l.palette = palette;
    if (headerSize != Core && palette.size() != (1 << bitsPerPixel))
        l.coloursUsed = quint32(palette.size());
    l.pixels = packRows(fileOrder(topFirst, topDown), bitsPerPixel);
    return file(l);
}

QByteArray directFile(const QImage &picture, int bitsPerPixel, int headerSize, bool topDown)
{
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    QVector<QVector<quint32>> rows;
    for (int y = 0; y < image.height(); ++y) {
        QVector<quint32> row;
        for (int x = 0; x < image.width(); ++x)
            row.append(image.pixel(x, y) & 0xffffff);  // BGR in the file's byte order
        rows.append(row);
    }
    Layout l;
    l.headerSize = headerSize;
    l.width = image.width();
    l.height = topDown ? -image.height() : image.height();
    l.bitsPerPixel = quint16(bitsPerPixel);
    l.pixels = packRows(fileOrder(rows, topDown), bitsPerPixel);
    return file(l);
}

} // namespace BmpBuilder
