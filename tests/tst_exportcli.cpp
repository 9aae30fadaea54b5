// SPDX-License-Identifier: GPL-3.0-or-later
#include "bmpbuilder.h"
#include "base/regularfile.h"
#include "testfiles.h"
#include "base/progress.h"
#include "document/trackdocument.h"
#include "document/inventory.h"
#include "export/buildsheets.h"
#include "export/pictureexport.h"
#include "export/trackexport.h"
#include "pieces/tilesource.h"
#include "pieces/tilestore.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <unistd.h>

namespace {

struct Result
{
    int status = -1;
    QString out;
    QString err;
};

// The codes of the test tile folders; a folder's picture of a code is
// BmpBuilder::patterned(position in its list).
const QVector<QByteArray> tileCodes{"07", "00", "01", "A3"};
const QVector<QByteArray> otherTileCodes{"A3", "01", "00", "07"};

QImage tilePicture(const QVector<QByteArray> &codes, const QByteArray &code)
{
    return BmpBuilder::patterned(int(codes.indexOf(code)));
}

// Three rows; the longest has four codes, so the grid is 4 x 3. The middle
// row names one cell and the last three, which leaves cells (1,1), (2,1),
// (3,1) and (3,2) to the default piece.
const QByteArray trackText = "00,01,A3,01\r\nA3\r\n01,00,A3\r\n";

QByteArray fullTrack()
{
    QByteArray text;
    for (int r = 0; r < 30; ++r) {
        for (int c = 0; c < 30; ++c)
            text += tileCodes.at((r * 7 + c * 3) % tileCodes.size()) + (c < 29 ? "," : "\r\n");
    }
    return text;
}

// Every file under a folder, by relative name, with its bytes.
QMap<QString, QByteArray> filesUnder(const QString &folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        files.insert(QDir(folder).relativeFilePath(file), readBytes(file));
    }
    return files;
}

} // namespace

class TestExportCli : public QObject
{
    Q_OBJECT

private:
    Result run(const QStringList &arguments, const QString &workDir = QString()) const;
    Result runProgram(const QString &program, const QStringList &arguments,
                      const QString &workDir = QString()) const;
    // A shell command line in which CHECK, SUGGEST and EXPORT (with the test
    // tiles) stand for the programs and NAME for a name of these very bytes, which
    // a QString cannot carry when they are no UTF-8.
    Result runShell(QString command, const QByteArray &name) const;
    // A folder of its own with a tile folder and tracks good and bad, named
    // relative to it, so that two runs can be compared file by file.
    QString batchFolder(const QString &name) const;
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QString track(const QString &name, const QByteArray &text = trackText) const;
    // The picture that PictureExport::write makes of the track opened as the
    // editor opens it.
    QByteArray editorPicture(const QString &trackPath, const QString &tiles,
                             PictureExport::Format format, int depth) const;
    // The same for the plan or the parts list, written by TrackExport.
    QByteArray editorExport(const QString &trackPath, TrackExport::Format format) const;

    QTemporaryDir m_dir;
    QString m_tiles;
    QString m_otherTiles;

private slots:
    void initTestCase();
    void formats_data();
    void formats();
    void plansAndLists_data();
    void plansAndLists();
    void buildSheets_data();
    void buildSheets();
    void severalTracksOneBad();
    void jobsChangeNothing_data();
    void jobsChangeNothing();
    void outputOption_data();
    void outputOption();
    void pictureNeverReplacesTrack_data();
    void pictureNeverReplacesTrack();
    void otherTilesFolder();
    void tilesBesideExecutable();
    void failures_data();
    void failures();
    void binaryTracks_data();
    void binaryTracks();
    void usageErrors_data();
    void usageErrors();
    void thumbnail();
    void helpAndVersion();
    void quiet();
    void printedIsTrue_data();
    void printedIsTrue();
};

Result TestExportCli::run(const QStringList &arguments, const QString &workDir) const
{
    return runProgram(QStringLiteral(KW_EXPORT_EXE), arguments, workDir);
}

