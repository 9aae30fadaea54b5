// SPDX-License-Identifier: GPL-3.0-or-later
#include "pieces/cachedtiles.h"

CachedTiles::CachedTiles(const TileSource &source)
    : m_source(source)
{
}

QImage CachedTiles::load(const QByteArray &code) const
{
    const auto loaded = m_loaded.constFind(code);
    if (loaded != m_loaded.constEnd())
        return *loaded;
    const QImage picture = m_source.load(code);
    m_loaded.insert(code, picture);
    return picture;
}
