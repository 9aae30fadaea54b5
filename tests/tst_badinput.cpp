// SPDX-License-Identifier: GPL-3.0-or-later
// Bad input from other people: track files, tile files, piece codes and
// output places that are broken in every way we could think of. Each row
// names the exact message the user sees, and every failure must leave the
// document (and any earlier file) exactly as it was.

#include "bmpbuilder.h"
#include "filesizelimit.h"
#include "permissionoverride.h"
#include "testfiles.h"
#include "base/kwerror.h"
#include "base/progress.h"
#include "document/trackdocument.h"
#include "document/trackfile.h"
#include "pieces/tilestore.h"
#include "export/pictureexport.h"
#include "pieces/bmpreader.h"
#include "pieces/tilesource.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <thread>
#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

// --- tile files, byte by byte ---

using BmpBuilder::Layout;

// A sound 2 x 2 picture at 24 bits: blue, green over red, white (bottom row first).
Layout sound24()
{
    Layout b;
    b.width = 2;
    b.height = 2;
    b.pixels = QByteArray("\x00\x00\xff\xff\xff\xff\x00\x00" "\xff\x00\x00\x00\xff\x00\x00\x00", 16);
    return b;
}

QVector<QRgb> colourTable(int entries)
{
    QVector<QRgb> table;
    for (int i = 0; i < entries; ++i)
        table.append(qRgb((i * 7) & 0xff, 255 - i, i));
    return table;
}

// A 4 x 2 RLE8 picture whose data are given.
Layout rle8(const QByteArray &data)
{
    Layout b;
    b.width = 4;
    b.height = 2;
    b.bitsPerPixel = 8;
    b.compression = BmpBuilder::Rle8;
    b.palette = colourTable(256);
    b.pixels = data;
    return b;
}

// A 2 x 1 picture at 16 bits with bit-field masks, both pixels 0x7fff.
Layout bitFields(quint32 red, quint32 green, quint32 blue)
{
    Layout b;
    b.width = 2;
    b.bitsPerPixel = 16;
    b.compression = BmpBuilder::BitFields;
    b.masks = {red, green, blue};
    b.pixels = QByteArray("\xff\x7f\xff\x7f", 4);
    return b;
}

// --- files and folders ---

bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size()
           && file.flush();
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

bool canCreateIn(const QString &folder)
{
    QFile probe(folder + QStringLiteral("/probe"));
    if (!probe.open(QIODevice::WriteOnly))
        return false;
    probe.remove();
    return true;
}

// --- a FIFO put in a file's place while it is read ---

// Exchanges two names over and over until stopped, so whoever opens the
// first name gets a regular file one moment and a FIFO the next.
class NameSwapper
{
public:
    NameSwapper(const QString &a, const QString &b)
        : m_a(QFile::encodeName(a)), m_b(QFile::encodeName(b))
    {
        m_works = exchange();
        if (m_works)
            m_thread = std::thread([this] {
                while (!m_stop)
                    exchange();
            });
    }
    ~NameSwapper() { stop(); }

    bool works() const { return m_works; }
    void stop()
    {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
    }

private:
    bool exchange()
    {
        return ::renameat2(AT_FDCWD, m_a.constData(), AT_FDCWD, m_b.constData(), RENAME_EXCHANGE) == 0;
    }

    QByteArray m_a, m_b;
    bool m_works = false;
    std::atomic<bool> m_stop{false};
    std::thread m_thread;
};

// Reads a file the way the editor does and says what came of it: its bytes
// (or its picture's size), or the message.
using Reader = std::function<QString(const QString &)>;