Result TestExportCli::runProgram(const QString &program, const QStringList &arguments,
                                 const QString &workDir) const
{
    QProcess process;
    // No display of any kind: the exporter must not need one.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(workDir.isEmpty() ? m_dir.path() : workDir);
    process.start(program, arguments);
    Result result;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return result;
    result.status = process.exitCode();
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

Result TestExportCli::runShell(QString command, const QByteArray &name) const
{
    QString octal;
    for (const char c : name)
        octal += QStringLiteral("\\%1").arg(uchar(c), 3, 8, QLatin1Char('0'));
    command.replace(QLatin1String("CHECK"), QStringLiteral("'" KW_CHECK_EXE "'"))
        .replace(QLatin1String("SUGGEST"), QStringLiteral("'" KW_SUGGEST_EXE "'"))
        .replace(QLatin1String("EXPORT"), QStringLiteral("'" KW_EXPORT_EXE "' --tiles '%1'").arg(m_tiles))
        .replace(QLatin1String("NAME"), QStringLiteral("\"$(printf '%1')\"").arg(octal));
    return runProgram(QStringLiteral("/bin/sh"), {"-c", command});
}

QString TestExportCli::track(const QString &name, const QByteArray &text) const
{
    const QString file = path(name);
    return writeBytes(file, text) ? file : QString();
}

QByteArray TestExportCli::editorPicture(const QString &trackPath, const QString &tiles,
                                        PictureExport::Format format, int depth) const
{
    const TileFolder folder(tiles);
    TrackDocument document;
    TileStore store;
    store.loadDefault(folder);
    Progress quiet;
    document.open(trackPath, folder, store, quiet);
    const QString out = path(QStringLiteral("editor.picture"));
    PictureExport::write(document.grid(), store, out, format, depth, quiet);
    return readBytes(out);
}

QByteArray TestExportCli::editorExport(const QString &trackPath, TrackExport::Format format) const
{
    const TileFolder folder(m_tiles);
    TrackDocument document;
    TileStore store;
    store.loadDefault(folder);
    Progress quiet;
    document.open(trackPath, folder, store, quiet);
    const QString out = path(QStringLiteral("editor.export"));
    TrackExport::write(document.grid(), store, trackPath, out, format, 24, quiet);
    return readBytes(out);
}

void TestExportCli::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(QFileInfo(QStringLiteral(KW_EXPORT_EXE)).isExecutable());
    m_tiles = path(QStringLiteral("tiles"));
    m_otherTiles = path(QStringLiteral("other tiles"));
    QVERIFY(BmpBuilder::writeTileFolder(m_tiles, tileCodes));
    QVERIFY(BmpBuilder::writeTileFolder(m_otherTiles, otherTileCodes));
}

void TestExportCli::formats_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("depth");

    const int jpeg = int(PictureExport::Format::Jpeg), bmp = int(PictureExport::Format::Bmp),
              png = int(PictureExport::Format::Png);
    QTest::newRow("default") << QStringList() << jpeg << 24;
    QTest::newRow("jpg") << QStringList{"--format", "jpg"} << jpeg << 24;
    QTest::newRow("bmp") << QStringList{"--format", "bmp"} << bmp << 24;
    QTest::newRow("bmp 16") << QStringList{"--format", "bmp", "--depth", "16"} << bmp << 16;
    QTest::newRow("bmp 32") << QStringList{"--depth", "32", "--format", "BMP"} << bmp << 32;
    QTest::newRow("png") << QStringList{"--format", "png"} << png << 24;
}

void TestExportCli::formats()
{
    QFETCH(QStringList, options);
    QFETCH(int, format);
    QFETCH(int, depth);

    const QString trackPath = track(QStringLiteral("oval.kwf"));
    const auto pictureFormat = PictureExport::Format(format);
    const QString picture = path(QStringLiteral("oval") + PictureExport::extension(pictureFormat));
    QFile::remove(picture);

    const Result result = run(options + QStringList{"--tiles", m_tiles, trackPath});
    QCOMPARE(result.err, QString());
    QCOMPARE(result.status, 0);
    QCOMPARE(result.out, trackPath + " -> " + picture + "\n");

    const QByteArray bytes = readBytes(picture);
    QVERIFY(bytes == editorPicture(trackPath, m_tiles, pictureFormat, depth));
    if (depth == 16)
        return;
    const QImage image = QImage::fromData(bytes);
    QCOMPARE(image.size(), QSize(197, 148));
    if (pictureFormat == PictureExport::Format::Jpeg)
        return;
    // Cell (0,0) holds "00"; cell (2,1) is not in the file and shows "07".
    QCOMPARE(image.pixel(1, 1), tilePicture(tileCodes, "00").pixel(1, 1));
    QCOMPARE(image.pixel(48, 48), tilePicture(tileCodes, "00").pixel(48, 48));
    QCOMPARE(image.pixel(99, 50), tilePicture(tileCodes, "07").pixel(1, 1));
    QCOMPARE(image.pixel(49, 20), 0xffffffffu);
}

