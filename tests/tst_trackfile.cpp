// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/kwerror.h"
#include "document/linebuffer.h"
#include "base/progress.h"
#include "document/trackdocument.h"
#include "filesizelimit.h"
#include "maptiles.h"
#include "recordingprogress.h"
#include "testfiles.h"
#include "pieces/tilesource.h"
#include "pieces/tilestore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

const QVector<QByteArray> knownCodes = {"00", "01", "02", "03", "07", "A3", "a3", " 07"};

// The document's visible cells as "c,r=code" in pool order, after its size:
// "3x2 0,0=00 0,1=A3 ...". Hidden cells must hold "07" (checked separately).
QString describe(const TrackDocument &doc)
{
    QStringList parts{QStringLiteral("%1x%2").arg(doc.width()).arg(doc.height())};
    for (int i = 0; i < TrackGrid::cellCount; ++i) {
        const Cell &cell = doc.cell(i);
        if (cell.visible)
            parts << QStringLiteral("%1,%2=%3").arg(TrackGrid::columnOf(i))
                         .arg(TrackGrid::rowOf(i)).arg(QString::fromLatin1(cell.code));
    }
    return parts.join(QLatin1Char(' '));
}

bool hiddenCellsHoldDefault(const TrackDocument &doc)
{
    for (int i = 0; i < TrackGrid::cellCount; ++i)
        if (!doc.cell(i).visible && doc.cell(i).code != "07")
            return false;
    return true;
}

const QByteArray workedExample("00,01,07\r\nA3,07,02\r\n");

} // namespace

class TestTrackFile : public QObject
{
    Q_OBJECT

private slots:
    void readingRules_data();
    void readingRules();
    void reader_data();
    void reader();
    void workedExampleRoundTrip();
    void writerTakesTheBlockWhateverIsVisible();
    void progressOfADefaultTrack();
    void openFailuresChangeNothing_data();
    void openFailuresChangeNothing();
    void failedWriteKeepsTheOldFile();
    void unwritableFolder();
    void byteOrderMarkBelongsToTheFirstCode();

private:
    QTemporaryDir m_dir;
};

void TestTrackFile::readingRules_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QList<QByteArray>>("lines");
    using L = QList<QByteArray>;
    QTest::newRow("CR LF") << QByteArray("a,b\r\nc\r\n") << L{"a,b", "c"};
    QTest::newRow("LF only") << QByteArray("a,b\nc\n") << L{"a,b", "c"};
    QTest::newRow("CR only") << QByteArray("a,b\rc\r") << L{"a,b", "c"};
    QTest::newRow("LF CR is two breaks") << QByteArray("a\n\rb") << L{"a", "", "b"};
    QTest::newRow("no final break") << QByteArray("a\r\nb") << L{"a", "b"};
    QTest::newRow("two final breaks") << QByteArray("a\r\n\r\n") << L{"a", ""};
    QTest::newRow("empty file") << QByteArray() << L{};
    QTest::newRow("only a break") << QByteArray("\r\n") << L{""};
    QTest::newRow("NUL ends the text") << QByteArray("a,b\r\nc\0d\r\ne", 12) << L{"a,b", "c"};
    QTest::newRow("NUL first") << QByteArray("\0a\r\n", 4) << L{};
    QTest::newRow("bytes kept") << QByteArray("\xEF\xBB\xBF" "07,\t x\xFF") << L{"\xEF\xBB\xBF" "07,\t x\xFF"};
    QTest::newRow("long line cut for the reader")
        << (QByteArray(5000, 'x') + "\r\ny") << L{QByteArray(4096, 'x'), "y"};
}

void TestTrackFile::readingRules()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QList<QByteArray>, lines);
    LineBuffer buffer;
    buffer.setFileBytes(bytes);
    QList<QByteArray> got;
    for (int i = 0; i < buffer.lineCount(); ++i)
        got << buffer.line(i);
    QCOMPARE(got, lines);
}