// Frees a reader that waits for a writer on the FIFO at either name.
void releaseFifoReaders(const QString &a, const QString &b)
{
    for (const QString &name : {a, b}) {
        const int fd = ::open(QFile::encodeName(name).constData(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0)
            ::close(fd);
    }
}

// --- the document ---

// Everything a failure must leave alone: every cell's code, picture and
// visibility, the size, the flag, the file name and the line buffer. (A
// save fills the buffer with the lines it writes before it writes them, so
// the buffer is left out after a failed save.)
QString state(const TrackDocument &doc, const TileStore &store, bool withMemo = true)
{
    const QByteArray memo = withMemo ? doc.memo().text().toHex() : QByteArray("-");
    QStringList parts{QStringLiteral("%1x%2 modified=%3 file=%4 memo=%5")
                          .arg(doc.width()).arg(doc.height()).arg(doc.isModified())
                          .arg(doc.fileName(), QString::fromLatin1(memo))};
    for (int i = 0; i < TrackGrid::cellCount; ++i) {
        const Cell &cell = doc.cell(i);
        parts << QStringLiteral("%1:%2:%3:%4").arg(i).arg(QString::fromLatin1(cell.code.toHex()))
                     .arg(cell.visible).arg(store.picture(cell.code).cacheKey());
    }
    return parts.join(QLatin1Char(' '));
}

// A document with a track read from <folder>/before.kwf and one cell
// changed since, so it differs from a fresh one in every respect.
bool loadEarlierTrack(TrackDocument &doc, TileStore &store, const TileFolder &tiles,
                      const QString &folder)
{
    const QString path = folder + QStringLiteral("/before.kwf");
    if (!writeAll(path, "07,07,07\r\n07,07\r\n"))
        return false;
    Progress quiet;
    doc.open(path, tiles, store, quiet);
    doc.TrackClick(TrackGrid::index(1, 1), "07");
    return doc.isModified();
}

// A place to test in: a folder with tiles/07.bmp and nothing else.
struct Workspace
{
    QTemporaryDir dir;
    QString tiles;

    bool ready()
    {
        tiles = dir.path() + QStringLiteral("/tiles");
        return dir.isValid() && QDir().mkpath(tiles)
               && writeAll(tiles + QStringLiteral("/07.bmp"), BmpBuilder::file(sound24()));
    }
    QString path(const QString &name) const { return dir.path() + QLatin1Char('/') + name; }
};

QString fill(QString text, const Workspace &w, const QString &track)
{
    return text.replace(QStringLiteral("{tiles}"), w.tiles).replace(QStringLiteral("{track}"), track);
}

// Opens the track and returns the message, or an empty string on success.
QString openTrack(TrackDocument &doc, TileStore &store, const QString &path, const TileSource &tiles)
{
    Progress quiet;
    try {
        doc.open(path, tiles, store, quiet);
    } catch (const KwError &error) {
        return error.message();
    }
    return QString();
}

enum class TrackKind { Bytes, Fifo, Folder, Missing, Device, Unreadable, SymlinkLoop };

// Things in the place of a file that are no readable file.
enum class NotAFile { Fifo, Folder, SymlinkLoop, DanglingSymlink, Unreadable };

// Puts one of them at path. Unreadable files only stay unreadable for root
// while a WithoutPermissionOverride lives.
bool makeNotAFile(NotAFile kind, const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    switch (kind) {
    case NotAFile::Fifo:
        return mkfifo(name.constData(), 0600) == 0;
    case NotAFile::Folder:
        return QDir().mkpath(path);
    case NotAFile::SymlinkLoop:
        return symlink(name.constData(), name.constData()) == 0;
    case NotAFile::DanglingSymlink:
        return symlink("nowhere/at/all", name.constData()) == 0;
    case NotAFile::Unreadable:
        return writeAll(path, "07\r\n") && chmod(name.constData(), 0) == 0;
    }
    return false;
}

const QString tooLarge = QStringLiteral("Track too large: at most 30 columns and 30 rows");
const QString memoCapacity = QStringLiteral("Text exceeds memo capacity");

QByteArray garbage(int size)
{
    // No NUL, line break or comma: one long code of odd bytes.
    QByteArray bytes;
    quint32 seed = 12345;
    while (bytes.size() < size) {
        seed = seed * 1103515245u + 12345u;
        const char c = char(seed >> 24);
        if (c != '\0' && c != '\r' && c != '\n' && c != ',')
            bytes += c;
    }
    return bytes;
}

enum class Output { Track, Jpeg, Bmp };

void writeOutput(TrackDocument &doc, const TileStore &store, Output kind, const QString &path)
{
    Progress quiet;
    switch (kind) {
    case Output::Track:
        doc.save(path);
        return;
    case Output::Jpeg:
        PictureExport::write(doc.grid(), store, path, PictureExport::Format::Jpeg, 24, quiet);
        return;
    case Output::Bmp:
        PictureExport::write(doc.grid(), store, path, PictureExport::Format::Bmp, 24, quiet);
        return;
    }
}

QString tryWrite(TrackDocument &doc, const TileStore &store, Output kind, const QString &path)
{
    try {
        writeOutput(doc, store, kind, path);
    } catch (const KwError &error) {
        return error.message();
    }
    return QString();
}

} // namespace

Q_DECLARE_METATYPE(TrackKind)
Q_DECLARE_METATYPE(NotAFile)
Q_DECLARE_METATYPE(Output)
Q_DECLARE_METATYPE(Reader)