void TestExportCli::plansAndLists_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("output");
    QTest::addColumn<int>("format");

    const int pdf = int(TrackExport::Format::Pdf), csv = int(TrackExport::Format::Csv);
    QTest::newRow("pdf") << QStringList{"--format", "pdf"} << "oval.pdf" << pdf;
    QTest::newRow("csv") << QStringList{"--format", "CSV"} << "oval.csv" << csv;
    QTest::newRow("-o .PDF, --format agrees")
        << QStringList{"--format", "pdf", "-o", path("plan.PDF")} << "plan.PDF" << pdf;
}

void TestExportCli::plansAndLists()
{
    QFETCH(QStringList, options);
    QFETCH(QString, output);
    QFETCH(int, format);

    const QString trackPath = track(QStringLiteral("oval.kwf"));
    QFile::remove(path(output));
    const Result result = run(options + QStringList{"--tiles", m_tiles, trackPath});
    QCOMPARE(result.err, QString());
    QCOMPARE(result.status, 0);
    QCOMPARE(result.out, trackPath + " -> " + path(output) + "\n");
    const QByteArray bytes = readBytes(path(output));
    QVERIFY(bytes == editorExport(trackPath, TrackExport::Format(format)));
    if (format == int(TrackExport::Format::Csv))
        QCOMPARE(bytes, QByteArray("code,page,count,name\n00,Normal,2,\"Corner, east to south\"\n"
                                   "01,Normal,3,\"Corner, south to west\"\n07,Normal,4,Grass\n"
                                   "A3,RCP 1,3,\"Foam corner, west to north\"\n"));
    else
        QVERIFY(bytes.startsWith("%PDF-") && bytes.contains("/Title"));
}

void TestExportCli::buildSheets_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("output");
    QTest::addColumn<int>("paper");
    QTest::addColumn<qreal>("cellMm");
    QTest::addColumn<bool>("withInventory");

    QTest::newRow("named after the track") << QStringList{"--format", "sheets"} << "oval-sheets.pdf"
                                           << int(QPageSize::A4) << 18.0 << false;
    QTest::newRow("Letter, larger cells, inventory")
        << QStringList{"--format", "SHEETS", "--paper", "Letter", "--cell-mm", "25.5", "--inventory",
                       path("owned.csv")}
        << "oval-sheets.pdf" << int(QPageSize::Letter) << 25.5 << true;
    // With -o the format option decides: a .pdf name is the sheets, not the plan.
    QTest::newRow("-o .PDF") << QStringList{"--format", "sheets", "--paper", "a3", "-o", path("crew.PDF")}
                             << "crew.PDF" << int(QPageSize::A3) << 18.0 << false;
}

void TestExportCli::buildSheets()
{
    QFETCH(QStringList, options);
    QFETCH(QString, output);
    QFETCH(int, paper);
    QFETCH(qreal, cellMm);
    QFETCH(bool, withInventory);

    const QString trackPath = track(QStringLiteral("oval.kwf"));
    QVERIFY(writeBytes(path("owned.csv"), "00,1\n01,5\n"));
    QFile::remove(path(output));
    const Result result = run(options + QStringList{"--tiles", m_tiles, trackPath});
    QCOMPARE(result.err, QString());
    QCOMPARE(result.status, 0);
    QCOMPARE(result.out, trackPath + " -> " + path(output) + "\n");

    const TileFolder folder(m_tiles);
    TrackDocument document;
    TileStore store;
    store.loadDefault(folder);
    Progress quiet;
    document.open(trackPath, folder, store, quiet);
    const Inventory inventory = Inventory::read(path("owned.csv"));
    BuildSheets::Options asked;
    asked.paper = QPageSize(QPageSize::PageSizeId(paper));
    asked.cellMm = cellMm;
    asked.inventory = withInventory ? &inventory : nullptr;
    QVERIFY(readBytes(path(output)) == BuildSheets::render(document.grid(), store, "oval.kwf", asked));
}

void TestExportCli::severalTracksOneBad()
{
    const QString first = track(QStringLiteral("first.kwf"));
    const QString bad = track(QStringLiteral("bad.kwf"), "00,ZZ\r\n");
    const QString last = track(QStringLiteral("last.kwf"), "A3\r\n");

    const Result result = run({"--tiles", m_tiles, "--format", "bmp", first, bad, last});
    QCOMPARE(result.status, 1);
    QCOMPARE(result.out, first + " -> " + path("first.bmp") + "\n" + last + " -> "
                             + path("last.bmp") + "\n");
    QCOMPARE(result.err, bad + ": Cannot open file " + m_tiles + "/ZZ.bmp.\n");
    QVERIFY(QFileInfo(path("first.bmp")).isFile());
    QVERIFY(!QFileInfo(path("bad.bmp")).exists());
    QCOMPARE(QImage::fromData(readBytes(path("last.bmp"))).size(), QSize(50, 50));
}

