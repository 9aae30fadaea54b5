// SPDX-License-Identifier: GPL-3.0-or-later
#include "bmpbuilder.h"
#include "filesizelimit.h"
#include "recordingprogress.h"
#include "testfiles.h"
#include "base/kwerror.h"
#include "base/progress.h"
#include "document/trackdocument.h"
#include "export/bmpwriter.h"
#include "export/jpegwriter.h"
#include "export/picturecomposer.h"
#include "export/pictureexport.h"
#include "export/trackexport.h"
#include "pieces/tilesource.h"
#include "pieces/tilestore.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <csignal>
#include <cstdio>
#include <jpeglib.h>
#include <jerror.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// Pictures by code, held in memory; an unknown code fails like a missing file.
class MemoryTiles : public TileSource
{
public:
    void add(const QByteArray &code, const QImage &picture) { m_pictures.insert(code, picture); }
    QImage picture(const QByteArray &code) const { return m_pictures.value(code); }

    QImage load(const QByteArray &code) const override
    {
        const auto it = m_pictures.constFind(code);
        if (it == m_pictures.constEnd())
            throw KwError::cannotOpen(QString::fromLatin1(code) + QStringLiteral(".bmp"));
        return *it;
    }

private:
    QHash<QByteArray, QImage> m_pictures;
};

// Every cell of a track gets its own code and its own patterned tile.
QByteArray codeAt(int column, int row)
{
    return "t" + QByteArray::number(column) + "." + QByteArray::number(row);
}

MemoryTiles patternedTiles()
{
    MemoryTiles tiles;
    for (int c = 0; c < TrackGrid::side; ++c)
        for (int r = 0; r < TrackGrid::side; ++r)
            tiles.add(codeAt(c, r), BmpBuilder::patterned(c * TrackGrid::side + r + 1));
    return tiles;
}

// A columns x rows track file whose cell (c, r) holds codeAt(c, r).
QByteArray trackText(int columns, int rows)
{
    QByteArray text;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c)
            text += (c ? "," : "") + codeAt(c, r);
        text += "\r\n";
    }
    return text;
}

// The picture as the rules describe it, pixel by pixel: white grid lines,
// each cell showing its tile's pixels (1,1)..(48,48), white where the tile
// has no pixel.
QImage referencePicture(const TrackDocument &document, const TileStore &tiles)
{
    QImage picture(49 * document.width() + 1, 49 * document.height() + 1, QImage::Format_RGB32);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            QRgb pixel = 0xffffffffu;
            const int tx = x % 49, ty = y % 49;
            if (tx != 0 && ty != 0) {
                const QImage tile = tiles.picture(document.cell(x / 49, y / 49).code);
                if (tx < tile.width() && ty < tile.height())
                    pixel = 0xff000000u | tile.pixel(tx, ty);
            }
            picture.setPixel(x, y, pixel);
        }
    }
    return picture;
}

// --- JPEG reading, just enough to check what the writer put in the file ---

struct Segment
{
    quint8 marker;
    QByteArray body;
};

struct JpegLayout
{
    QVector<Segment> segments;
    int restartMarkers = 0;
    bool wellFormed = false;
};

JpegLayout parseJpeg(const QByteArray &jpeg)
{
    JpegLayout layout;
    const auto byte = [&jpeg](qsizetype i) { return quint8(jpeg.at(i)); };
    if (jpeg.size() < 4 || byte(0) != 0xff || byte(1) != 0xd8)
        return layout;
    layout.segments.append(Segment{0xd8, {}});
    qsizetype pos = 2;
    while (pos + 1 < jpeg.size()) {
        if (byte(pos) != 0xff)
            return layout;
        const quint8 marker = byte(pos + 1);
        pos += 2;
        if (marker == 0xd9) {
            layout.segments.append(Segment{marker, {}});
            layout.wellFormed = pos == jpeg.size();
            return layout;
        }
        if (pos + 2 > jpeg.size())
            return layout;
        const int length = qFromBigEndian<quint16>(jpeg.constData() + pos);
        layout.segments.append(Segment{marker, jpeg.mid(pos + 2, length - 2)});
        pos += length;
        if (marker != 0xda)
            continue;
        // Entropy-coded data runs to the next marker that is neither a
        // stuffed zero nor a restart marker.
        while (pos + 1 < jpeg.size()) {
            if (byte(pos) == 0xff && byte(pos + 1) != 0x00) {
                if (byte(pos + 1) < 0xd0 || byte(pos + 1) > 0xd7)
                    break;
                ++layout.restartMarkers;
            }
            ++pos;
        }
    }
    return layout;
}

QByteArray bodyOf(const JpegLayout &layout, quint8 marker)
{
    for (const Segment &segment : layout.segments)
        if (segment.marker == marker)
            return segment.body;
    return {};
}

// The marker kinds in file order, runs of one kind counted once.
QVector<int> markerKinds(const JpegLayout &layout)
{
    QVector<int> kinds;
    for (const Segment &segment : layout.segments)
        if (kinds.isEmpty() || kinds.last() != segment.marker)
            kinds.append(segment.marker);
    return kinds;
}

