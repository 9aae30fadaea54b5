// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pieces/bmpreader.h"

#include <QByteArray>
#include <QDir>
#include <QHash>
#include <QImage>

// The generated artwork as the tests compare it: a piece's 48 x 48 cell,
// inside its tile's one-pixel frame, read once per test program. A copy,
// which costs nothing (QImage shares its pixels), and stays valid as more
// pictures are read.
namespace TileCells {

inline QImage of(const QByteArray &code)
{
    static QHash<QByteArray, QImage> cache;
    auto it = cache.find(code);
    if (it == cache.end()) {
        const QImage tile = BmpReader::readFile(QDir(QStringLiteral(KW_TILES_DIR)).filePath(QString::fromLatin1(code) + ".bmp"));
        it = cache.insert(code, tile.copy(1, 1, 48, 48).convertToFormat(QImage::Format_RGB32));
    }
    return *it;
}

} // namespace TileCells