QString TestExportCli::batchFolder(const QString &name) const
{
    const QString folder = path(QStringLiteral("batch/") + name);
    QString wide;
    for (int i = 0; i < 31; ++i)
        wide += QStringLiteral("00,");
    const QMap<QString, QByteArray> tracks{
        {"good.kwf", trackText}, {"small.kwf", "A3\r\n"}, {"big.kwf", fullTrack()},
        {"missingtile.kwf", "00,01\r\nQQ\r\n"}, {"wide.kwf", wide.toLatin1()},
        {"same/x.kwf", fullTrack()}, {"same/x", "01\r\n"}, {"chain.kwf", "01,00\r\n"},
        {"tiles/07.kwf", "01,00\r\n"}, {"uses07.kwf", "07,07,00\r\n"}};
    if (!QDir().mkpath(folder + "/same") || !QDir().mkpath(folder + "/folder")
        || !BmpBuilder::writeTileFolder(folder + "/tiles", tileCodes))
        return QString();
    for (auto it = tracks.begin(); it != tracks.end(); ++it) {
        if (!writeBytes(folder + '/' + it.key(), it.value()))
            return QString();
    }
    return folder;
}

void TestExportCli::jobsChangeNothing_data()
{
    QTest::addColumn<QStringList>("arguments");

    const QStringList mixed{"good.kwf", "missingtile.kwf", "nowhere.kwf", "big.kwf", "folder",
                            "wide.kwf", "small.kwf", "good.kwf", "big.kwf", "small.kwf"};
    QTest::newRow("good and bad, jpg") << mixed;
    QTest::newRow("good and bad, png") << QStringList{"--format", "png"} + mixed;
    // The slow track first: unordered, the quick one would be overwritten.
    QTest::newRow("one picture from two tracks")
        << QStringList{"--format", "bmp", "same/x.kwf", "small.kwf", "same/x", "good.kwf"};
    QTest::newRow("a picture read as a track")
        << QStringList{"--format", "bmp", "chain.bmp", "big.kwf", "chain.kwf", "chain.bmp"};
    QTest::newRow("a picture written into the tile folder")
        << QStringList{"--format", "bmp", "big.kwf", "uses07.kwf", "tiles/07.kwf", "uses07.kwf"};
}

void TestExportCli::jobsChangeNothing()
{
    QFETCH(QStringList, arguments);

    const QString tag = QString::fromLatin1(QTest::currentDataTag());
    const QString serial = batchFolder(tag + " serial"), parallel = batchFolder(tag + " parallel");
    QVERIFY(!serial.isEmpty() && !parallel.isEmpty());
    const Result one = run(QStringList{"--tiles", "tiles", "--jobs", "1"} + arguments, serial);
    const Result many = run(QStringList{"--tiles", "tiles", "--jobs", "4"} + arguments, parallel);
    QVERIFY(one.status >= 0);
    QCOMPARE(many.status, one.status);
    QCOMPARE(many.out, one.out);
    QCOMPARE(many.err, one.err);
    const QMap<QString, QByteArray> expected = filesUnder(serial);
    QCOMPARE(filesUnder(parallel).keys(), expected.keys());
    QVERIFY(filesUnder(parallel) == expected);
}

void TestExportCli::outputOption_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("output");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("format");

    QTest::newRow("png by extension") << QStringList() << "chosen.png" << 0 << QByteArray("png");
    QTest::newRow("jpeg by extension") << QStringList() << "chosen.jpeg" << 0 << QByteArray("jpeg");
    QTest::newRow("upper case extension") << QStringList() << "CHOSEN.BMP" << 0 << QByteArray("bmp");
    QTest::newRow("matching format") << QStringList{"--format", "bmp"} << "chosen.bmp" << 0
                                     << QByteArray("bmp");
    QTest::newRow("depth by extension") << QStringList{"--depth", "32"} << "deep.bmp" << 0 << QByteArray("bmp");
    QTest::newRow("conflicting format") << QStringList{"--format", "png"} << "chosen.jpg" << 2
                                        << QByteArray();
    QTest::newRow("unknown extension") << QStringList() << "chosen.gif" << 2 << QByteArray();
    QTest::newRow("no extension") << QStringList() << "chosen" << 2 << QByteArray();
    QTest::newRow("two tracks") << QStringList{path("second.kwf")} << "chosen.jpg" << 2
                                << QByteArray();
}

