// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

class Progress;
class TileStore;
class TrackGrid;

// Exporting the track as one picture beside its track file.
class PictureExport
{
public:
    enum class Format { Jpeg, Bmp, Png };

    // The track file's name less the last four characters of its file-name
    // part, plus the extension (".jpg"): the picture stays in the track's
    // folder. Where that would name the track file itself or leave nothing
    // before the extension, the whole file name takes the extension instead
    // ("self.bmp" -> "self.bmp.bmp", "oval" -> "oval.jpg").
    static QString outputName(const QString &trackFileName, const QString &extension);

    static QString extension(Format format);

    // Composes the grid's picture and writes it to path, replacing an
    // earlier file only when the new one is complete. bmpDepth is 16, 24 or 32.
    static void write(const TrackGrid &grid, const TileStore &tiles, const QString &path,
                      Format format, int bmpDepth, Progress &progress);

    // A file manager's thumbnail: the grid's picture scaled to fit size x
    // size pixels, its aspect kept, written as PNG to path in the same safe
    // way. size runs from 1 to largestThumbnail.
    static constexpr int largestThumbnail = 4096;
    static QImage thumbnail(const TrackGrid &grid, const TileStore &tiles, int size);
    static void writeThumbnail(const TrackGrid &grid, const TileStore &tiles, const QString &path,
                               int size);
};