void TestTrackFile::reader_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");  // describe() of the grid, or the error
    QTest::newRow("worked example") << workedExample
        << "3x2 0,0=00 0,1=A3 1,0=01 1,1=07 2,0=07 2,1=02";
    QTest::newRow("trailing comma") << QByteArray("00,01,07,\r\n") << "3x1 0,0=00 1,0=01 2,0=07";
    QTest::newRow("codes verbatim, case kept") << QByteArray("a3,A3\r\n") << "2x1 0,0=a3 1,0=A3";
    QTest::newRow("space belongs to the code") << QByteArray(" 07\r\n") << "1x1 0,0= 07";
    QTest::newRow("empty middle line") << QByteArray("00,01\r\n\r\n02,03\r\n")
        << "2x3 0,0=00 0,1=07 0,2=02 1,0=01 1,1=07 1,2=03";
    // The widest row sets the width; a short row's other cells show "07".
    QTest::newRow("5, 5 and 3 codes") << QByteArray("00,00,00,00,00\r\n01,01,01,01,01\r\n02,02,02\r\n")
        << "5x3 0,0=00 0,1=01 0,2=02 1,0=00 1,1=01 1,2=02 2,0=00 2,1=01 2,2=02 "
           "3,0=00 3,1=01 3,2=07 4,0=00 4,1=01 4,2=07";
    QTest::newRow("3, 5 and 1 codes") << QByteArray("00,00,00\r\n01,01,01,01,01\r\n02\r\n")
        << "5x3 0,0=00 0,1=01 0,2=02 1,0=00 1,1=01 1,2=07 2,0=00 2,1=01 2,2=07 "
           "3,0=07 3,1=01 3,2=07 4,0=07 4,1=01 4,2=07";
    QTest::newRow("two final breaks") << QByteArray("00,01\r\n\r\n") << "2x1 0,0=00 1,0=01";
    QTest::newRow("LF only") << QByteArray("00,01,07\nA3,07,02\n")
        << "3x2 0,0=00 0,1=A3 1,0=01 1,1=07 2,0=07 2,1=02";
    QTest::newRow("CR only") << QByteArray("00,01,07\rA3,07,02\r")
        << "3x2 0,0=00 0,1=A3 1,0=01 1,1=07 2,0=07 2,1=02";
    QTest::newRow("empty file keeps the size") << QByteArray() << "15x7";
    QTest::newRow("empty lines keep the size") << QByteArray("\r\n\r\n") << "15x7";
    QTest::newRow("30 x 30 fits") << (QByteArray("07") + QByteArray(",07").repeated(29) + "\r\n").repeated(30)
        << "30x30 *";
    QTest::newRow("empty rows past 30 are harmless")
        << (QByteArray("07\r\n").repeated(30) + QByteArray("\r\n").repeated(5)) << "1x30 *";
    // Failures: the grid and its size stay exactly as they were.
    QTest::newRow("empty code") << QByteArray("00,,07\r\n") << "Cannot open file /tiles/.bmp";
    QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF" "00\r\n")
        << "Cannot open file /tiles/\\xEF\\xBB\\xBF00.bmp";
    QTest::newRow("missing tile part-way") << QByteArray("00,01,ZZ,02\r\n") << "Cannot open file /tiles/ZZ.bmp";
    QTest::newRow("31 codes") << (QByteArray("07") + QByteArray(",07").repeated(30) + "\r\n")
        << "Track too large: at most 30 columns and 30 rows";
    QTest::newRow("31 rows") << QByteArray("07\r\n").repeated(31)
        << "Track too large: at most 30 columns and 30 rows";
    QTest::newRow("10,000 commas") << QByteArray(10000, ',') << "Track too large: at most 30 columns and 30 rows";
}

