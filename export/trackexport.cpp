// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/trackexport.h"

#include "base/progress.h"
#include "base/safefile.h"
#include "base/shownbytes.h"
#include "document/partslist.h"
#include "export/pictureexport.h"
#include "export/planpdf.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

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

struct Suffix
{
    const char *name;
    TrackExport::Format format;
};

const Suffix suffixes[] = {
    {"jpg", TrackExport::Format::Jpeg}, {"jpeg", TrackExport::Format::Jpeg},
    {"bmp", TrackExport::Format::Bmp},  {"png", TrackExport::Format::Png},
    {"pdf", TrackExport::Format::Pdf},  {"csv", TrackExport::Format::Csv},
};

} // namespace

bool TrackExport::formatOfName(const QString &fileName, Format &format)
{
    return formatOfSuffix(QFileInfo(fileName).suffix(), format);
}

bool TrackExport::formatOfSuffix(const QString &suffix, Format &format)
{
    for (const Suffix &known : suffixes) {
        if (suffix.compare(QLatin1String(known.name), Qt::CaseInsensitive) == 0) {
            format = known.format;
            return true;
        }
    }
    return false;
}

QString TrackExport::acceptedExtensions()
{
    QStringList names;
    for (const Suffix &known : suffixes)
        names.append(QLatin1Char('.') + QLatin1String(known.name));
    const QString last = names.takeLast();
    return names.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last;
}

bool TrackExport::namesTrackFile(const QString &path, const QString &trackFile)
{
    if (trackFile.isEmpty())
        return false;
    // Links and "./" name one file by many names; the canonical name of a
    // file that exists sees through them.
    const QString canonical = QFileInfo(path).canonicalFilePath();
    if (!canonical.isEmpty() && canonical == QFileInfo(trackFile).canonicalFilePath())
        return true;
    // On a case-blind disk "OVAL.PNG" is the track "oval.png", as the
    // names beside the track are judged.
    return QFileInfo(path).absoluteFilePath().compare(QFileInfo(trackFile).absoluteFilePath(),
                                                      Qt::CaseInsensitive) == 0;
}

QString TrackExport::trackFileMessage(const QString &path)
{
    return QCoreApplication::translate("TrackExport", "%1 is the track file itself: an export never replaces it.")
        .arg(ShownBytes::fileName(QFileInfo(path).fileName()));
}

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
                        const QString &path, Format format, int bmpDepth, Progress &progress,
                        const Inventory *inventory, const LapSetup &lap)
{
    switch (format) {
    case Format::Pdf:
        // As with pictures, an output that cannot be created costs no work.
        SafeFile::write(path, [&] {
            return PlanPdf::render(grid, tiles, ShownBytes::fileName(QFileInfo(trackFile).fileName()), progress,
                                   inventory, lap);
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
