#include "export/trackexport.h"

#include "base/progress.h"
#include "base/safefile.h"
#include "document/partslist.h"
#include "export/pictureexport.h"
#include "export/planpdf.h"

#include <QFileInfo>

namespace {

PictureExport::Format pictureFormat(TrackExport::Format format)
{
    switch (format) {
    case TrackExport::Format::Bmp:
        return PictureExport::Format::Bmp;
    case TrackExport::Format::Png:
        return PictureExport::Format::Png;
    default:
        return PictureExport::Format::Jpeg;
    }
}

} // namespace

QString TrackExport::extension(Format format)
{
    switch (format) {
    case Format::Pdf:
        return QStringLiteral(".pdf");
    case Format::Csv:
        return QStringLiteral(".csv");
    default:
        return PictureExport::extension(pictureFormat(format));
    }
}

void TrackExport::write(const TrackGrid &grid, const TileStore &tiles, const QString &trackFile,
                        const QString &path, Format format, int bmpDepth, Progress &progress)
{
    switch (format) {
    case Format::Pdf:
        // As with pictures, an output that cannot be created costs no work.
        SafeFile::write(path, [&] {
            return PlanPdf::render(grid, tiles, QFileInfo(trackFile).fileName(), progress);
        });
        progress.clear();
        break;
    case Format::Csv:
        SafeFile::write(path, PartsList(grid).csv());
        break;
    default:
        PictureExport::write(grid, tiles, path, pictureFormat(format), bmpDepth, progress);
        break;
    }
}