// Natural (row-major) index of each zigzag position.
QVector<int> zigzag()
{
    QVector<int> order;
    for (int s = 0; s < 15; ++s) {
        const int low = std::max(0, s - 7), high = std::min(s, 7);
        for (int i = 0; i <= high - low; ++i) {
            const int row = (s % 2 == 0) ? high - i : low + i;
            order.append(row * 8 + (s - row));
        }
    }
    return order;
}

// The example tables of the JPEG standard (Annex K), in natural order.
const int standardLuminance[64] = {
    16, 11, 10, 16, 24, 40, 51, 61,     12, 12, 14, 19, 26, 58, 60, 55,
    14, 13, 16, 24, 40, 57, 69, 56,     14, 17, 22, 29, 51, 87, 80, 62,
    18, 22, 37, 56, 68, 109, 103, 77,   24, 35, 55, 64, 81, 104, 113, 92,
    49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95, 98, 112, 100, 103, 99};
const int standardChrominance[64] = {
    17, 18, 24, 47, 99, 99, 99, 99, 18, 21, 26, 66, 99, 99, 99, 99,
    24, 26, 56, 99, 99, 99, 99, 99, 47, 66, 99, 99, 99, 99, 99, 99,
    99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99,
    99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99};

// A standard table scaled as libjpeg scales it for a quality, baseline
// limited, in the zigzag order of a DQT segment.
QByteArray scaledTable(const int (&table)[64], int quality)
{
    const int scale = quality < 50 ? 5000 / quality : 200 - 2 * quality;
    QByteArray bytes;
    for (int natural : zigzag())
        bytes.append(char(std::clamp((table[natural] * scale + 50) / 100, 1, 255)));
    return bytes;
}

// The standard Huffman tables: code-length counts, and the symbols. The AC
// symbols of the longest codes follow in ascending order.
QByteArray acSymbols(const QByteArray &shorterCodes)
{
    QByteArray all;
    all.append(char(0x00));
    all.append(char(0xf0));
    for (int run = 0; run < 16; ++run)
        for (int size = 1; size <= 10; ++size)
            all.append(char(run << 4 | size));
    std::sort(all.begin(), all.end(), [](char a, char b) { return quint8(a) < quint8(b); });
    QByteArray symbols = shorterCodes;
    for (char symbol : all)
        if (!shorterCodes.contains(symbol))
            symbols.append(symbol);
    return symbols;
}

QHash<int, QByteArray> standardHuffmanTables()
{
    const QByteArray dcSymbols = QByteArray::fromHex("000102030405060708090a0b");
    return {
        {0x00, QByteArray::fromHex("00010501010101010100000000000000") + dcSymbols},
        {0x01, QByteArray::fromHex("00030101010101010101010000000000") + dcSymbols},
        {0x10, QByteArray::fromHex("0002010303020403050504040000017d")
                   + acSymbols(QByteArray::fromHex(
                       "01020300041105122131410613516107227114328191a1082342b1c11552d1f024336272"
                       "82"))},
        {0x11, QByteArray::fromHex("00020102040403040705040400010277")
                   + acSymbols(QByteArray::fromHex(
                       "000102031104052131061241510761711322328108144291a1b1c109233352f0156272d1"
                       "0a162434e125f1"))},
    };
}

// DQT and DHT content, whatever way the tables are split over segments.
QHash<int, QByteArray> quantTables(const JpegLayout &layout)
{
    QHash<int, QByteArray> tables;
    for (const Segment &segment : layout.segments) {
        if (segment.marker != 0xdb)
            continue;
        for (qsizetype pos = 0; pos + 65 <= segment.body.size(); pos += 65)
            tables.insert(quint8(segment.body.at(pos)), segment.body.mid(pos + 1, 64));
    }
    return tables;
}

QHash<int, QByteArray> huffmanTables(const JpegLayout &layout)
{
    QHash<int, QByteArray> tables;
    for (const Segment &segment : layout.segments) {
        if (segment.marker != 0xc4)
            continue;
        qsizetype pos = 0;
        while (pos + 17 <= segment.body.size()) {
            int count = 0;
            for (int i = 1; i <= 16; ++i)
                count += quint8(segment.body.at(pos + i));
            tables.insert(quint8(segment.body.at(pos)), segment.body.mid(pos + 1, 16 + count));
            pos += 17 + count;
        }
    }
    return tables;
}

quint32 le32(const QByteArray &bytes, int offset)
{
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}

quint16 le16(const QByteArray &bytes, int offset)
{
    return qFromLittleEndian<quint16>(bytes.constData() + offset);
}

} // namespace

