#include "bmpbuilder.h"

#include "export/bmpwriter.h"

#include <QDir>
#include <QFile>

namespace BmpBuilder {

QByteArray bmp24(const QImage &picture)
{
    return BmpWriter::encode(picture, 24);
}

QImage solid(QColor colour, int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QImage patterned(int seed, int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb((seed * 37 + x * 3) & 0xff, (seed * 91 + y * 5) & 0xff,
                                      (seed * 13 + x + y) & 0xff));
    return image;
}

bool writeTileFolder(const QString &folder, const QVector<QByteArray> &codes)
{
    if (!QDir().mkpath(folder))
        return false;
    for (int i = 0; i < codes.size(); ++i) {
        QFile file(folder + QLatin1Char('/') + QFile::decodeName(codes[i]) + QStringLiteral(".bmp"));
        if (!file.open(QIODevice::WriteOnly) || file.write(bmp24(patterned(i))) < 0)
            return false;
    }
    return true;
}

} // namespace BmpBuilder
