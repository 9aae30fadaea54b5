// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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
};