class TestBadInput : public QObject
{
    Q_OBJECT

private slots:
    void trackFiles_data();
    void trackFiles();
    void tileFiles_data();
    void tileFiles();
    void tileNotAFile_data();
    void tileNotAFile();
    void codes_data();
    void codes();
    void outputPlaces_data();
    void outputPlaces();
    void fullDiskLosesNothing_data();
    void fullDiskLosesNothing();
    void fifoSwappedInWhileReading_data();
    void fifoSwappedInWhileReading();
};

void TestBadInput::trackFiles_data()
{
    QTest::addColumn<TrackKind>("kind");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");  // empty: read without failure
    QTest::addColumn<QString>("size");     // after a successful read

    const QByteArray row30 = QByteArray("07") + QByteArray(",07").repeated(29) + "\r\n";
    auto bytes = [](const char *name, const QByteArray &b, const QString &message, const QString &size = {}) {
        QTest::newRow(name) << TrackKind::Bytes << b << message << size;
    };
    // Bytes that are no text and invisible characters are shown escaped, and
    // a long code keeps its first 20 and last 19 characters.
    bytes("binary garbage", garbage(64),
          QStringLiteral("Cannot open file {tiles}/")
              + QString::fromUtf8("\xd3\xa7\\xD6\\xC2>\xcd\xaf \\xAFi\\x96&Re~\\xE6\\xBBD\xd0\x9fZ[}\xe2\x80\xa6"
                                  "\\xCDF\\xD9s\\xB2jO\\x82\\xAF\\x8EG\\xAF\\x13\\xE6\\x09\\x8A\\x19rF")
              + QStringLiteral(".bmp"));
    bytes("byte-order mark", "\xEF\xBB\xBF" "07,07\r\n",
          QStringLiteral("Cannot open file {tiles}/\\xEF\\xBB\\xBF07.bmp"));
    bytes("NUL ends the text", QByteArray("07,07\r\n07\0,ZZ\r\nZZ", 17), QString(), "2x2");
    // No text at all: the size stays that of the earlier track.
    bytes("NUL first", QByteArray("\0" "07,ZZ\r\n", 8), QString(), "3x2");
    bytes("NUL bytes only", QByteArray(100, '\0'), QString(), "3x2");
    // The end of the code that is shown is where the reader stopped.
    bytes("line of 5000 characters", QByteArray(4080, 'a') + "0123456789ABCDEF" + QByteArray(904, 'z') + "\r\n",
          QStringLiteral("Cannot open file {tiles}/aaaaaaaaaaaaaaaaaaaa\u2026aaa0123456789ABCDEF.bmp"));
    bytes("4097th character not seen", QByteArray(4085, 'b') + "0123456789,ZZ\r\n",
          QStringLiteral("Cannot open file {tiles}/bbbbbbbbbbbbbbbbbbbb\u2026bbbbbbbbb0123456789.bmp"));
    bytes("long line of codes", QByteArray("07,").repeated(2000) + "\r\n", tooLarge);
    bytes("10,000 commas", QByteArray(10000, ','), tooLarge);
    bytes("10,000 commas on row 2", "07\r\n" + QByteArray(10000, ','), tooLarge);
    bytes("10,000 lines", QByteArray("07\r\n").repeated(10000), tooLarge);
    bytes("10,000 empty lines", QByteArray("\r\n").repeated(10000), QString(), "3x2");
    bytes("10,000 lone CRs after a row", "07\r" + QByteArray(10000, '\r'), QString(), "1x1");
    bytes("31 codes", QByteArray("07") + QByteArray(",07").repeated(30) + "\r\n", tooLarge);
    bytes("31 rows", row30.repeated(31), tooLarge);
    bytes("31st row far down", "07\r\n" + QByteArray("\r\n").repeated(40) + "07\r\n", tooLarge);
    bytes("30 x 30 fits", row30.repeated(30), QString(), "30x30");
    bytes("missing tile after good ones", "07,07,07,07\r\n07,07,ZZ\r\n",
          QStringLiteral("Cannot open file {tiles}/ZZ.bmp"));
    QTest::newRow("FIFO") << TrackKind::Fifo << QByteArray() << memoCapacity << QString();
    QTest::newRow("folder") << TrackKind::Folder << QByteArray() << memoCapacity << QString();
    QTest::newRow("device") << TrackKind::Device << QByteArray() << memoCapacity << QString();
    QTest::newRow("missing file") << TrackKind::Missing << QByteArray()
                                  << QStringLiteral("Cannot open file {track}") << QString();
    QTest::newRow("unreadable file") << TrackKind::Unreadable << QByteArray()
                                     << QStringLiteral("Cannot open file {track}") << QString();
    QTest::newRow("symbolic link loop") << TrackKind::SymlinkLoop << QByteArray()
                                        << QStringLiteral("Cannot open file {track}") << QString();
    QTest::newRow("over 1 MiB") << TrackKind::Bytes << QByteArray("07,07\r\n").repeated(150000)
                                << memoCapacity << QString();
    QTest::newRow("1 MiB exactly") << TrackKind::Bytes
                                   << (QByteArray("07,07\r\n") + QByteArray(1048576 - 7, '\n'))
                                   << QString() << "2x1";
}

