// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/exportorder.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <algorithm>

namespace {

// As deep as the picture's writer follows a chain of links.
constexpr int maxLinkDepth = 128;

// The file that writing to path replaces: the end of a chain of links, even
// one that leads to nothing yet.
QFileInfo writtenFile(const QString &path)
{
    QFileInfo file(path);
    QFileInfo end = file;
    int depth = maxLinkDepth;
    while (--depth && end.isSymLink())
        end.setFile(end.symLinkTarget());
    return depth > 0 ? end : file;
}

// The last earlier track that wrote or read each file.
struct Touches
{
    QHash<QString, int> writer;
    QHash<QString, int> reader;

    int lastWriter(const QString &key) const { return writer.value(key, -1); }
    int lastReader(const QString &key) const { return reader.value(key, -1); }
};

} // namespace

QString ExportOrder::folderKey(const QString &path)
{
    const QFileInfo folder(path);
    const QString canonical = folder.canonicalFilePath();
    return (canonical.isEmpty() ? QDir::cleanPath(folder.absoluteFilePath()) : canonical)
        .toCaseFolded();
}

QString ExportOrder::fileKey(const QString &path)
{
    const QFileInfo file = writtenFile(path);
    return folderKey(file.absolutePath()) + QLatin1Char('/') + file.fileName().toCaseFolded();
}

QVector<int> ExportOrder::waitCounts(const QStringList &tracks, const QStringList &pictures,
                                     const QString &tilesFolder)
{
    // Every track reads tiles, so the tile folder counts as one file that
    // all of them read and that a picture written into it changes.
    const QString tiles = folderKey(tilesFolder);
    Touches touches;
    QVector<int> counts;
    counts.reserve(tracks.size());
    for (int i = 0; i < tracks.size(); ++i) {
        const QString read = fileKey(tracks.at(i));
        const QString written = fileKey(pictures.at(i));
        const bool intoTiles = written.left(written.lastIndexOf(QLatin1Char('/'))) == tiles;
        int after = std::max({touches.lastWriter(read), touches.lastWriter(tiles),
                              touches.lastWriter(written), touches.lastReader(written)});
        if (intoTiles)
            after = std::max(after, touches.lastReader(tiles));
        counts.append(after + 1);
        touches.reader.insert(read, i);
        touches.reader.insert(tiles, i);
        touches.writer.insert(written, i);
        if (intoTiles)
            touches.writer.insert(tiles, i);
    }
    return counts;
}
