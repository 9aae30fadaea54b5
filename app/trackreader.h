// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/trackgrid.h"
#include "pieces/tilesource.h"
#include "pieces/tilestore.h"

#include <QCommandLineOption>
#include <QString>

class KwError;

// Reads track files for the command-line programs exactly as the editor
// opens them right after its start-up: a fresh document per track, the
// default piece's tile loaded first, the track's own tiles read with it.
// The messages are the editor's, so a track that the editor refuses is
// refused here in the same words.
class TrackReader
{
public:
    // A track as read: its grid and the store holding its pictures.
    struct Track
    {
        TrackGrid grid;
        TileStore tiles;
    };

    // --tiles DIR, as every command-line program takes it.
    static QCommandLineOption tilesOption();

    // tilesFolder as --tiles gave it; empty means the tiles beside the program.
    explicit TrackReader(const QString &tilesFolder);

    const TileFolder &tiles() const { return m_tiles; }
    // The default piece's tile, which every track needs. Throws KwError.
    void loadDefault();
    // Throws KwError, also for running out of memory. No track read before
    // changes what this one gives.
    Track read(const QString &path) const;
    // The same read for a quick look (a thumbnail): each code's tile file
    // is read once, however many cells name it. Throws KwError.
    Track readQuickly(const QString &path) const;

    // The codes of a track file without any picture: the grid as the editor
    // would read it, whether or not each code has a tile. Throws KwError
    // for a file that cannot be read or is too large.
    static TrackGrid readCodes(const QString &path);

    // "TRACK: MESSAGE", the line a program writes for a track it cannot read.
    static QString failureLine(const QString &track, const KwError &error);

private:
    Track readFrom(const QString &path, const TileSource &source) const;

    TileFolder m_tiles;
    TileStore m_store;
};