class TestExport : public QObject
{
    Q_OBJECT

private:
    // Opens a columns x rows track whose every cell has its own tile.
    bool openTrack(TrackDocument &document, int columns, int rows, const QString &name);
    QString path(const QString &name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
    MemoryTiles m_tiles = patternedTiles();
    TileStore m_store;

private slots:
    void initTestCase();

    void composeGeometry_data();
    void composeGeometry();
    void composeOddTiles_data();
    void composeOddTiles();

    void jpegKeepsColours_data();
    void jpegKeepsColours();
    void jpegHeader();
    void jpegMatchesCjpeg();
    void jpegErrors_data();
    void jpegErrors();

    void bmpFile_data();
    void bmpFile();
    void bmpPacking_data();
    void bmpPacking();

    void outputName_data();
    void outputName();
    void formatOfName_data();
    void formatOfName();
    void namesTrackFile_data();
    void namesTrackFile();
    void extension();

    void exportReplacesEarlierPicture();
    void thumbnail_data();
    void thumbnail();
    void failingWriteKeepsEarlierPicture_data();
    void failingWriteKeepsEarlierPicture();
    void cannotCreate_data();
    void cannotCreate();
    void exportLeavesDocumentAlone();
};

bool TestExport::openTrack(TrackDocument &document, int columns, int rows, const QString &name)
{
    const QString file = path(name);
    if (!writeBytes(file, trackText(columns, rows)))
        return false;
    Progress quiet;
    document.open(file, m_tiles, m_store, quiet);
    return document.width() == columns && document.height() == rows;
}

void TestExport::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

void TestExport::composeGeometry_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("last");

    QTest::newRow("1 x 1") << 1 << 1 << QSize(50, 50) << QString() << "Drawing Image - 0-0";
    QTest::newRow("15 x 7") << 15 << 7 << QSize(736, 344) << "Drawing Image - 0-1"
                            << "Drawing Image - 14-6";
    QTest::newRow("5 x 20") << 5 << 20 << QSize(246, 981) << "Drawing Image - 0-1"
                            << "Drawing Image - 4-19";
    QTest::newRow("wide 30 x 1") << 30 << 1 << QSize(1471, 50) << "Drawing Image - 1-0"
                                 << "Drawing Image - 29-0";
    QTest::newRow("30 x 30") << 30 << 30 << QSize(1471, 1471) << "Drawing Image - 0-1"
                             << "Drawing Image - 29-29";
}

void TestExport::composeGeometry()
{
    QFETCH(int, columns);
    QFETCH(int, rows);
    QFETCH(QSize, size);
    QFETCH(QString, second);
    QFETCH(QString, last);

    TrackDocument document;
    QVERIFY(openTrack(document, columns, rows, QStringLiteral("geometry.kwf")));
    RecordingProgress progress;
    const QImage picture = PictureComposer::compose(document.grid(), m_store, progress);

    QCOMPARE(picture.size(), size);
    QCOMPARE(picture.format(), QImage::Format_RGB32);
    // The corners of the grid and of the first tile.
    const QImage first = m_store.picture(document.cell(0, 0).code);
    QCOMPARE(picture.pixel(0, 0), 0xffffffffu);
    QCOMPARE(picture.pixel(1, 1), first.pixel(1, 1));
    QCOMPARE(picture.pixel(48, 48), first.pixel(48, 48));
    for (int y = 0; y < picture.height(); ++y) {
        QCOMPARE(picture.pixel(49, y), 0xffffffffu);
        QCOMPARE(picture.pixel(picture.width() - 1, y), 0xffffffffu);
    }
    for (int x = 0; x < picture.width(); ++x) {
        QCOMPARE(picture.pixel(x, 49), 0xffffffffu);
        QCOMPARE(picture.pixel(x, picture.height() - 1), 0xffffffffu);
    }
    QVERIFY(picture == referencePicture(document, m_store));

    QCOMPARE(progress.texts.size(), columns * rows);
    QCOMPARE(progress.texts.first(), QStringLiteral("Drawing Image - 0-0"));
    if (!second.isEmpty())
        QCOMPARE(progress.texts.at(1), second);
    QCOMPARE(progress.texts.last(), last);
    QCOMPARE(progress.pumps, 0);
}

void TestExport::composeOddTiles_data()
{
    QTest::addColumn<QImage>("tile");

    QImage indexed(50, 50, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(200, 10, 30), qRgb(0, 90, 250)});
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 50; ++x)
            indexed.setPixel(x, y, (x + y) % 2);
    QImage translucent = BmpBuilder::patterned(7).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 50; ++x)
            translucent.setPixel(x, y, (translucent.pixel(x, y) & 0xffffffu) | (quint32(x * 5) << 24));

    QTest::newRow("smaller 30 x 20") << BmpBuilder::patterned(3, 30, 20);
    QTest::newRow("exactly 49 x 49") << BmpBuilder::patterned(4, 49, 49);
    QTest::newRow("one pixel") << BmpBuilder::patterned(5, 1, 1);
    QTest::newRow("larger 64 x 60") << BmpBuilder::patterned(6, 64, 60);
    QTest::newRow("indexed") << indexed;
    QTest::newRow("24-bit") << BmpBuilder::patterned(8).convertToFormat(QImage::Format_RGB888);
    QTest::newRow("alpha ignored") << translucent;
    QTest::newRow("empty") << QImage();
}