void TestTrackFile::reader()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    const QString path = m_dir.filePath(QStringLiteral("reader.kwf"));
    QVERIFY(writeBytes(path, bytes));

    MapTiles tiles(knownCodes);
    TrackDocument doc;
    TileStore store;
    store.insert("07", tiles.picture("07"));
    Progress quiet;
    doc.DrawGrid(true, quiet);
    doc.TrackClick(TrackGrid::index(20, 20), "01");  // hidden, must be cleared
    doc.setModified(false);
    const QString before = describe(doc);

    try {
        doc.open(path, tiles, store, quiet);
    } catch (const KwError &e) {
        QCOMPARE(e.message(), expected);
        QCOMPARE(describe(doc), before);
        QCOMPARE(doc.cell(20, 20).code, QByteArray("01"));
        QVERIFY(doc.fileName().isEmpty());
        // Nor does the store take the tiles read before the failure.
        QVERIFY(!store.contains("00"));
        return;
    }
    if (expected.endsWith('*'))
        QCOMPARE(describe(doc).section(' ', 0, 0), expected.section(' ', 0, 0));
    else
        QCOMPARE(describe(doc), expected);
    QVERIFY(hiddenCellsHoldDefault(doc));
    QCOMPARE(doc.fileName(), path);
    // The store holds what the read found: every code's own tile, and the
    // default piece's picture for the cells a short row leaves.
    for (int i = 0; i < TrackGrid::cellCount; ++i) {
        const Cell &cell = doc.cell(i);
        QCOMPARE(store.picture(cell.code), tiles.picture(cell.code));
    }
}

void TestTrackFile::workedExampleRoundTrip()
{
    const QString path = m_dir.filePath(QStringLiteral("example.kwf"));
    QVERIFY(writeBytes(path, workedExample));
    MapTiles tiles(knownCodes);
    TrackDocument doc;
    TileStore store;
    Progress quiet;
    doc.open(path, tiles, store, quiet);
    QCOMPARE(doc.cell(0).code, QByteArray("00"));
    QCOMPARE(doc.cell(30).code, QByteArray("01"));
    QCOMPARE(doc.cell(61).code, QByteArray("02"));
    QCOMPARE(doc.cell(1).code, QByteArray("A3"));

    const QString copy = m_dir.filePath(QStringLiteral("copy.kwf"));
    doc.save(copy);
    QCOMPARE(readBytes(copy), workedExample);
    QCOMPARE(doc.memo().text(), workedExample);
    QCOMPARE(doc.fileName(), copy);
}

void TestTrackFile::writerTakesTheBlockWhateverIsVisible()
{
    // 5, 5 and 3 codes: the size is 5 x 3, and a plain save keeps every
    // code, the short row filled up with the default piece it shows.
    const QString path = m_dir.filePath(QStringLiteral("553.kwf"));
    QVERIFY(writeBytes(path, "00,00,00,00,00\r\n01,01,01,01,01\r\n02,02,02\r\n"));
    MapTiles tiles(knownCodes);
    TrackDocument doc;
    TileStore store;
    Progress quiet;
    doc.open(path, tiles, store, quiet);
    QVERIFY(!doc.isModified());
    doc.save(path);
    QCOMPARE(readBytes(path), QByteArray("00,00,00,00,00\r\n01,01,01,01,01\r\n02,02,02,07,07\r\n"));

    // A hidden cell inside the block is written with its code; the default
    // 15 x 7 grid is 322 bytes.
    TrackDocument fresh;
    fresh.DrawGrid(true, quiet);
    fresh.setSize(15, 7);
    fresh.MakeArray();
    QCOMPARE(fresh.memo().text().size(), 322);
    QVERIFY(!fresh.memo().text().contains(",\r\n"));
}

void TestTrackFile::progressOfADefaultTrack()
{
    // 15 x 7 "07" codes: 44 characters a line, 308 texts, 105 tiles, and a
    // pump per character and per cell.
    const QString path = m_dir.filePath(QStringLiteral("default.kwf"));
    QVERIFY(writeBytes(path, (QByteArray("07") + QByteArray(",07").repeated(14) + "\r\n").repeated(7)));
    MapTiles tiles(knownCodes);
    TrackDocument doc;
    TileStore store;
    RecordingProgress progress;
    doc.open(path, tiles, store, progress);
    QCOMPARE(progress.texts.size(), 308 + 1);  // and the emptying at the end
    QCOMPARE(progress.texts.first(), QStringLiteral("Loading Track - 0-1"));
    QCOMPARE(progress.texts.at(307), QStringLiteral("Loading Track - 6-44"));
    QCOMPARE(progress.pumps, 413);
    QCOMPARE(tiles.loads, 105);
    QVERIFY(progress.last.isEmpty());
}

