// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/trackreader.h"

#include "base/kwerror.h"
#include "base/quietprogress.h"
#include "document/trackdocument.h"
#include "document/trackfile.h"
#include "pieces/cachedtiles.h"

#include <new>

namespace {

// A source of no pictures: reading a track through it checks the file and
// lays out its codes, and asks no tile folder about them.
class NoPictures final : public TileSource
{
public:
    QImage load(const QByteArray &) const override { return QImage(); }
};

} // namespace

QCommandLineOption TrackReader::tilesOption()
{
    return QCommandLineOption(QStringLiteral("tiles"), QString(), QStringLiteral("DIR"));
}

TrackReader::TrackReader(const QString &tilesFolder)
    : m_tiles(tilesFolder.isEmpty() ? TileFolder::besideExecutable() : tilesFolder)
{
}

void TrackReader::loadDefault()
{
    m_store.loadDefault(m_tiles);
}

TrackReader::Track TrackReader::read(const QString &path) const
{
    return readFrom(path, m_tiles);
}

TrackReader::Track TrackReader::readQuickly(const QString &path) const
{
    return readFrom(path, CachedTiles(m_tiles));
}

TrackReader::Track TrackReader::readFrom(const QString &path, const TileSource &source) const
{
    try {
        // The pictures go into a copy of the store, so no track depends on
        // the ones read before it.
        TrackDocument document;
        Track track{TrackGrid(), m_store};
        QuietProgress silent;
        document.open(path, source, track.tiles, silent);
        track.grid = document.grid();
        return track;
    } catch (const std::bad_alloc &) {
        throw KwError::outOfResources();
    }
}

TrackGrid TrackReader::readCodes(const QString &path)
{
    try {
        LineBuffer memo;
        memo.setFileBytes(TrackFile::readBytes(path));
        QuietProgress silent;
        return TrackFile::read(memo, TrackGrid(), NoPictures(), silent).grid;
    } catch (const std::bad_alloc &) {
        throw KwError::outOfResources();
    }
}

QString TrackReader::failureLine(const QString &track, const KwError &error)
{
    return track + QStringLiteral(": ") + error.shownText();
}