void TestExport::composeOddTiles()
{
    QFETCH(QImage, tile);

    m_tiles.add("odd", tile);
    QVERIFY(writeBytes(path(QStringLiteral("odd.kwf")), "odd\r\n"));
    TrackDocument document;
    Progress quiet;
    document.open(path(QStringLiteral("odd.kwf")), m_tiles, m_store, quiet);

    const QImage picture = PictureComposer::compose(document.grid(), m_store, quiet);
    QCOMPARE(picture.size(), QSize(50, 50));
    QVERIFY(picture == referencePicture(document, m_store));
}

void TestExport::jpegKeepsColours_data()
{
    QTest::addColumn<QColor>("colour");
    QTest::newRow("red") << QColor(255, 0, 0);
    QTest::newRow("green") << QColor(0, 255, 0);
    QTest::newRow("blue") << QColor(0, 0, 255);
    QTest::newRow("orange") << QColor(255, 128, 0);
}

void TestExport::jpegKeepsColours()
{
    QFETCH(QColor, colour);

    m_tiles.add("solid", BmpBuilder::solid(colour));
    QVERIFY(writeBytes(path(QStringLiteral("solid.kwf")), "solid\r\n"));
    TrackDocument document;
    Progress quiet;
    document.open(path(QStringLiteral("solid.kwf")), m_tiles, m_store, quiet);

    const QImage decoded = QImage::fromData(JpegWriter::encode(PictureComposer::compose(document.grid(), m_store, quiet)), "JPEG");
    QCOMPARE(decoded.size(), QSize(50, 50));
    const QColor centre = decoded.pixelColor(25, 25);
    const auto near = [](int a, int b) { return std::abs(a - b) <= 12; };
    QVERIFY2(near(centre.red(), colour.red()) && near(centre.green(), colour.green())
                 && near(centre.blue(), colour.blue()),
             qPrintable(centre.name()));
}

void TestExport::jpegHeader()
{
    TrackDocument document;
    QVERIFY(openTrack(document, 15, 7, QStringLiteral("header.kwf")));
    Progress quiet;
    const QByteArray jpeg = JpegWriter::encode(PictureComposer::compose(document.grid(), m_store, quiet));
    const JpegLayout layout = parseJpeg(jpeg);
    QVERIFY(layout.wellFormed);

    // SOI, APP0, DQT, SOF0, DHT, SOS, EOI: one baseline scan, nothing else.
    QCOMPARE(markerKinds(layout), (QVector<int>{0xd8, 0xe0, 0xdb, 0xc0, 0xc4, 0xda, 0xd9}));
    QCOMPARE(layout.restartMarkers, 0);

    // JFIF 1.01, density unit 0, 1 x 1, no thumbnail.
    QCOMPARE(bodyOf(layout, 0xe0), QByteArray("JFIF\0\x01\x01\x00\x00\x01\x00\x01\x00\x00", 14));

    // 8 bits, 344 rows, 736 columns, Y 2 x 2 with table 0, Cb and Cr 1 x 1 with table 1.
    QCOMPARE(bodyOf(layout, 0xc0),
             QByteArray::fromHex("08" "0158" "02e0" "03" "012200" "021101" "031101"));

    const QHash<int, QByteArray> quant = quantTables(layout);
    QCOMPARE(quant.size(), 2);
    QCOMPARE(quant.value(0x00), scaledTable(standardLuminance, 65));
    QCOMPARE(quant.value(0x01), scaledTable(standardChrominance, 65));

    const QHash<int, QByteArray> huffman = huffmanTables(layout);
    const QHash<int, QByteArray> standard = standardHuffmanTables();
    QCOMPARE(huffman.size(), 4);
    for (auto it = standard.cbegin(); it != standard.cend(); ++it)
        QCOMPARE(huffman.value(it.key()).toHex(), it.value().toHex());

    // One interleaved sequential scan over all 64 coefficients.
    QCOMPARE(bodyOf(layout, 0xda), QByteArray::fromHex("03" "0100" "0211" "0311" "00" "3f" "00"));
}

void TestExport::jpegMatchesCjpeg()
{
    // libjpeg's own command-line encoder at the same quality writes the same
    // file from the same pixels: same defaults, same tables, same colours.
    const QString cjpeg = QStandardPaths::findExecutable(QStringLiteral("cjpeg"));
    if (cjpeg.isEmpty())
        QSKIP("cjpeg (libjpeg-turbo-progs) is not installed");

    TrackDocument document;
    QVERIFY(openTrack(document, 6, 4, QStringLiteral("cjpeg.kwf")));
    Progress quiet;
    const QImage picture = PictureComposer::compose(document.grid(), m_store, quiet);
    QByteArray ppm = "P6\n" + QByteArray::number(picture.width()) + " "
                     + QByteArray::number(picture.height()) + "\n255\n";
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb pixel = picture.pixel(x, y);
            ppm.append(char(qRed(pixel))).append(char(qGreen(pixel))).append(char(qBlue(pixel)));
        }
    QVERIFY(writeBytes(path(QStringLiteral("cjpeg.ppm")), ppm));

    QProcess process;
    process.start(cjpeg, {QStringLiteral("-quality"), QStringLiteral("65"),
                          QStringLiteral("-outfile"), path(QStringLiteral("cjpeg.jpg")),
                          path(QStringLiteral("cjpeg.ppm"))});
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), 0);
    QVERIFY(readBytes(path(QStringLiteral("cjpeg.jpg"))) == JpegWriter::encode(picture));
}