void TestTrackFile::openFailuresChangeNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing") << "missing.kwf" << "Cannot open file %1";
    QTest::newRow("folder") << "folder.kwf" << "Text exceeds memo capacity";
    QTest::newRow("FIFO") << "fifo.kwf" << "Text exceeds memo capacity";
    QTest::newRow("over 1 MiB") << "huge.kwf" << "Text exceeds memo capacity";
}

void TestTrackFile::openFailuresChangeNothing()
{
    QFETCH(QString, name);
    QFETCH(QString, message);
    const QString path = m_dir.filePath(name);
    QDir().mkpath(m_dir.filePath("folder.kwf"));
    mkfifo(QFile::encodeName(m_dir.filePath("fifo.kwf")).constData(), 0600);
    writeBytes(m_dir.filePath("huge.kwf"), QByteArray("07,").repeated(400000));

    MapTiles tiles(knownCodes);
    TrackDocument doc;
    TileStore store;
    Progress quiet;
    doc.DrawGrid(true, quiet);
    doc.TrackClick(0, "01");
    doc.setFileName(QStringLiteral("/earlier.kwf"));
    try {
        doc.open(path, tiles, store, quiet);
        QFAIL("opened");
    } catch (const KwError &e) {
        QCOMPARE(e.message(), message.contains("%1") ? message.arg(path) : message);
    }
    QCOMPARE(doc.cell(0).code, QByteArray("01"));
    QVERIFY(doc.isModified());
    QCOMPARE(doc.fileName(), QStringLiteral("/earlier.kwf"));
}

void TestTrackFile::failedWriteKeepsTheOldFile()
{
    // A full disk, made with a file-size limit: the write fails part-way and
    // the former file must stay byte for byte, with no temporary left over.
    const QString folder = m_dir.filePath(QStringLiteral("full"));
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + QStringLiteral("/track.kwf");
    QVERIFY(writeBytes(path, workedExample));

    Progress quiet;
    TrackDocument doc;
    TileStore store;
    doc.DrawGrid(true, quiet);
    doc.TrackClick(0, "00");
    QString message;
    {
        FileSizeLimit limit(100);
        QVERIFY(limit.active());
        try {
            doc.save(path);
        } catch (const KwError &e) {
            message = e.message();
        }
    }
    QCOMPARE(message, QStringLiteral("Stream write error"));
    QCOMPARE(readBytes(path), workedExample);
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"track.kwf"});
    QVERIFY(doc.isModified());
    QVERIFY(doc.fileName().isEmpty());
}

void TestTrackFile::unwritableFolder()
{
    const QString path = m_dir.filePath(QStringLiteral("nowhere/track.kwf"));
    TrackDocument doc;
    TileStore store;
    try {
        doc.save(path);
        QFAIL("saved");
    } catch (const KwError &e) {
        QCOMPARE(e.message(), QStringLiteral("Cannot create file ") + path);
    }
    try {
        doc.save(QString());
        QFAIL("saved");
    } catch (const KwError &e) {
        QCOMPARE(e.message(), QStringLiteral("Cannot create file "));
    }
}

void TestTrackFile::byteOrderMarkBelongsToTheFirstCode()
{
    // With a real tile folder holding 00.bmp, a track that starts with a
    // byte-order mark must still fail on "<mark>00", not load tile 00.
    const QString folder = m_dir.filePath(QStringLiteral("bomtiles"));
    QVERIFY(BmpBuilder::writeTileFolder(folder, {"00", "07"}));
    const QString path = m_dir.filePath(QStringLiteral("bom.kwf"));
    QVERIFY(writeBytes(path, "\xEF\xBB\xBF" "00,07\r\n"));
    TileFolder tiles(folder);
    TrackDocument doc;
    TileStore store;
    Progress quiet;
    try {
        doc.open(path, tiles, store, quiet);
        QFAIL("opened");
    } catch (const KwError &e) {
        // The mark is invisible, so the message shows its bytes.
        QCOMPARE(e.message(), QStringLiteral("Cannot open file ") + folder + QStringLiteral("/\\xEF\\xBB\\xBF00.bmp"));
    }
}

QTEST_GUILESS_MAIN(TestTrackFile)
#include "tst_trackfile.moc"
