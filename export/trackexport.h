#pragma once

#include <QString>

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

    // Writes the grid's export to path, replacing an earlier file only when
    // the new one is complete. trackFile is the track's file name, whose
    // name part heads the plan; bmpDepth is 16, 24 or 32. Throws KwError.
    static void write(const TrackGrid &grid, const TileStore &tiles, const QString &trackFile,
                      const QString &path, Format format, int bmpDepth, Progress &progress);
};
