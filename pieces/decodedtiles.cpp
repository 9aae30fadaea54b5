// SPDX-License-Identifier: GPL-3.0-or-later
#include "pieces/decodedtiles.h"

#include "pieces/bmpreader.h"

QImage DecodedTiles::decode(const QByteArray &code, const QByteArray &bytes)
{
    const auto last = m_lastByCode.constFind(code);
    if (last != m_lastByCode.constEnd() && last->bytes == bytes)
        return last->picture;
    // Decoding is the same for the same bytes: only a failure, which keeps
    // nothing, could differ from what is kept.
    const QImage picture = BmpReader::decode(bytes);
    m_lastByCode.insert(code, Decoded{bytes, picture});
    return picture;
}