void TestBadInput::trackFiles()
{
    QFETCH(TrackKind, kind);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QFETCH(QString, size);
    Workspace w;
    QVERIFY(w.ready());
    QString path = w.path(QStringLiteral("bad.kwf"));
    switch (kind) {
    case TrackKind::Bytes:
        QVERIFY(writeAll(path, bytes));
        break;
    case TrackKind::Fifo:
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        break;
    case TrackKind::Folder:
        QVERIFY(QDir().mkpath(path));
        break;
    case TrackKind::Device:
        path = QStringLiteral("/dev/zero");
        break;
    case TrackKind::Unreadable:
        QVERIFY(makeNotAFile(NotAFile::Unreadable, path));
        break;
    case TrackKind::SymlinkLoop:
        QVERIFY(makeNotAFile(NotAFile::SymlinkLoop, path));
        break;
    case TrackKind::Missing:
        break;
    }

    const TileFolder tiles(w.tiles);
    TrackDocument doc;
    TileStore store;
    QVERIFY(loadEarlierTrack(doc, store, tiles, w.dir.path()));
    const QString before = state(doc, store);
    QString got;
    {
        WithoutPermissionOverride asOwner;
        got = openTrack(doc, store, path, tiles);
    }
    QCOMPARE(got, fill(message, w, path));
    if (!message.isEmpty()) {
        QCOMPARE(state(doc, store), before);
        return;
    }
    QCOMPARE(QStringLiteral("%1x%2").arg(doc.width()).arg(doc.height()), size);
    QCOMPARE(doc.fileName(), path);
    QVERIFY(!doc.isModified());
}

