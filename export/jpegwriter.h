// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>

// Compresses a picture with the system libjpeg into a baseline JFIF file at
// quality 65, entirely in memory.
class JpegWriter
{
public:
    // Throws "JPEG error #<code>" for any fatal libjpeg error, after the
    // compressor was destroyed.
    static QByteArray encode(const QImage &picture);
};
