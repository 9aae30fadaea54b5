// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QImage>

class Progress;
class TileSource;

// Pictures read for codes, by code: what one read of a track found.
using TilePictures = QHash<QByteArray, QImage>;

// Every piece picture the program shows or exports, one per code: the
// catalogue's tiles loaded at start-up, and whatever reading a track found
// since. The palette, the track view and the exports all draw from it; the
// track itself holds codes only.
//
// A plain value: copies share the pictures, so a worker can take a copy of
// the start-up store and add its own track's pictures without touching the
// one it came from.
class TileStore
{
public:
    // Until the catalogue is loaded the default piece has the blank picture.
    TileStore();

    // Loads every catalogue code's tile in palette order: page by page, and
    // on each page control by control, reporting "Loading Tiles - page-control"
    // after pumping. The grid buttons of "Utilities" count as controls but
    // load nothing. A failure stops at that code and is thrown; the codes
    // loaded before it keep their new pictures.
    void loadCatalogue(const TileSource &source, Progress &progress);
    // Loads the default piece's tile alone: all that a program without a
    // palette needs before it reads tracks. Throws KwError.
    void loadDefault(const TileSource &source);

    bool contains(const QByteArray &code) const { return m_pictures.contains(code); }
    // The picture of a code; a null picture for a code never loaded (and for
    // a tile file of zero bytes).
    QImage picture(const QByteArray &code) const { return m_pictures.value(code); }
    QImage defaultPicture() const;

    // Takes a freshly read picture for a code. A picture identical to the
    // one held is dropped and the held one kept, so that what draws from
    // the store sees no change and repaints nothing.
    void insert(const QByteArray &code, const QImage &picture);
    void insert(const TilePictures &pictures);

private:
    QHash<QByteArray, QImage> m_pictures;
};