void TestBadInput::tileFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");   // the file T1.bmp
    QTest::addColumn<QString>("message");    // empty: loads
    QTest::addColumn<QSize>("size");         // of the loaded picture
    QTest::addColumn<QRgb>("bottomLeft");    // its bottom-left pixel; 0: not checked

    const QString streamRead = QStringLiteral("Stream read error");
    const QString invalid = QStringLiteral("Bitmap image is not valid");
    const QString resources = QStringLiteral("Out of system resources");
    const QSize none;
    const QByteArray good = BmpBuilder::file(sound24());

    QTest::newRow("empty file") << QByteArray() << QString() << QSize(0, 0) << QRgb(0);
    // Cut inside each field of the file header and of both kinds of
    // information header.
    const struct { const char *field; int length; } cuts[] = {
        {"signature", 1},     {"file size", 4},     {"reserved", 8},        {"data offset", 12},
        {"header size", 16},  {"width", 20},        {"height", 24},         {"planes", 27},
        {"bits per pixel", 29}, {"compression", 32}, {"image size", 36},    {"x resolution", 40},
        {"y resolution", 44}, {"colours used", 48}, {"colours important", 52},
    };
    for (const auto &cut : cuts)
        QTest::addRow("cut in %s", cut.field) << good.left(cut.length) << streamRead << none << QRgb(0);
    Layout core = sound24();
    core.headerSize = BmpBuilder::Core;
    for (int length : {18, 20, 22, 24, 25})
        QTest::addRow("core header cut at %d", length) << BmpBuilder::file(core).left(length) << streamRead << none
                                                       << QRgb(0);
    // The bottom row comes first in the file, so it is there.
    QTest::newRow("pixels cut short") << good.left(good.size() - 10) << QString() << QSize(2, 2)
                                      << qRgb(255, 0, 0);
    QTest::newRow("sound") << good << QString() << QSize(2, 2) << qRgb(255, 0, 0);

    QTest::newRow("text file") << QByteArray("this is not a picture at all") << invalid << none << QRgb(0);
    QTest::newRow("BM and 8 bytes") << QByteArray("BM\0\0\0\0\0\0\0\0", 10) << streamRead << none << QRgb(0);
    auto variant = [&](const char *name, const Layout &b, const QString &message) {
        QTest::newRow(name) << BmpBuilder::file(b) << message << none << QRgb(0);
    };
    Layout b = sound24();
    b.planes = 0;
    variant("no planes", b, invalid);
    b = sound24();
    b.headerSize = 20;
    variant("header size 20", b, invalid);
    b = sound24();
    b.headerSize = -1;  // 2^32 - 1 in the file
    variant("header size 2^32 - 1", b, streamRead);
    b = sound24();
    b.bitsPerPixel = 7;
    variant("7 bits per pixel", b, invalid);
    b = sound24();
    b.compression = 9;
    variant("compression 9", b, invalid);
    b = sound24();
    b.width = qint32(0x80000000u);
    variant("width 2^31", b, invalid);
    b = sound24();
    b.height = qint32(0x80000000u);
    variant("height -2^31", b, invalid);
    b = sound24();
    b.width = 0;
    variant("width 0", b, invalid);
    b = sound24();
    b.height = 0;
    variant("height 0", b, invalid);
    b = sound24();
    b.width = 65536;
    b.height = -65536;
    variant("65536 x 65536", b, resources);
    b = sound24();
    b.width = 0x7fffffff;
    b.height = 0x7fffffff;
    variant("2^31 - 1 square", b, resources);

    Layout indexed;
    indexed.width = 2;
    indexed.height = 2;
    indexed.bitsPerPixel = 8;
    indexed.palette = colourTable(10);  // 256 entries are due
    variant("colour table past the end", indexed, streamRead);
    indexed.coloursUsed = 0xffffffffu;
    variant("colours used 2^32 - 1", indexed, streamRead);

    auto rle = [&](const char *name, const QByteArray &data) {
        QTest::newRow(name) << BmpBuilder::file(rle8(data)) << QString() << QSize(4, 2) << QRgb(0);
    };
    rle("RLE run past the row", QByteArray("\xff\x05\x00\x01", 4));
    rle("RLE run past the picture", QByteArray("\x04\x01\x00\x00\x04\x01\x00\x00\x04\x01\x00\x00\xff\x02", 14));
    rle("RLE absolute block past the row", QByteArray("\x00\x10", 2) + QByteArray(16, '\x03') + "\x00\x01");
    rle("RLE delta past the picture", QByteArray("\x00\x02\xff\xff\x04\x01\x00\x01", 8));
    rle("RLE data cut inside a block", QByteArray("\x00\xfe\x01\x02", 4));
    rle("RLE without an end", QByteArray("\x02\x05", 2));

    QTest::newRow("bit-field masks of zero") << BmpBuilder::file(bitFields(0, 0, 0)) << QString() << QSize(2, 1)
                                             << qRgb(0, 0, 0);
    QTest::newRow("bit-field masks overlapping") << BmpBuilder::file(bitFields(0x7fff, 0x7fff, 0x7fff)) << QString()
                                                 << QSize(2, 1) << qRgb(255, 255, 255);
    QTest::newRow("bit-field mask of all bits") << BmpBuilder::file(bitFields(0xffffffffu, 0, 0x8000)) << QString()
                                                << QSize(2, 1) << QRgb(0);
    QByteArray cutMasks = BmpBuilder::file(bitFields(0x7c00, 0x03e0, 0x001f));
    cutMasks.truncate(14 + 40 + 6);
    QTest::newRow("bit-field masks cut short") << cutMasks << streamRead << none << QRgb(0);
}

void TestBadInput::tileFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QFETCH(QSize, size);
    QFETCH(QRgb, bottomLeft);
    Workspace w;
    QVERIFY(w.ready());
    QVERIFY(writeAll(w.tiles + QStringLiteral("/T1.bmp"), bytes));
    const TileFolder tiles(w.tiles);

    // The tile on its own...
    QString got;
    QImage picture;
    try {
        picture = tiles.load("T1");
    } catch (const KwError &error) {
        got = error.message();
    }
    QCOMPARE(got, message);
    if (message.isEmpty()) {
        QCOMPARE(picture.size(), size);
        if (!size.isEmpty() && bottomLeft)
            QCOMPARE(picture.pixel(0, size.height() - 1) & 0xffffff, bottomLeft & 0xffffff);
    }

    // ...and named by a track: the same message, and nothing changes.
    TrackDocument doc;
    TileStore store;
    QVERIFY(loadEarlierTrack(doc, store, tiles, w.dir.path()));
    const QString before = state(doc, store);
    const QString track = w.path(QStringLiteral("uses-t1.kwf"));
    QVERIFY(writeAll(track, "07,T1\r\n"));
    QCOMPARE(openTrack(doc, store, track, tiles), message);
    if (message.isEmpty())
        QCOMPARE(store.picture(doc.cell(1, 0).code).size(), size);
    else
        QCOMPARE(state(doc, store), before);
}