void TestExport::jpegErrors_data()
{
    QTest::addColumn<QImage>("picture");
    QTest::addColumn<int>("code");

    QImage wide(65501, 1, QImage::Format_RGB32);
    wide.fill(Qt::red);
    QImage tall(1, 65501, QImage::Format_RGB32);
    tall.fill(Qt::blue);
    QTest::newRow("too wide") << wide << int(JERR_IMAGE_TOO_BIG);
    QTest::newRow("too tall") << tall << int(JERR_IMAGE_TOO_BIG);
    QTest::newRow("empty") << QImage() << int(JERR_EMPTY_IMAGE);
}

void TestExport::jpegErrors()
{
    QFETCH(QImage, picture);
    QFETCH(int, code);

    QString message;
    try {
        JpegWriter::encode(picture);
    } catch (const KwError &error) {
        message = error.message();
    }
    QCOMPARE(message, QStringLiteral("JPEG error #%1").arg(code));
    // The library is left in a sound state: the next picture encodes.
    const QImage after = QImage::fromData(JpegWriter::encode(BmpBuilder::patterned(2)), "JPEG");
    QCOMPARE(after.size(), QSize(50, 50));
}

void TestExport::bmpFile_data()
{
    QTest::addColumn<int>("depth");
    QTest::addColumn<int>("fileSize");
    QTest::addColumn<int>("rowLength");

    QTest::newRow("24 bits") << 24 << 759606 << 2208;
    QTest::newRow("32 bits") << 32 << 1012790 << 2944;
    QTest::newRow("16 bits") << 16 << 506422 << 1472;
}

void TestExport::bmpFile()
{
    QFETCH(int, depth);
    QFETCH(int, fileSize);
    QFETCH(int, rowLength);

    TrackDocument document;
    QVERIFY(openTrack(document, 15, 7, QStringLiteral("bmp.kwf")));
    Progress quiet;
    const QString out = path(QStringLiteral("bmp.bmp"));
    PictureExport::write(document.grid(), m_store, out, PictureExport::Format::Bmp, depth, quiet);
    const QByteArray bmp = readBytes(out);

    QCOMPARE(int(bmp.size()), fileSize);
    QCOMPARE(bmp.left(2), QByteArray("BM"));
    QCOMPARE(le32(bmp, 2), quint32(fileSize));
    QCOMPARE(le32(bmp, 6), 0u);  // both reserved words
    QCOMPARE(le32(bmp, 10), 54u);
    QCOMPARE(le32(bmp, 14), 40u);
    QCOMPARE(le32(bmp, 18), 736u);
    QCOMPARE(le32(bmp, 22), 344u);
    QCOMPARE(le16(bmp, 26), quint16(1));
    QCOMPARE(le16(bmp, 28), quint16(depth));
    QCOMPARE(le32(bmp, 30), 0u);
    QCOMPARE(le32(bmp, 34), quint32(rowLength * 344));
    for (int offset = 38; offset < 54; offset += 4)
        QCOMPARE(le32(bmp, offset), 0u);

    // Bottom row first; every pixel in the file's own layout.
    const QImage picture = PictureComposer::compose(document.grid(), m_store, quiet);
    for (int y = 0; y < picture.height(); ++y) {
        const char *row = bmp.constData() + 54 + qsizetype(picture.height() - 1 - y) * rowLength;
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb pixel = picture.pixel(x, y);
            if (depth == 16) {
                const quint16 value = qFromLittleEndian<quint16>(row + 2 * x);
                QCOMPARE(value >> 15, 0);
                QCOMPARE(int(value >> 10 & 31), qRed(pixel) >> 3);
                QCOMPARE(int(value >> 5 & 31), qGreen(pixel) >> 3);
                QCOMPARE(int(value & 31), qBlue(pixel) >> 3);
            } else {
                const char *p = row + (depth / 8) * x;
                QCOMPARE(quint8(p[0]), quint8(qBlue(pixel)));
                QCOMPARE(quint8(p[1]), quint8(qGreen(pixel)));
                QCOMPARE(quint8(p[2]), quint8(qRed(pixel)));
                if (depth == 32)
                    QCOMPARE(quint8(p[3]), quint8(0));
            }
        }
    }
}

void TestExport::bmpPacking_data()
{
    QTest::addColumn<int>("depth");
    QTest::addColumn<QByteArray>("pixels");

    // A 3 x 2 picture: top row red, green, blue; bottom row white, black,
    // (8, 16, 24). Bottom row first, rows padded to four bytes.
    QTest::newRow("16 bits") << 16
                             << QByteArray::fromHex("ff7f" "0000" "4304" "0000"
                                                    "007c" "e003" "1f00" "0000");
    QTest::newRow("24 bits") << 24
                             << QByteArray::fromHex("ffffff" "000000" "181008" "000000"
                                                    "0000ff" "00ff00" "ff0000" "000000");
    QTest::newRow("32 bits") << 32
                             << QByteArray::fromHex("ffffff00" "00000000" "18100800"
                                                    "0000ff00" "00ff0000" "ff000000");
}

