// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QImage>

// The tile pictures that one read of many cells (a track's) has decoded,
// each with the file bytes it came from. A track names a few dozen codes in
// up to 900 cells; every cell's file is still read, but bytes equal to the
// ones last decoded for that code give that same picture instead of a
// second one decoded alike.
class DecodedTiles
{
public:
    // The picture of bytes, read for code. Throws what BmpReader::decode throws.
    QImage decode(const QByteArray &code, const QByteArray &bytes);

private:
    struct Decoded
    {
        QByteArray bytes;
        QImage picture;
    };
    QHash<QByteArray, Decoded> m_lastByCode;
};