void TestExportCli::outputOption()
{
    QFETCH(QStringList, options);
    QFETCH(QString, output);
    QFETCH(int, status);
    QFETCH(QByteArray, format);

    const QString trackPath = track(QStringLiteral("single.kwf"));
    QVERIFY(!track(QStringLiteral("second.kwf")).isEmpty());
    const QString picture = path(output);
    QFile::remove(picture);

    const Result result = run(QStringList{"--tiles", m_tiles, "-o", picture, trackPath} + options);
    QCOMPARE(result.status, status);
    if (status == 2) {
        QVERIFY(result.err.contains(QStringLiteral("Usage: kerbwright-export")));
        QCOMPARE(result.out, QString());
        QVERIFY(!QFileInfo::exists(picture));
        QVERIFY(!QFileInfo::exists(path("single.jpg")));
        return;
    }
    QCOMPARE(result.out, trackPath + " -> " + picture + "\n");
    QVERIFY(!QFileInfo::exists(path("single.jpg")));
    QImage image;
    QVERIFY(image.loadFromData(readBytes(picture), format.constData()));
    QCOMPARE(image.size(), QSize(197, 148));
}

void TestExportCli::pictureNeverReplacesTrack_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("picture");

    QTest::newRow("bmp named .bmp") << "self.bmp" << QStringList{"--format", "bmp"} << "self.bmp.bmp";
    QTest::newRow("png named .PNG") << "SELF.PNG" << QStringList{"--format", "png"} << "SELF.PNG.png";
    QTest::newRow("no extension") << "club" << QStringList() << "club.jpg";
    QTest::newRow("bare extension") << ".kwf" << QStringList() << ".kwf.jpg";
}

void TestExportCli::pictureNeverReplacesTrack()
{
    QFETCH(QString, name);
    QFETCH(QStringList, options);
    QFETCH(QString, picture);

    const QString trackPath = track(name);
    const Result result = run(options + QStringList{"--tiles", m_tiles, trackPath});
    QCOMPARE(result.status, 0);
    QCOMPARE(result.out, trackPath + " -> " + path(picture) + "\n");
    QCOMPARE(readBytes(trackPath), trackText);
    QCOMPARE(QImage::fromData(readBytes(path(picture))).size(), QSize(197, 148));

    // Asked for by name, the track is refused as the output.
    const Result named = run({"--tiles", m_tiles, "-o", trackPath, trackPath});
    QCOMPARE(named.status, 2);
    QCOMPARE(readBytes(trackPath), trackText);
}

void TestExportCli::otherTilesFolder()
{
    const QString trackPath = track(QStringLiteral("other.kwf"));
    const Result result = run({"--format", "png", "--tiles", m_otherTiles, trackPath});
    QCOMPARE(result.status, 0);
    const QImage image = QImage::fromData(readBytes(path("other.png")));
    QCOMPARE(image.pixel(1, 1), tilePicture(otherTileCodes, "00").pixel(1, 1));
    QCOMPARE(image.pixel(99, 50), tilePicture(otherTileCodes, "07").pixel(1, 1));
    QVERIFY(image.pixel(1, 1) != tilePicture(tileCodes, "00").pixel(1, 1));
}

void TestExportCli::tilesBesideExecutable()
{
    const QString besideExe = QFileInfo(QStringLiteral(KW_EXPORT_EXE)).absolutePath() + "/tiles";
    if (!QFileInfo(besideExe + "/07.bmp").isFile())
        QSKIP("the generated tiles folder is not built");
    const QString trackPath = track(QStringLiteral("beside.kwf"), "07,07\r\n\r\n07\r\n");
    const Result result = run({trackPath});
    QCOMPARE(result.status, 0);
    QVERIFY(readBytes(path("beside.jpg"))
            == editorPicture(trackPath, besideExe, PictureExport::Format::Jpeg, 24));
}

void TestExportCli::failures_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");

    const QString missingTile = track(QStringLiteral("missingtile.kwf"), "00,01\r\nQQ\r\n");
    const QString good = track(QStringLiteral("good.kwf"));
    QString tooWide;
    for (int i = 0; i < 31; ++i)
        tooWide += (i ? "," : "") + QStringLiteral("00");
    const QString wide = track(QStringLiteral("wide.kwf"), tooWide.toLatin1() + "\r\n");
    const QString noDefault = path(QStringLiteral("no default"));
    BmpBuilder::writeTileFolder(noDefault, {"00", "01"});

    QTest::newRow("missing track") << QStringList{"--tiles", m_tiles, path("nowhere.kwf")}
                                   << path("nowhere.kwf") + ": Cannot open file " + path("nowhere.kwf") + ".";
    QTest::newRow("missing tile") << QStringList{"--tiles", m_tiles, missingTile}
                                  << missingTile + ": Cannot open file " + m_tiles + "/QQ.bmp.";
    QTest::newRow("no default tile") << QStringList{"--tiles", noDefault, good}
                                     << good + ": Cannot open file " + noDefault + "/07.bmp.";
    QTest::newRow("output cannot be created")
        << QStringList{"--tiles", m_tiles, "-o", path("no/such/folder.jpg"), good}
        << good + ": Cannot create file " + path("no/such/folder.jpg") + ".";
    QTest::newRow("track too wide") << QStringList{"--tiles", m_tiles, wide}
                                    << wide + ": Track too large: at most 30 columns and 30 rows.";
    QTest::newRow("folder as track") << QStringList{"--tiles", m_tiles, m_tiles}
                                     << m_tiles + ": Text exceeds memo capacity.";
    QTest::newRow("thumbnail, missing tile")
        << QStringList{"--thumbnail", "64", "--tiles", m_tiles, missingTile, path("thumbnail.png")}
        << missingTile + ": Cannot open file " + m_tiles + "/QQ.bmp.";
}