void TestExport::bmpPacking()
{
    QFETCH(int, depth);
    QFETCH(QByteArray, pixels);

    QImage picture(3, 2, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(255, 0, 0));
    picture.setPixel(1, 0, qRgb(0, 255, 0));
    picture.setPixel(2, 0, qRgb(0, 0, 255));
    picture.setPixel(0, 1, qRgb(255, 255, 255));
    picture.setPixel(1, 1, qRgb(0, 0, 0));
    picture.setPixel(2, 1, qRgb(8, 16, 24));

    const QByteArray bmp = BmpWriter::encode(picture, depth);
    QCOMPARE(bmp.mid(54).toHex(), pixels.toHex());
    QCOMPARE(le32(bmp, 2), quint32(54 + pixels.size()));
    QCOMPARE(le32(bmp, 34), quint32(pixels.size()));
}

void TestExport::outputName_data()
{
    QTest::addColumn<QString>("track");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QString>("picture");

    // The plain rule: the file name less its last four characters.
    QTest::newRow("extension") << "/x/oval.kwf" << ".jpg" << "/x/oval.jpg";
    QTest::newRow("bmp") << "/x/oval.kwf" << ".bmp" << "/x/oval.bmp";
    QTest::newRow("upper-case extension") << "/x/OVAL.KWF" << ".jpg" << "/x/OVAL.jpg";
    QTest::newRow("five characters") << "/x/abcde" << ".jpg" << "/x/a.jpg";
    QTest::newRow("longer extension") << "/x/oval.track" << ".jpg" << "/x/oval.t.jpg";
    QTest::newRow("dotted folder") << "/x/tracks.d/oval.kwf" << ".jpg" << "/x/tracks.d/oval.jpg";
    QTest::newRow("relative") << "oval.kwf" << ".jpg" << "oval.jpg";
    QTest::newRow("relative folder") << "tracks/oval.kwf" << ".png" << "tracks/oval.png";
    QTest::newRow("root") << "/oval.kwf" << ".jpg" << "/oval.jpg";
    QTest::newRow("spaces") << "/x/my track.kwf" << ".jpg" << "/x/my track.jpg";
    QTest::newRow("non-ASCII") << "/x/\u00f6vale.kwf" << ".jpg" << "/x/\u00f6vale.jpg";
    QTest::newRow("picture extension, other format") << "/x/self.bmp" << ".jpg" << "/x/self.jpg";
    // Nothing would be left before the extension: the whole name keeps it.
    QTest::newRow("no extension") << "/x/tracks/oval" << ".jpg" << "/x/tracks/oval.jpg";
    QTest::newRow("four characters") << "/x/abcd" << ".jpg" << "/x/abcd.jpg";
    QTest::newRow("bare extension") << "/x/.kwf" << ".jpg" << "/x/.kwf.jpg";
    QTest::newRow("short name") << "/x/ab" << ".jpg" << "/x/ab.jpg";
    QTest::newRow("short name, short folder") << "/ab/c" << ".bmp" << "/ab/c.bmp";
    QTest::newRow("dotted folder, no extension") << "/x/my.tracks/oval" << ".jpg"
                                                 << "/x/my.tracks/oval.jpg";
    QTest::newRow("cut inside a folder name") << "/x/tracks.kwf/ab" << ".png"
                                              << "/x/tracks.kwf/ab.png";
    QTest::newRow("relative short") << "ab" << ".jpg" << "ab.jpg";
    // The cut would name the track file itself.
    QTest::newRow("itself, bmp") << "/x/self.bmp" << ".bmp" << "/x/self.bmp.bmp";
    QTest::newRow("itself, jpg") << "/x/self.jpg" << ".jpg" << "/x/self.jpg.jpg";
    QTest::newRow("itself, png") << "self.png" << ".png" << "self.png.png";
    QTest::newRow("itself, upper case") << "/x/SELF.BMP" << ".bmp" << "/x/SELF.BMP.bmp";
    QTest::newRow("itself, mixed case") << "/x/Self.Jpg" << ".jpg" << "/x/Self.Jpg.jpg";
}

void TestExport::outputName()
{
    QFETCH(QString, track);
    QFETCH(QString, extension);
    QFETCH(QString, picture);
    QCOMPARE(PictureExport::outputName(track, extension), picture);
}

