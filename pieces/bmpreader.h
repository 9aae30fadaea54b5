// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Our own reader of BMP files, so that its failures are exactly the ones the
// editor reports. Pictures come back as QImage::Format_RGB32.
class BmpReader
{
public:
    // Decodes a whole file's bytes. Zero bytes give a null (empty) picture.
    // Throws KwError: "Stream read error", "Bitmap image is not valid",
    // "Out of system resources".
    static QImage decode(const QByteArray &bytes);

    // Opens a regular file, reads it whole and decodes it. A path that is
    // missing, unreadable or not a regular file throws "Cannot open file <path>".
    static QImage readFile(const QString &path);
    // The whole file's bytes, read as readFile() reads them but undecoded,
    // for a path given as the file system spells it, byte for byte;
    // messages name shownPath.
    static QByteArray readBytes(const QByteArray &nativePath, const QString &shownPath);
};