void TestExportCli::failures()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);

    const Result result = run(arguments);
    QCOMPARE(result.status, 1);
    QCOMPARE(result.out, QString());
    QCOMPARE(result.err, message + "\n");
    QVERIFY(!QFileInfo::exists(path("thumbnail.png")));
}

// A binary file given as a track: its first "code" is whatever bytes come
// before the first comma or line break. The exporter names the tile that was
// looked for, the checker the code, both readable.
void TestExportCli::binaryTracks_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("tile");  // the tile file the message names, in the tiles folder

    QTest::newRow("ordinary code") << QByteArray("00,QQ\r\n") << QStringLiteral("QQ.bmp");
    QTest::newRow("control bytes") << QByteArray("\x1b]0;title\x07\x1b[2J\r\n")
                                   << QStringLiteral("\\x1B]0;title\\x07\\x1B[2J.bmp");
    QTest::newRow("program header, NUL ends the text")
        << QByteArray("\x7f" "ELF\x02\x01\x01\0\0\x1b[2J\xff", 13) << QStringLiteral("\\x7FELF\\x02\\x01\\x01.bmp");
    QTest::newRow("NUL after a code") << QByteArray("00,QQ\0\x1b\x01\r\n", 10) << QStringLiteral("QQ.bmp");
    QTest::newRow("invalid UTF-8") << QByteArray("\x89PNG\r\n\x1a\n")
                                   << QStringLiteral("\\x89PNG.bmp");
    QTest::newRow("4096-byte code")
        << (QByteArray("\x01\x02") + QByteArray(4080, 'z') + "..and the end\xfe")
        << QStringLiteral("\\x01\\x02zzzzzzzzzzzzzzzzzz\u2026zzzzz..and the end\\xFE.bmp");
    QTest::newRow("slash and dot dot, tile exists outside")
        << QByteArray("../\x7f\r\n") << QStringLiteral("../\\x7F.bmp");
}

void TestExportCli::binaryTracks()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, tile);
    // A sound tile where the code that is a path leads: never read.
    QVERIFY(BmpBuilder::writeFile(path(QStringLiteral("\x7f.bmp")), BmpBuilder::bmp24(BmpBuilder::patterned(1))));
    const QString binary = track(QStringLiteral("binary.kwf"), bytes);
    QFile::remove(path(QStringLiteral("binary.jpg")));
    const QString line = binary + ": Cannot open file " + m_tiles + "/" + tile + ".\n";

    const Result exported = run({"--tiles", m_tiles, binary});
    QCOMPARE(exported.err, line);
    QCOMPARE(exported.out, QString());
    QCOMPARE(exported.status, 1);
    QVERIFY(!QFileInfo::exists(path(QStringLiteral("binary.jpg"))));

    // The checker reads codes, not tiles: it names the same code, readable,
    // as one that no piece has, and goes on.
    const Result checked = runProgram(QStringLiteral(KW_CHECK_EXE), {"--tiles", m_tiles, binary});
    QCOMPARE(checked.err, QString());
    const QString code = tile.chopped(4);
    QVERIFY2(checked.out.contains(QRegularExpression("^" + QRegularExpression::escape(binary) + ":\\d+:\\d+: unknown piece "
                                                     + QRegularExpression::escape(code) + "$",
                                                     QRegularExpression::MultilineOption)),
             qPrintable(checked.out));
    QCOMPARE(checked.status, 1);
}

