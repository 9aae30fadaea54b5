// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the application icon as PNG files for the icon theme, so the
// installed desktop entry has pictures without any artwork in the tree.
//
//   kerbwright-iconrender OUTDIR SIZE...
//
// writes OUTDIR/<SIZE>x<SIZE>/apps/kerbwright.png for every SIZE.

#include "ui/window/appicon.h"

#include <QDir>
#include <QImage>
#include <QString>

#include <cstdio>
#include <cstdlib>

namespace {

int parseSize(const char *text)
{
    bool ok = false;
    const int size = QString::fromLocal8Bit(text).toInt(&ok);
    return ok && size > 0 && size <= 1024 ? size : 0;
}

// An icon that came out empty (nothing drawn) is as useless as a missing
// one, so it counts as a failure rather than being installed.
bool hasOpaquePixel(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                return true;
    return false;
}

bool writeIcon(const QString &outDir, int size)
{
    const QString folder = QStringLiteral("%1/%2x%2/apps").arg(outDir).arg(size);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(folder));
        return false;
    }
    const QImage image = AppIcon::render(size);
    if (image.size() != QSize(size, size) || !hasOpaquePixel(image)) {
        std::fprintf(stderr, "the %dx%d icon came out empty\n", size, size);
        return false;
    }
    const QString file = folder + QStringLiteral("/kerbwright.png");
    if (!image.save(file, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUTDIR SIZE...\n", argv[0]);
        return EXIT_FAILURE;
    }
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    for (int i = 2; i < argc; ++i) {
        const int size = parseSize(argv[i]);
        if (size == 0) {
            std::fprintf(stderr, "not an icon size: %s\n", argv[i]);
            return EXIT_FAILURE;
        }
        if (!writeIcon(outDir, size))
            return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}
