// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/pictureexport.h"

#include "base/kwerror.h"
#include "base/progress.h"
#include "base/quietprogress.h"
#include "base/safefile.h"
#include "export/bmpwriter.h"
#include "export/jpegwriter.h"
#include "export/picturecomposer.h"

#include <QBuffer>
#include <QImageWriter>

namespace {

// quality runs from 0, zlib's strongest compression, to 100, none; -1 is
// Qt's default.
QByteArray encodePng(const QImage &picture, int quality = -1)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.setQuality(quality);
    // Encoding into memory only fails when memory runs out.
    if (!writer.write(picture))
        throw KwError::outOfResources();
    return bytes;
}

QByteArray encode(const QImage &picture, PictureExport::Format format, int bmpDepth)
{
    switch (format) {
    case PictureExport::Format::Bmp:
        return BmpWriter::encode(picture, bmpDepth);
    case PictureExport::Format::Png:
        return encodePng(picture);
    case PictureExport::Format::Jpeg:
        break;
    }
    return JpegWriter::encode(picture);
}

} // namespace

QString PictureExport::outputName(const QString &trackFileName, const QString &extension)
{
    // Only the file-name part loses its last four characters: cutting the
    // whole path could climb out of the track's folder ("/x/ab" -> "/.jpg").
    const qsizetype nameStart = trackFileName.lastIndexOf(QLatin1Char('/')) + 1;
    const QString folder = trackFileName.left(nameStart);
    const QString name = trackFileName.mid(nameStart);
    const QString cut = name.left(name.size() - 4) + extension;
    // The cut must neither name the track itself ("self.bmp" exported as
    // BMP) nor leave nothing before the extension ("oval" -> ".jpg", which
    // every such track would share). Names are compared without regard to
    // case: on a case-blind disk "SELF.BMP" and "SELF.bmp" are one file.
    const bool nameless = name.size() <= 4;
    const bool itself = cut.compare(name, Qt::CaseInsensitive) == 0;
    return folder + ((nameless || itself) ? name + extension : cut);
}

QString PictureExport::extension(Format format)
{
    switch (format) {
    case Format::Bmp:
        return QStringLiteral(".bmp");
    case Format::Png:
        return QStringLiteral(".png");
    case Format::Jpeg:
        break;
    }
    return QStringLiteral(".jpg");
}

void PictureExport::write(const TrackGrid &grid, const TileStore &tiles, const QString &path,
                          Format format, int bmpDepth, Progress &progress)
{
    // The output is opened before anything is drawn, so an output that cannot
    // be created costs no work; the earlier picture is replaced only by a
    // complete new one.
    SafeFile::write(path, [&] {
        return encode(PictureComposer::compose(grid, tiles, progress), format, bmpDepth);
    });
    progress.clear();
}

QImage PictureExport::thumbnail(const TrackGrid &grid, const TileStore &tiles, int size)
{
    QuietProgress silent;
    const QImage picture = PictureComposer::compose(grid, tiles, silent);
    const QImage scaled = picture.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    if (scaled.isNull())
        throw KwError::outOfResources();
    return scaled;
}

void PictureExport::writeThumbnail(const TrackGrid &grid, const TileStore &tiles,
                                   const QString &path, int size)
{
    // Compressing at Qt's default took longer than everything else a 256-pixel
    // thumbnail costs; quality 50 (zlib level 4) makes the file 5 % larger in
    // a third of the time.
    constexpr int quickCompression = 50;
    SafeFile::write(path, [&] { return encodePng(thumbnail(grid, tiles, size), quickCompression); });
}