void TestBadInput::tileNotAFile_data()
{
    QTest::addColumn<NotAFile>("kind");
    QTest::newRow("FIFO") << NotAFile::Fifo;
    QTest::newRow("folder") << NotAFile::Folder;
    QTest::newRow("symbolic link loop") << NotAFile::SymlinkLoop;
    QTest::newRow("dangling symbolic link") << NotAFile::DanglingSymlink;
    QTest::newRow("unreadable file") << NotAFile::Unreadable;
}

void TestBadInput::tileNotAFile()
{
    // Whatever stands in the tile's place, the track is refused with the
    // tile's name, and nothing blocks (a FIFO has no writer).
    QFETCH(NotAFile, kind);
    Workspace w;
    QVERIFY(w.ready());
    const QString tile = w.tiles + QStringLiteral("/T1.bmp");
    QVERIFY(makeNotAFile(kind, tile));
    const TileFolder tiles(w.tiles);
    TrackDocument doc;
    TileStore store;
    QVERIFY(loadEarlierTrack(doc, store, tiles, w.dir.path()));
    const QString before = state(doc, store);
    const QString track = w.path(QStringLiteral("uses-t1.kwf"));
    QVERIFY(writeAll(track, "07,T1\r\n"));
    QString got;
    {
        WithoutPermissionOverride asOwner;
        got = openTrack(doc, store, track, tiles);
    }
    QCOMPARE(got, QStringLiteral("Cannot open file ") + tile);
    QCOMPARE(state(doc, store), before);
}

void TestBadInput::codes_data()
{
    QTest::addColumn<QByteArray>("track");
    QTest::addColumn<QString>("message");  // empty: read, and the code is kept as it is
    QTest::newRow("slash, file exists below tiles") << QByteArray("07,sub/T2\r\n")
                                                    << QStringLiteral("Cannot open file {tiles}/sub/T2.bmp");
    QTest::newRow("dot dot slash, file exists above tiles") << QByteArray("07,../T3\r\n")
                                                            << QStringLiteral("Cannot open file {tiles}/../T3.bmp");
    QTest::newRow("absolute path") << QByteArray("/etc/passwd\r\n")
                                   << QStringLiteral("Cannot open file {tiles}//etc/passwd.bmp");
    QTest::newRow("dot dot") << QByteArray("..\r\n") << QStringLiteral("Cannot open file {tiles}/...bmp");
    QTest::newRow("dot") << QByteArray(".\r\n") << QStringLiteral("Cannot open file {tiles}/..bmp");
    QTest::newRow("leading space, no such tile") << QByteArray(" 07\r\n")
                                                 << QStringLiteral("Cannot open file {tiles}/ 07.bmp");
    QTest::newRow("trailing space, no such tile") << QByteArray("07 \r\n")
                                                  << QStringLiteral("Cannot open file {tiles}/07 .bmp");
    QTest::newRow("empty code") << QByteArray("07,,07\r\n") << QStringLiteral("Cannot open file {tiles}/.bmp");
    QTest::newRow("spaces, tile exists") << QByteArray("07, s p \r\n") << QString();

    // The first line of a binary file: the message names the tile that was
    // looked for, its odd bytes readable.
    QTest::newRow("ordinary code") << QByteArray("07,Q9\r\n") << QStringLiteral("Cannot open file {tiles}/Q9.bmp");
    QTest::newRow("control bytes") << QByteArray("07,\x1b[2J\x07\x7f\tA\r\n")
                                   << QStringLiteral("Cannot open file {tiles}/\\x1B[2J\\x07\\x7F\\x09A.bmp");
    QTest::newRow("NUL after a code, text stops there")
        << QByteArray("07, s p \0\x1b\x01,ZZ\r\n", 16) << QString();
    QTest::newRow("invalid UTF-8") << QByteArray("07,\xff\xfe\xc3(\xe2\x82\r\n")
                                   << QStringLiteral("Cannot open file {tiles}/\\xFF\\xFE\\xC3(\\xE2\\x82.bmp");
    QTest::newRow("UTF-8 letters as they are") << QByteArray("Kurve \xc3\xa9\r\n")
                                               << QStringLiteral("Cannot open file {tiles}/Kurve \u00e9.bmp");
    QTest::newRow("4096-byte code")
        << (QByteArray("BEGIN-") + QByteArray(4078, '\xaa') + "-END-OF-CODE\r\n")
        << QStringLiteral("Cannot open file {tiles}/BEGIN-%1\u2026%2-END-OF-CODE.bmp")
               .arg(QStringLiteral("\\xAA").repeated(14), QStringLiteral("\\xAA").repeated(7));
    QTest::newRow("dot dot slash and a control byte, file exists above tiles")
        << QByteArray("07,../\x7f\r\n") << QStringLiteral("Cannot open file {tiles}/../\\x7F.bmp");
}

