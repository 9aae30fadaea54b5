// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// Which tracks of a batch must wait for earlier ones, so that exporting them
// side by side leaves the same files as exporting them one after another:
// two tracks whose pictures land on one file (the later one wins); a track
// read from a file that an earlier track's picture replaces, or the other
// way round; and a picture written into the tile folder, which any track
// read after it may take a tile from.
class ExportOrder
{
public:
    // For each track, how many of the first tracks must be done before it
    // starts: 0 when it touches no file that an earlier track writes or
    // reads. pictures[i] is the path track i's picture is written to.
    static QVector<int> waitCounts(const QStringList &tracks, const QStringList &pictures,
                                   const QString &tilesFolder);

    // One spelling for every name of a file: links resolved as the picture's
    // writer resolves them, the folder made canonical, letter case folded
    // (which at worst makes two different files wait for each other).
    static QString fileKey(const QString &path);
    static QString folderKey(const QString &path);
};
