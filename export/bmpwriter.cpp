// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/bmpwriter.h"

#include "base/kwerror.h"

#include <QtEndian>

namespace {

void put16(char *p, quint16 v) { qToLittleEndian(v, p); }
void put32(char *p, quint32 v) { qToLittleEndian(v, p); }

void writePixel(char *out, QRgb rgb, int bitsPerPixel)
{
    const int r = qRed(rgb), g = qGreen(rgb), b = qBlue(rgb);
    if (bitsPerPixel == 16) {
        put16(out, quint16(((r >> 3) << 10) | ((g >> 3) << 5) | (b >> 3)));
        return;
    }
    out[0] = char(b);
    out[1] = char(g);
    out[2] = char(r);
    if (bitsPerPixel == 32)
        out[3] = 0;
}

} // namespace

QByteArray BmpWriter::encode(const QImage &picture, int bitsPerPixel)
{
    if (bitsPerPixel != 16 && bitsPerPixel != 32)
        bitsPerPixel = 24;
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    if (image.isNull() && !picture.isNull())
        throw KwError::outOfResources();
    const qint64 width = image.width(), height = image.height();
    const qint64 rowLength = ((width * bitsPerPixel + 31) / 32) * 4;
    const qint64 dataSize = rowLength * height;
    const qint64 headerSize = 14 + 40;
    if (headerSize + dataSize > 0x7fffffff)
        throw KwError::outOfResources();

    QByteArray bytes(int(headerSize + dataSize), '\0');
    char *h = bytes.data();
    h[0] = 'B';
    h[1] = 'M';
    put32(h + 2, quint32(headerSize + dataSize));
    put32(h + 10, quint32(headerSize));
    put32(h + 14, 40);
    put32(h + 18, quint32(width));
    put32(h + 22, quint32(height));  // positive: bottom row first
    put16(h + 26, 1);
    put16(h + 28, quint16(bitsPerPixel));
    put32(h + 34, quint32(dataSize));

    const int bytesPerPixel = bitsPerPixel / 8;
    for (qint64 y = 0; y < height; ++y) {
        const QRgb *src = reinterpret_cast<const QRgb *>(image.constScanLine(int(height - 1 - y)));
        char *row = h + headerSize + y * rowLength;
        for (qint64 x = 0; x < width; ++x)
            writePixel(row + x * bytesPerPixel, src[x], bitsPerPixel);
    }
    return bytes;
}
