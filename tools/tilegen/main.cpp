// SPDX-License-Identifier: GPL-3.0-or-later
// tilegen: draws the piece pictures of every catalogue code.
//
//   tilegen OUTDIR                 writes OUTDIR/<code>.bmp, 163 files
//   tilegen --sheet FILE.png       writes a contact sheet of all pages
//
// Both may be given together. Tiles need no display; the sheet has labels and
// so starts a (headless) GUI application for the fonts.
#include "artseries.h"
#include "contactsheet.h"
#include "base/kwerror.h"
#include "export/bmpwriter.h"
#include "tilebook.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>
#include <memory>

namespace {

TileBook drawAll()
{
    TileBook book;
    ArtSeries::normal(book);
    ArtSeries::mats(book);
    ArtSeries::largeCorners(book);
    ArtSeries::intersections(book);
    ArtSeries::diagonals(book);
    ArtSeries::pitLane(book);
    ArtSeries::bumps(book);
    ArtSeries::openAreas(book);
    ArtSeries::scenery(book);
    book.verify();
    return book;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw KwError::cannotCreate(path);
    if (file.write(bytes) != bytes.size() || !file.flush())
        throw KwError::streamWrite();
}

void writeTiles(const TileBook &book, const QString &folder)
{
    if (!QDir().mkpath(folder))
        throw KwError::cannotCreate(folder);
    for (const QByteArray &code : book.codes())
        writeFile(QDir(folder).filePath(QString::fromLatin1(code) + QStringLiteral(".bmp")),
                  BmpWriter::encode(book.tile(code), 24));
}

int usage()
{
    std::fputs("usage: tilegen [--sheet FILE.png] [OUTDIR]\n", stderr);
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    QString folder, sheet;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == QLatin1String("--sheet") && i + 1 < argc)
            sheet = QString::fromLocal8Bit(argv[++i]);
        else if (!arg.startsWith(QLatin1Char('-')) && folder.isEmpty())
            folder = arg;
        else
            return usage();
    }
    if (folder.isEmpty() && sheet.isEmpty())
        return usage();

    std::unique_ptr<QGuiApplication> app;
    if (!sheet.isEmpty()) {
        // Fonts need a GUI application; the sheet is drawn off screen.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
    try {
        const TileBook book = drawAll();
        if (!folder.isEmpty())
            writeTiles(book, folder);
        if (!sheet.isEmpty())
            writeFile(sheet, ContactSheet(book).png());
    } catch (const KwError &error) {
        std::fprintf(stderr, "tilegen: %s\n", error.what());
        return 1;
    }
    return 0;
}