void TestExport::formatOfName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("format");  // -1: refused
    QTest::newRow("jpg") << "/x/a.jpg" << int(TrackExport::Format::Jpeg);
    QTest::newRow("jpeg") << "a.jpeg" << int(TrackExport::Format::Jpeg);
    QTest::newRow("JPG") << "A.JPG" << int(TrackExport::Format::Jpeg);
    QTest::newRow("bmp") << "a.bmp" << int(TrackExport::Format::Bmp);
    QTest::newRow("Png") << "a.Png" << int(TrackExport::Format::Png);
    QTest::newRow("pdf") << "a.pdf" << int(TrackExport::Format::Pdf);
    QTest::newRow("csv") << "a.csv" << int(TrackExport::Format::Csv);
    QTest::newRow("the last extension counts") << "a.png.pdf" << int(TrackExport::Format::Pdf);
    QTest::newRow("gif") << "a.gif" << -1;
    QTest::newRow("track") << "a.kwf" << -1;
    QTest::newRow("none") << "a" << -1;
    QTest::newRow("a folder's dot") << "/x.png/a" << -1;
    QTest::newRow("trailing dot") << "a.png." << -1;
    QTest::newRow("empty") << "" << -1;
}

void TestExport::formatOfName()
{
    QFETCH(QString, name);
    QFETCH(int, format);
    TrackExport::Format found = TrackExport::Format::Jpeg;
    QCOMPARE(TrackExport::formatOfName(name, found), format >= 0);
    if (format >= 0)
        QCOMPARE(int(found), format);
    QCOMPARE(TrackExport::acceptedExtensions(), QStringLiteral(".jpg, .jpeg, .bmp, .png, .pdf or .csv"));
}

void TestExport::namesTrackFile_data()
{
    QTest::addColumn<QString>("output");  // in the test's folder; "@" is a link to the track
    QTest::addColumn<bool>("itself");
    QTest::newRow("the same name") << "names/track.png" << true;
    QTest::newRow("through ..") << "names/../names/track.png" << true;
    QTest::newRow("through a link") << "@" << true;
    QTest::newRow("but for case") << "names/TRACK.PNG" << true;
    QTest::newRow("another name") << "names/track.png.png" << false;
    QTest::newRow("another folder") << "other/track.png" << false;
}

void TestExport::namesTrackFile()
{
    QFETCH(QString, output);
    QFETCH(bool, itself);
    const QString track = path(QStringLiteral("names/track.png"));
    QVERIFY(QDir().mkpath(path(QStringLiteral("names"))));
    QVERIFY(writeBytes(track, "07\r\n"));
    QString named = path(output);
    if (output == QLatin1String("@")) {
        named = path(QStringLiteral("names/link.png"));
        QFile::remove(named);
        QVERIFY(QFile::link(track, named));
    }
    QCOMPARE(TrackExport::namesTrackFile(named, track), itself);
    // A track never saved has no file to guard.
    QVERIFY(!TrackExport::namesTrackFile(named, QString()));
}

void TestExport::extension()
{
    QCOMPARE(PictureExport::extension(PictureExport::Format::Jpeg), QStringLiteral(".jpg"));
    QCOMPARE(PictureExport::extension(PictureExport::Format::Bmp), QStringLiteral(".bmp"));
    QCOMPARE(PictureExport::extension(PictureExport::Format::Png), QStringLiteral(".png"));
}

void TestExport::exportReplacesEarlierPicture()
{
    TrackDocument document;
    QVERIFY(openTrack(document, 3, 2, QStringLiteral("replace.kwf")));
    const QString out = path(QStringLiteral("replace.jpg"));
    QVERIFY(writeBytes(out, QByteArray(5000, 'x')));

    RecordingProgress progress;
    PictureExport::write(document.grid(), m_store, out, PictureExport::Format::Jpeg, 24, progress);
    QCOMPARE(readBytes(out), JpegWriter::encode(PictureComposer::compose(document.grid(), m_store, progress)));

    // The cells first, then an empty status text when all went well.
    progress.texts.clear();
    PictureExport::write(document.grid(), m_store, out, PictureExport::Format::Png, 24, progress);
    QCOMPARE(progress.texts.size(), 7);
    QCOMPARE(progress.texts.at(5), QStringLiteral("Drawing Image - 2-1"));
    QCOMPARE(progress.texts.last(), QString());
    const QImage png = QImage::fromData(readBytes(out), "PNG");
    QCOMPARE(png.convertToFormat(QImage::Format_RGB32), PictureComposer::compose(document.grid(), m_store, progress));
}

void TestExport::thumbnail_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("size");
    QTest::addColumn<QSize>("expected");
    QTest::newRow("15 x 7 in 128") << 15 << 7 << 128 << QSize(128, 59);
    QTest::newRow("5 x 20 in 64") << 5 << 20 << 64 << QSize(16, 64);
    QTest::newRow("1 x 1 at its own size") << 1 << 1 << 50 << QSize(50, 50);
}

// The picture scaled to fit the square, its aspect kept, as PNG.
void TestExport::thumbnail()
{
    QFETCH(int, columns);
    QFETCH(int, rows);
    QFETCH(int, size);
    QFETCH(QSize, expected);

    TrackDocument document;
    QVERIFY(openTrack(document, columns, rows, QStringLiteral("thumbnail.kwf")));
    const QString out = path(QStringLiteral("thumbnail.out"));
    PictureExport::writeThumbnail(document.grid(), m_store, out, size);
    const QImage written = QImage::fromData(readBytes(out), "PNG").convertToFormat(QImage::Format_RGB32);
    QCOMPARE(written.size(), expected);
    Progress quiet;
    if (size == 50)
        QCOMPARE(written, PictureComposer::compose(document.grid(), m_store, quiet));
}