void TestBadInput::codes()
{
    QFETCH(QByteArray, track);
    QFETCH(QString, message);
    Workspace w;
    QVERIFY(w.ready());
    // Sound tiles where a code that is a path would lead, and one whose
    // name has spaces: only the last may ever be read.
    QVERIFY(QDir().mkpath(w.tiles + QStringLiteral("/sub")));
    QVERIFY(writeAll(w.tiles + QStringLiteral("/sub/T2.bmp"), BmpBuilder::file(sound24())));
    QVERIFY(writeAll(w.path(QStringLiteral("T3.bmp")), BmpBuilder::file(sound24())));
    QVERIFY(writeAll(w.path(QStringLiteral("\x7f.bmp")), BmpBuilder::file(sound24())));
    QVERIFY(writeAll(w.tiles + QStringLiteral("/ s p .bmp"), BmpBuilder::file(sound24())));

    const TileFolder tiles(w.tiles);
    TrackDocument doc;
    TileStore store;
    QVERIFY(loadEarlierTrack(doc, store, tiles, w.dir.path()));
    const QString before = state(doc, store);
    const QString path = w.path(QStringLiteral("codes.kwf"));
    QVERIFY(writeAll(path, track));
    QCOMPARE(openTrack(doc, store, path, tiles), fill(message, w, path));
    if (!message.isEmpty()) {
        QCOMPARE(state(doc, store), before);
        return;
    }
    QCOMPARE(doc.cell(1, 0).code, QByteArray(" s p "));
    QCOMPARE(store.picture(doc.cell(1, 0).code).size(), QSize(2, 2));
}

void TestBadInput::outputPlaces_data()
{
    QTest::addColumn<Output>("kind");
    QTest::addColumn<QString>("place");  // "missing" or "read-only" folder, or "folder" in the way
    const struct { const char *name; Output kind; } kinds[] = {
        {"track", Output::Track}, {"JPEG", Output::Jpeg}, {"BMP", Output::Bmp}};
    for (const auto &k : kinds) {
        QTest::addRow("%s in a missing folder", k.name) << k.kind << QStringLiteral("missing");
        QTest::addRow("%s in a read-only folder", k.name) << k.kind << QStringLiteral("read-only");
        QTest::addRow("%s over a folder", k.name) << k.kind << QStringLiteral("folder");
    }
}

void TestBadInput::outputPlaces()
{
    QFETCH(Output, kind);
    QFETCH(QString, place);
    Workspace w;
    QVERIFY(w.ready());
    const TileFolder tiles(w.tiles);
    TrackDocument doc;
    TileStore store;
    QVERIFY(loadEarlierTrack(doc, store, tiles, w.dir.path()));
    const QString before = state(doc, store, false);

    const QString folder = w.path(place);
    const QString path = folder + (kind == Output::Track  ? QStringLiteral("/out.kwf")
                                   : kind == Output::Jpeg ? QStringLiteral("/out.jpg")
                                                          : QStringLiteral("/out.bmp"));
    if (place == QLatin1String("read-only")) {
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    }
    // The output's own name is taken by a folder.
    QStringList present;
    if (place == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(path));
        present = entries(folder);
    }
    QString message;
    {
        WithoutPermissionOverride asOwner;
        if (place == QLatin1String("read-only") && canCreateIn(folder))
            QSKIP("this process can write into read-only folders");
        message = tryWrite(doc, store, kind, path);
    }
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(message, QStringLiteral("Cannot create file ") + path);
    QCOMPARE(state(doc, store, false), before);
    QCOMPARE(entries(folder), present);
}

void TestBadInput::fullDiskLosesNothing_data()
{
    QTest::addColumn<Output>("kind");
    QTest::addColumn<int>("limit");  // bytes the disk takes; -1: one byte short of the file
    QTest::addColumn<int>("side");   // the track is side x 7, or 30 x 30
    const struct { const char *name; Output kind; } kinds[] = {
        {"track", Output::Track}, {"JPEG", Output::Jpeg}, {"BMP", Output::Bmp}};
    for (const auto &k : kinds) {
        for (int limit : {0, 1, 100, -1})
            QTest::addRow("%s, disk full after %d bytes", k.name, limit) << k.kind << limit << 15;
        // A 30 x 30 picture is large enough to be allocated apart.
        QTest::addRow("%s of 30 x 30, disk full one byte short", k.name) << k.kind << -1 << 30;
    }
}

