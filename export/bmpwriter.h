// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>

// Writes an uncompressed BMP file: 14-byte file header, 40-byte information
// header, bottom row first, rows padded to four bytes.
class BmpWriter
{
public:
    // bitsPerPixel is 16 (5-5-5), 24 or 32; anything else is written as 24.
    static QByteArray encode(const QImage &picture, int bitsPerPixel);
};