void TestExport::failingWriteKeepsEarlierPicture_data()
{
    QTest::addColumn<int>("format");
    QTest::newRow("jpeg") << int(PictureExport::Format::Jpeg);
    QTest::newRow("bmp") << int(PictureExport::Format::Bmp);
    QTest::newRow("png") << int(PictureExport::Format::Png);
}

void TestExport::failingWriteKeepsEarlierPicture()
{
    QFETCH(int, format);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString out = dir.filePath(QStringLiteral("full.pic"));
    const QByteArray earlier = QByteArray::fromHex("ffd8") + QByteArray(300, '\x5a');
    QVERIFY(writeBytes(out, earlier));

    TrackDocument document;
    QVERIFY(openTrack(document, 15, 7, QStringLiteral("full.kwf")));
    RecordingProgress progress;
    QString message;
    {
        // Every picture of this track is far above 2,000 bytes.
        FileSizeLimit limit(2000);
        QVERIFY(limit.active());
        try {
            PictureExport::write(document.grid(), m_store, out, PictureExport::Format(format), 24, progress);
        } catch (const KwError &error) {
            message = error.message();
        }
    }
    QCOMPARE(message, QStringLiteral("Stream write error"));
    QCOMPARE(readBytes(out), earlier);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"full.pic"});
    // The failure leaves the last cell's text, as it is not a normal end.
    QCOMPARE(progress.texts.last(), QStringLiteral("Drawing Image - 14-6"));
}

void TestExport::cannotCreate_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("name");

    QTest::newRow("missing folder") << "missing" << "missing/oval.jpg";
    QTest::newRow("output is a folder") << "taken.jpg" << "taken.jpg";
    QTest::newRow("read-only folder") << "locked" << "locked/oval.jpg";
}

void TestExport::cannotCreate()
{
    QFETCH(QString, folder);
    QFETCH(QString, name);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    if (folder != QLatin1String("missing"))
        QVERIFY(QDir(dir.path()).mkdir(folder));
    if (folder == QLatin1String("locked")) {
        if (geteuid() == 0)
            QSKIP("file permissions do not bind the superuser");
        QVERIFY(QFile::setPermissions(dir.filePath(folder), QFile::ReadOwner | QFile::ExeOwner));
    }

    TrackDocument document;
    QVERIFY(openTrack(document, 2, 2, QStringLiteral("create.kwf")));
    RecordingProgress progress;
    const QString out = dir.filePath(name);
    QString message;
    try {
        PictureExport::write(document.grid(), m_store, out, PictureExport::Format::Jpeg, 24, progress);
    } catch (const KwError &error) {
        message = error.message();
    }
    QFile::setPermissions(dir.filePath(folder), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QCOMPARE(message, QStringLiteral("Cannot create file ") + QDir::toNativeSeparators(out));
    // The output is tried before any drawing.
    QVERIFY(progress.texts.isEmpty());
    QVERIFY(!QFileInfo(out).isFile());
}

void TestExport::exportLeavesDocumentAlone()
{
    TrackDocument document;
    QVERIFY(openTrack(document, 4, 3, QStringLiteral("alone.kwf")));
    // A change after the save: the picture shows it, the flag stays set.
    const QImage placed = BmpBuilder::solid(QColor(10, 200, 40));
    m_store.insert("placed", placed);
    document.TrackClick(TrackGrid::index(2, 1), "placed");
    QVERIFY(document.isModified());

    const TrackGrid before = document.grid();
    QSignalSpy cells(&document, &TrackDocument::changed);
    QSignalSpy size(&document, &TrackDocument::sizeChanged);
    QSignalSpy modified(&document, &TrackDocument::modifiedChanged);
    QSignalSpy name(&document, &TrackDocument::fileNameChanged);

    const QString out = PictureExport::outputName(document.fileName(), QStringLiteral(".bmp"));
    RecordingProgress progress;
    PictureExport::write(document.grid(), m_store, out, PictureExport::Format::Bmp, 24, progress);

    QCOMPARE(cells.count() + size.count() + modified.count() + name.count(), 0);
    QCOMPARE(document.fileName(), path(QStringLiteral("alone.kwf")));
    QVERIFY(document.isModified());
    QVERIFY(document.grid() == before);

    QCOMPARE(out, path(QStringLiteral("alone.bmp")));
    const QImage written = QImage::fromData(readBytes(out), "BMP");
    QCOMPARE(written.size(), QSize(197, 148));
    QCOMPARE(written.pixel(49 * 2 + 10, 49 + 10), placed.pixel(10, 10));
    QCOMPARE(written.pixel(10, 10), m_tiles.picture(codeAt(0, 0)).pixel(10, 10));
}

QTEST_GUILESS_MAIN(TestExport)
#include "tst_export.moc"