void TestBadInput::fullDiskLosesNothing()
{
    QFETCH(Output, kind);
    QFETCH(int, limit);
    QFETCH(int, side);
    Workspace w;
    QVERIFY(w.ready());
    const TileFolder tiles(w.tiles);
    TrackDocument doc;
    TileStore store;
    QVERIFY(loadEarlierTrack(doc, store, tiles, w.dir.path()));
    doc.setSize(side, side == 30 ? 30 : 7);  // every file passes 100 bytes

    // The size of the complete file, from a write that is allowed to finish.
    const QString folder = w.path(QStringLiteral("out"));
    QVERIFY(QDir().mkpath(folder));
    const QString trial = w.path(QStringLiteral("trial"));
    QVERIFY(tryWrite(doc, store, kind, trial).isEmpty());
    const qint64 full = QFileInfo(trial).size();
    QVERIFY(full > 100);
    if (limit < 0)
        limit = int(full - 1);

    const QString path = folder + QStringLiteral("/track.out");
    const QByteArray former("the former file, which must survive\r\n");
    QVERIFY(writeAll(path, former));
    doc.TrackClick(0, "07");
    const QString before = state(doc, store, false);
    QString message;
    {
        FileSizeLimit disk(rlim_t(qMax(limit, 0)));
        QVERIFY(disk.active());
        message = tryWrite(doc, store, kind, path);
    }
    QCOMPARE(message, QStringLiteral("Stream write error"));
    QCOMPARE(readBytes(path), former);
    QCOMPARE(entries(folder), QStringList{QStringLiteral("track.out")});
    QCOMPARE(state(doc, store, false), before);
}

void TestBadInput::fifoSwappedInWhileReading_data()
{
    QTest::addColumn<Reader>("read");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("whenFile");   // what reading the file gives
    QTest::addColumn<QString>("whenFifo");   // {path} stands for the path

    const auto outcome = [](const std::function<QString()> &read) {
        try {
            return read();
        } catch (const KwError &error) {
            return error.message();
        }
    };
    const Reader track = [outcome](const QString &path) {
        return outcome([&] { return QString::fromLatin1(TrackFile::readBytes(path)); });
    };
    const Reader tile = [outcome](const QString &path) {
        return outcome([&] {
            const QImage picture = BmpReader::readFile(path);
            return QStringLiteral("%1x%2").arg(picture.width()).arg(picture.height());
        });
    };
    QTest::newRow("track file") << track << QByteArray("07,07\r\n") << QStringLiteral("07,07\r\n")
                                << QStringLiteral("Text exceeds memo capacity");
    QTest::newRow("tile file") << tile << BmpBuilder::file(sound24()) << QStringLiteral("2x2")
                               << QStringLiteral("Cannot open file {path}");
}

void TestBadInput::fifoSwappedInWhileReading()
{
    // Whatever a name is between a look at it and the opening, the reader
    // never waits on a FIFO: each read gives the file or the refusal.
    QFETCH(Reader, read);
    QFETCH(QByteArray, content);
    QFETCH(QString, whenFile);
    QFETCH(QString, whenFifo);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("read-me"));
    const QString other = dir.filePath(QStringLiteral("fifo"));
    QVERIFY(writeAll(path, content));
    QCOMPARE(mkfifo(QFile::encodeName(other).constData(), 0600), 0);
    whenFifo.replace(QStringLiteral("{path}"), path);

    NameSwapper swapper(path, other);
    if (!swapper.works())
        QSKIP("this file system cannot exchange names");
    std::atomic<bool> done{false};
    QString unexpected;
    int files = 0, fifos = 0;
    std::thread reader([&] {
        for (int i = 0; i < 20000 && unexpected.isEmpty(); ++i) {
            const QString got = read(path);
            if (got == whenFile)
                ++files;
            else if (got == whenFifo)
                ++fifos;
            else
                unexpected = got;
        }
        done = true;
    });
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (!done && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    const bool waited = !done;
    swapper.stop();
    while (!done) {
        releaseFifoReaders(path, other);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    reader.join();
    QVERIFY2(!waited, "a read waited for a writer on a FIFO");
    QCOMPARE(unexpected, QString());
    qInfo("%d reads of the file, %d refusals of the FIFO", files, fifos);
    QVERIFY(files > 0 && fifos > 0);
}

QTEST_GUILESS_MAIN(TestBadInput)
#include "tst_badinput.moc"
