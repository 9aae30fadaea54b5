// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/lapmodel.h"

#include <QString>

class Inventory;
class Progress;
class TileStore;
class TrackGrid;

// Everything a track is exported as, each file beside the track named by
// PictureExport::outputName: the picture (JPEG, BMP, PNG), the printable plan
// (PDF) and the parts list (CSV). The editor's commands and kerbwright-export
// both write through here, so they write the same bytes.
class TrackExport
{
public:
    enum class Format { Jpeg, Bmp, Png, Pdf, Csv };

    static QString extension(Format format);

    // The format a file name's extension asks for: .jpg or .jpeg, .bmp,
    // .png, .pdf, .csv, in any case. False for any other extension or none.
    static bool formatOfName(const QString &fileName, Format &format);
    // The same for an extension without its dot: "jpg", "PNG".
    static bool formatOfSuffix(const QString &suffix, Format &format);
    // The extensions formatOfName accepts, as a message lists them:
    // ".jpg, .jpeg, .bmp, .png, .pdf or .csv".
    static QString acceptedExtensions();
    // Whether an export to path would replace the track file itself: the
    // same file, or the same name but for case (a case-blind disk).
    static bool namesTrackFile(const QString &path, const QString &trackFile);
    // The message that refuses such an export: "NAME is the track file
    // itself: an export never replaces it."
    static QString trackFileMessage(const QString &path);

    // Writes the grid's export to path, replacing an earlier file only when
    // the new one is complete. trackFile is the track's file name, whose
    // name part heads the plan; bmpDepth is 16, 24 or 32. With an
    // inventory the plan lists what is short; its laps are timed for `lap`.
    // Throws KwError.
    static void write(const TrackGrid &grid, const TileStore &tiles, const QString &trackFile,
                      const QString &path, Format format, int bmpDepth, Progress &progress,
                      const Inventory *inventory = nullptr, const LapSetup &lap = LapSetup());
};
