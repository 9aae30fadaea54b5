// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pieces/tilesource.h"

#include <QHash>

// A source that loads each code's picture from another source once and
// hands every later request for that code the same picture. For a quick
// look at a track (a file manager's thumbnail): a 30 x 30 track names its
// few dozen codes 900 times, and a tile file that changes while the track is
// read does not matter there. A failed load is not kept: it throws again.
class CachedTiles final : public TileSource
{
public:
    explicit CachedTiles(const TileSource &source);

    QImage load(const QByteArray &code) const override;

private:
    const TileSource &m_source;
    mutable QHash<QByteArray, QImage> m_loaded;
};