void TestExportCli::usageErrors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("problem");  // empty: not checked
    const QString good = path(QStringLiteral("good.kwf"));
    QTest::newRow("nothing") << QStringList() << QString();
    QTest::newRow("options only") << QStringList{"--format", "bmp"} << QString();
    QTest::newRow("unknown format") << QStringList{"--format", "gif", good} << QString();
    QTest::newRow("depth 8") << QStringList{"--format", "bmp", "--depth", "8", good} << QString();
    QTest::newRow("depth not a number") << QStringList{"--depth", "many", good} << QString();
    QTest::newRow("unknown option") << QStringList{"--colour", good} << QString();
    QTest::newRow("value missing") << QStringList{good, "--tiles"} << QString();
    QTest::newRow("no jobs") << QStringList{"--jobs", "0", good} << QString();
    QTest::newRow("jobs below zero") << QStringList{"-j", "-2", good} << QString();
    QTest::newRow("jobs not a number") << QStringList{"--jobs", "all", good} << QString();
    // Only a BMP file has a depth; any other picture would take it in silence.
    const QString bmpOnly = QStringLiteral("--depth applies to BMP only");
    QTest::newRow("depth without a format") << QStringList{"--depth", "32", good} << bmpOnly;
    QTest::newRow("depth with jpg") << QStringList{"--format", "jpg", "--depth", "24", good} << bmpOnly;
    QTest::newRow("depth with png") << QStringList{"--depth", "16", "--format", "png", good} << bmpOnly;
    QTest::newRow("depth with pdf") << QStringList{"--format", "pdf", "--depth", "32", good} << bmpOnly;
    QTest::newRow("depth with csv") << QStringList{"--format", "csv", "--depth", "32", good} << bmpOnly;
    QTest::newRow("depth with -o .jpg") << QStringList{"--depth", "32", "-o", path("good.jpg"), good} << bmpOnly;
    QTest::newRow("depth with -o .png") << QStringList{"-o", path("out.png"), "--depth", "24", good} << bmpOnly;
    // The build sheets' options, and only with the build sheets.
    QTest::newRow("sheets with -o .png") << QStringList{"--format", "sheets", "-o", path("out.png"), good}
                                         << "the build sheets are a PDF";
    QTest::newRow("paper without sheets") << QStringList{"--paper", "a4", good}
                                          << "--paper applies to the build sheets only";
    QTest::newRow("cell size with the plan") << QStringList{"--format", "pdf", "--cell-mm", "20", good}
                                             << "--cell-mm applies to the build sheets only";
    QTest::newRow("unknown paper") << QStringList{"--format", "sheets", "--paper", "b5", good}
                                   << "unknown paper \"b5\"";
    for (const char *side : {"9.5", "101", "wide", "nan"})
        QTest::newRow(qPrintable(QStringLiteral("cell size %1").arg(side)))
            << QStringList{"--format", "sheets", "--cell-mm", side, good} << "--cell-mm takes a number";
    for (const char *bad : {"0", "4097", "big"})
        QTest::newRow(qPrintable(QStringLiteral("thumbnail %1").arg(bad)))
            << QStringList{"--thumbnail", bad, good, path("out.png")} << "--thumbnail takes a size from 1 to 4096 pixels";
    QTest::newRow("thumbnail without output") << QStringList{"--thumbnail", "64", good} << QString();
    QTest::newRow("thumbnail with --format") << QStringList{"--thumbnail", "64", "--format", "png", good, path("out.png")}
                                             << "--thumbnail takes no --format";
}

void TestExportCli::usageErrors()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, problem);
    QVERIFY(!track(QStringLiteral("good.kwf")).isEmpty());
    QFile::remove(path("good.jpg"));

    const Result result = run(arguments);
    QCOMPARE(result.status, 2);
    QCOMPARE(result.out, QString());
    QVERIFY(result.err.startsWith(QStringLiteral("kerbwright-export: ")));
    QVERIFY(result.err.contains(QStringLiteral("Usage: kerbwright-export")));
    if (!problem.isEmpty())
        QVERIFY2(result.err.startsWith(QStringLiteral("kerbwright-export: ") + problem), qPrintable(result.err));
    QVERIFY(!QFileInfo::exists(path("good.jpg")));
    QVERIFY(!QFileInfo::exists(path("out.png")));
}

// As a file manager asks for it: a PNG whatever the output's name.
void TestExportCli::thumbnail()
{
    const QString trackPath = track(QStringLiteral("thumbnailed.kwf"));
    const QString out = path(QStringLiteral("thumbnail.tmp"));
    const Result result = run({"--thumbnail", "64", "--tiles", m_tiles, trackPath, out});
    QCOMPARE(result.err, QString());
    QCOMPARE(result.status, 0);
    QCOMPARE(result.out, trackPath + " -> " + out + "\n");
    QCOMPARE(QImage::fromData(readBytes(out), "PNG").size(), QSize(64, 48));
}

void TestExportCli::helpAndVersion()
{
    const Result help = run({"--help"});
    QCOMPARE(help.status, 0);
    QVERIFY(help.out.startsWith(QStringLiteral("Usage: kerbwright-export")));
    QCOMPARE(help.err, QString());

    const Result version = run({"--version"});
    QCOMPARE(version.status, 0);
    QVERIFY2(QRegularExpression(QStringLiteral("^kerbwright-export \\d+\\.\\d+\\.\\d+\\n$"))
                 .match(version.out)
                 .hasMatch(),
             qPrintable(version.out));
}

void TestExportCli::quiet()
{
    const QString trackPath = track(QStringLiteral("hush.kwf"));
    const Result result = run({"--quiet", "--tiles", m_tiles, trackPath});
    QCOMPARE(result.status, 0);
    QCOMPARE(result.out, QString());
    QCOMPARE(result.err, QString());
    QVERIFY(QFileInfo(path("hush.jpg")).isFile());
}

void TestExportCli::printedIsTrue_data()
{
    QTest::addColumn<QString>("command");  // as runShell() takes it
    QTest::addColumn<QByteArray>("name");  // the track's file name, any bytes
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("printed");  // found in standard output or error
    const QByteArray lost("lost.kwf"), latin1("lat\xe9.kwf");
    // Output that never reached its file is no success, and what the user had stays.
    QTest::newRow("check, file-size limit") << "trap '' XFSZ; ulimit -f 1; exec CHECK --json NAME >cut" << lost << 2 << "kerbwright-check: cannot write standard output: ";
    QTest::newRow("export, full disk") << "exec EXPORT NAME >/dev/full" << lost << 2 << "kerbwright-export: cannot write standard output: ";
    QTest::newRow("suggest, full disk") << "exec SUGGEST --size 4x3 -n 1 -o NAME.d >/dev/full" << lost << 2 << "kerbwright-suggest: cannot write standard output: ";
    QTest::newRow("export, sync fails") << "export LD_PRELOAD=" KW_SYNCFAIL_LIB " ASAN_OPTIONS=$ASAN_OPTIONS:verify_asan_link_order=0; exec EXPORT NAME"
                                        << lost << 1 << "lost.kwf: Stream write error.\n";
    QTest::newRow("export beside, link to the track") << "ln -sf lost.kwf lost.jpg; exec EXPORT NAME" << lost << 1
                                                      << "lost.kwf: lost.jpg is the track file itself: an export never replaces it.\n";
    // A name is opened by its bytes and printed so that no terminal takes it for a command.
    QTest::newRow("Latin-1 name, checked") << "exec CHECK NAME" << latin1 << 1 << "lat\\xE9.kwf: 10 open road ends\n";
    QTest::newRow("Latin-1 name, JSON") << "exec CHECK --json NAME" << latin1 << 1 << "{\"track\": \"lat\\\\xE9.kwf\", \"width\": 4";
    QTest::newRow("Latin-1 name, exported") << "exec EXPORT NAME" << latin1 << 1 << "lat\\xE9.kwf: Cannot create file lat\\xE9.jpg.\n";
    QTest::newRow("escape sequence, exported") << "exec EXPORT NAME" << QByteArray("\x1b]0;owned\x07.kwf") << 0
                                               << "\\x1B]0;owned\\x07.kwf -> \\x1B]0;owned\\x07.jpg\n";
    QTest::newRow("line separator, JSON") << "exec CHECK --json NAME" << QByteArray("a\u2028b.kwf") << 1 << "{\"track\": \"a\\u2028b.kwf\"";
}

void TestExportCli::printedIsTrue()
{
    QFETCH(QString, command);
    QFETCH(QByteArray, name);
    QFETCH(int, status);
    QFETCH(QString, printed);
    const QByteArray native = QFile::encodeName(m_dir.path()) + '/' + name;
    const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    QVERIFY(fd >= 0 && ::write(fd, trackText.constData(), size_t(trackText.size())) == trackText.size());
    ::close(fd);
    QFile::remove(path(QStringLiteral("lost.jpg")));
    const Result result = runShell(command, name);
    QCOMPARE(result.status, status);
    QVERIFY2((result.out + result.err).contains(printed), qPrintable(result.out + result.err));
    QVERIFY(!(result.out + result.err).contains(QChar(0x1b)) && !result.out.contains(QChar(0x2028)));
    QCOMPARE(RegularFile::read(native, 1000).bytes, trackText);
}

// A QGuiApplication: the plan written here to compare with needs fonts.
QTEST_MAIN(TestExportCli)
#include "tst_exportcli.moc"
