// SPDX-License-Identifier: GPL-3.0-or-later
#include "bmpbuilder.h"

#include "base/kwerror.h"
#include "pieces/bmpreader.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace BmpBuilder;
using Rows = QVector<QVector<quint32>>;

namespace {

// An index past every palette: fromIndices paints it black, the colour the
// reader leaves where the data never reach.
constexpr quint32 B = 0xffff;

const QString StreamRead = QStringLiteral("Stream read error");
const QString Invalid = QStringLiteral("Bitmap image is not valid");
const QString OutOfResources = QStringLiteral("Out of system resources");

// A picture w pixels wide from colours listed top row first.
QImage pixels(int w, std::initializer_list<QRgb> colours)
{
    const int h = int(colours.size()) / w;
    QImage image(w, h, QImage::Format_RGB32);
    int i = 0;
    for (QRgb c : colours) {
        image.setPixel(i % w, i / w, c);
        ++i;
    }
    return image;
}

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

Layout direct(int w, int h, int bpp, const Rows &fileRows, quint32 compression = Rgb,
              const QVector<quint32> &masks = {}, int headerSize = Info)
{
    Layout l;
    l.headerSize = headerSize;
    l.width = w;
    l.height = h;
    l.bitsPerPixel = quint16(bpp);
    l.compression = compression;
    l.masks = masks;
    l.pixels = packRows(fileRows, bpp);
    return l;
}

Layout rle(int w, int h, int bpp, const QByteArray &data)
{
    Layout l;
    l.width = w;
    l.height = h;
    l.bitsPerPixel = quint16(bpp);
    l.compression = bpp == 8 ? Rle8 : Rle4;
    l.palette = palette(1 << bpp);
    l.pixels = data;
    return l;
}

Layout header(qint32 w, qint32 h, int bpp = 24, quint32 compression = Rgb, int headerSize = Info)
{
    Layout l;
    l.headerSize = headerSize;
    l.width = w;
    l.height = h;
    l.bitsPerPixel = quint16(bpp);
    l.compression = compression;
    return l;
}

QByteArray cut(const QByteArray &data, int length)
{
    return data.left(length);
}

// The file with another pixel-data offset in its file header.
QByteArray withOffset(QByteArray data, qint64 offset)
{
    qToLittleEndian(quint32(offset), data.data() + 10);
    return data;
}

// Rows of indices for the indexed formats, wide enough to cross byte borders.
Rows indexRows(int w, int h, int colours)
{
    Rows rows;
    for (int y = 0; y < h; ++y) {
        QVector<quint32> row;
        for (int x = 0; x < w; ++x)
            row.append(quint32((x * 7 + y * 3 + x * y) % colours));
        rows.append(row);
    }
    return rows;
}

QString messageOf(const QByteArray &data)
{
    try {
        BmpReader::decode(data);
    } catch (const KwError &e) {
        return e.message();
    }
    return QStringLiteral("(no failure)");
}

} // namespace

class TestBmpReader : public QObject
{
    Q_OBJECT

private slots:
    void decode_data();
    void decode();
    void failures_data();
    void failures();
    void emptyFileGivesNullPicture();
    void headerWithoutPixelsGivesBlackPicture();
    void hostileVariantsNeverCrash();
    void allocationFailureIsOutOfResources();
    void readFile();
    void readFileFailures_data();
    void readFileFailures();
    void readFileUnreadable();

private:
    void addIndexed();
    void addDirect();
    void addBitFields();
    void addLayoutVariants();
    void addShortData();
    void addRle8();
    void addRle4();
};

void TestBmpReader::addIndexed()
{
    const QVector<QRgb> two = {qRgb(200, 10, 20), qRgb(5, 60, 250)};
    QTest::newRow("1 bpp, bytes by hand")
        << file([&] { Layout l = header(10, 1, 1); l.palette = two;
                      l.pixels = bytes({0x81, 0x40, 0, 0}); return l; }())
        << pixels(10, {two[1], two[0], two[0], two[0], two[0], two[0], two[0], two[1], two[0], two[1]});
    const QVector<QRgb> sixteen = palette(16);
    QTest::newRow("4 bpp, bytes by hand")
        << file([&] { Layout l = header(3, 1, 4); l.palette = sixteen;
                      l.pixels = bytes({0x12, 0x30, 0, 0}); return l; }())
        << pixels(3, {sixteen[1], sixteen[2], sixteen[3]});

    const Rows r1 = indexRows(11, 3, 2), r4 = indexRows(7, 3, 16), r8 = indexRows(5, 3, 256);
    QTest::newRow("1 bpp, info header") << indexedFile(r1, two, 1) << fromIndices(r1, two);
    QTest::newRow("1 bpp, core header") << indexedFile(r1, two, 1, Core) << fromIndices(r1, two);
    QTest::newRow("1 bpp, V5 header") << indexedFile(r1, two, 1, V5) << fromIndices(r1, two);
    QTest::newRow("4 bpp, info header") << indexedFile(r4, sixteen, 4) << fromIndices(r4, sixteen);
    QTest::newRow("4 bpp, top-down") << indexedFile(r4, sixteen, 4, Info, true) << fromIndices(r4, sixteen);
    const Rows r3 = indexRows(7, 3, 3);
    QTest::newRow("4 bpp, three colours used")
        << indexedFile(r3, palette(3), 4) << fromIndices(r3, palette(3));
    const QVector<QRgb> all = palette(256);
    QTest::newRow("8 bpp, info header") << indexedFile(r8, all, 8) << fromIndices(r8, all);
    QTest::newRow("8 bpp, core header") << indexedFile(r8, all, 8, Core) << fromIndices(r8, all);
    QTest::newRow("8 bpp, top-down") << indexedFile(r8, all, 8, Info, true) << fromIndices(r8, all);
    const Rows beyond = {{0, 1, 5, 15}};
    QTest::newRow("index past the colours used is black")
        << indexedFile(beyond, two, 4) << fromIndices(beyond, two);
    QTest::newRow("more colours used than bits allow")
        << file([&] { Layout l = header(11, 3, 1); l.palette = palette(3); l.coloursUsed = 3;
                      l.pixels = packRows(fileOrder(r1, false), 1); return l; }())
        << fromIndices(r1, palette(3));
    QTest::newRow("more colours used than 8 bits allow, all in the file")
        << file([&] { Layout l = header(5, 3, 8); l.palette = palette(300); l.coloursUsed = 300;
                      l.pixels = packRows(fileOrder(r8, false), 8); return l; }())
        << fromIndices(r8, all);
    QTest::newRow("colours used end where the file ends")
        << file([] { Layout l = header(2, 2, 8); l.coloursUsed = 20; l.palette = palette(20); return l; }())
        << fromIndices({{B, B}, {B, B}}, {});
}

void TestBmpReader::addDirect()
{
    const QImage picture = patterned(3, 5, 3);
    QTest::newRow("24 bpp, bytes by hand")
        << file([] { Layout l = header(1, 2); l.pixels = bytes({1, 2, 3, 0, 4, 5, 6, 0}); return l; }())
        << pixels(1, {qRgb(6, 5, 4), qRgb(3, 2, 1)});
    QTest::newRow("24 bpp, info header") << directFile(picture, 24) << picture;
    QTest::newRow("24 bpp, core header") << directFile(picture, 24, Core) << picture;
    QTest::newRow("24 bpp, top-down") << directFile(picture, 24, Info, true) << picture;
    QTest::newRow("24 bpp, V4 header") << directFile(picture, 24, V4) << picture;
    QTest::newRow("24 bpp, header of 150 bytes") << directFile(picture, 24, 150) << picture;
    QTest::newRow("32 bpp, info header") << directFile(picture, 32) << picture;
    QTest::newRow("32 bpp, top-down") << directFile(picture, 32, Info, true) << picture;
    QTest::newRow("32 bpp, fourth byte ignored")
        << file(direct(2, 1, 32, {{0xaa112233, 0xff808080}}))
        << pixels(2, {qRgb(0x11, 0x22, 0x33), qRgb(0x80, 0x80, 0x80)});
    QTest::newRow("16 bpp, 5-5-5")
        << file(direct(6, 1, 16, {{0x7c00, 0x03e0, 0x001f, 0x7fff, 0x0000, 0x4210}}))
        << pixels(6, {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 255),
                      qRgb(0, 0, 0), qRgb(132, 132, 132)});
    QTest::newRow("16 bpp, 5-5-5, top-down")
        << file(direct(1, -2, 16, {{0x7c00}, {0x001f}}))
        << pixels(1, {qRgb(255, 0, 0), qRgb(0, 0, 255)});
    QTest::newRow("16 bpp, masks of a V4 header ignored without bit-field compression")
        << file(direct(1, 1, 16, {{0x7c00}}, Rgb, {0xf800, 0x07e0, 0x001f}, V4))
        << pixels(1, {qRgb(255, 0, 0)});
}

void TestBmpReader::addBitFields()
{
    const QVector<quint32> m565 = {0xf800, 0x07e0, 0x001f};
    const Rows v565 = {{0xf800, 0x07e0, 0x001f, 0x8410, 0xffff, 0x0841}};
    const QImage e565 = pixels(6, {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255),
                                   qRgb(132, 130, 132), qRgb(255, 255, 255), qRgb(8, 8, 8)});
    QTest::newRow("5-6-5, masks after info header") << file(direct(6, 1, 16, v565, BitFields, m565)) << e565;
    QTest::newRow("5-6-5, V2 header") << file(direct(6, 1, 16, v565, BitFields, m565, V2)) << e565;
    QTest::newRow("5-6-5, V4 header") << file(direct(6, 1, 16, v565, BitFields, m565, V4)) << e565;
    QTest::newRow("5-6-5, top-down")
        << file(direct(1, -2, 16, {{0xf800}, {0x001f}}, BitFields, m565))
        << pixels(1, {qRgb(255, 0, 0), qRgb(0, 0, 255)});
    QTest::newRow("8-8-8, info header")
        << file(direct(1, 1, 32, {{0x00123456}}, BitFields, {0xff0000, 0xff00, 0xff}))
        << pixels(1, {qRgb(0x12, 0x34, 0x56)});
    QTest::newRow("8-8-8 in reversed order, V5 header")
        << file(direct(1, 1, 32, {{0x00332211}}, BitFields, {0xff, 0xff00, 0xff0000}, V5))
        << pixels(1, {qRgb(0x11, 0x22, 0x33)});
    QTest::newRow("10-10-10, V3 header")
        << file(direct(2, 1, 32, {{0x3ff00000, 0x20080200}}, BitFields,
                       {0x3ff00000, 0x000ffc00, 0x000003ff, 0xc0000000}, V3))
        << pixels(2, {qRgb(255, 0, 0), qRgb(128, 128, 128)});
    QTest::newRow("zero mask gives 0 for its channel")
        << file(direct(2, 1, 16, {{0xffff, 0x0841}}, BitFields, {0xf800, 0, 0x001f}))
        << pixels(2, {qRgb(255, 0, 255), qRgb(8, 0, 8)});
    QTest::newRow("all masks zero")
        << file(direct(1, 1, 32, {{0xffffffff}}, BitFields, {0, 0, 0})) << pixels(1, {qRgb(0, 0, 0)});
    QTest::newRow("one-bit masks")
        << file(direct(3, 1, 16, {{0x8001, 0x8000, 0x0000}}, BitFields, {0x8000, 0x0001, 0}))
        << pixels(3, {qRgb(255, 255, 0), qRgb(255, 0, 0), qRgb(0, 0, 0)});
    QTest::newRow("overlapping masks")
        << file(direct(2, 1, 16, {{0x8080, 0xffff}}, BitFields, {0xffff, 0xffff, 0xff00}))
        << pixels(2, {qRgb(128, 128, 128), qRgb(255, 255, 255)});
    QTest::newRow("32-bit-wide mask")
        << file(direct(2, 1, 32, {{0xffffffff, 0x80000080}}, BitFields, {0xffffffff, 0, 0xff}))
        << pixels(2, {qRgb(255, 0, 255), qRgb(128, 0, 128)});
    QTest::newRow("mask above the 16 bits of the pixel")
        << file(direct(1, 1, 16, {{0xffff}}, BitFields, {0xff0000, 0xff00, 0xff}))
        << pixels(1, {qRgb(0, 255, 255)});
}

void TestBmpReader::addLayoutVariants()
{
    const QImage picture = patterned(5, 3, 2);
    Layout gap = direct(3, 2, 24, {});
    gap.pixels = directFile(picture, 24).mid(54);
    gap.dataOffset = 54 + 10;
    QTest::newRow("pixels after a gap") << file(gap) << picture;
    gap.dataOffset = 0;
    QTest::newRow("data offset 0 means after the headers") << file(gap) << picture;
    gap.dataOffset = 20;
    QTest::newRow("data offset inside the headers") << file(gap) << picture;
    QTest::newRow("data offset past the end of the file")
        << withOffset(file(gap), file(gap).size() + 1) << picture;

    // 8 bpp without a count of colours: the offset tells how many there are.
    const Rows r = {{0, 251, 252, 255}, {3, 100, 200, 250}, {9, 8, 7, 6}, {254, 253, 1, 2}};
    const auto indexed = [&](int headerSize, int colours) {
        Layout l = header(4, 4, 8, Rgb, headerSize);
        l.palette = palette(colours);
        l.pixels = packRows(fileOrder(r, false), 8);
        return l;
    };
    for (int kind : {Core, Info})
        QTest::addRow("header of %d bytes, 252 colours before the data offset", kind)
            << file(indexed(kind, 252)) << fromIndices(r, palette(252));
    Layout zero = indexed(Core, 256);
    zero.dataOffset = 0;
    QTest::newRow("core header, data offset 0 means after 256 colours") << file(zero) << fromIndices(r, palette(256));
    const QByteArray whole = file(indexed(Core, 256));
    QTest::newRow("core header, data offset past the end means after 256 colours")
        << withOffset(whole, whole.size() + 1) << fromIndices(r, palette(256));
}

void TestBmpReader::addShortData()
{
    const QImage picture = patterned(7, 3, 3);
    const QByteArray whole = directFile(picture, 24);  // rows of 12 bytes from offset 54
    QImage expected(3, 3, QImage::Format_RGB32);
    expected.fill(qRgb(0, 0, 0));
    for (int x = 0; x < 3; ++x)
        expected.setPixel(x, 2, picture.pixel(x, 2));
    expected.setPixel(0, 1, picture.pixel(0, 1));
    QTest::newRow("24 bpp, data stop in the second row") << cut(whole, 54 + 12 + 5) << expected;

    const QByteArray topDown = directFile(picture, 24, Info, true);
    QImage expectedTop(3, 3, QImage::Format_RGB32);
    expectedTop.fill(qRgb(0, 0, 0));
    for (int x = 0; x < 3; ++x)
        expectedTop.setPixel(x, 0, picture.pixel(x, 0));
    QTest::newRow("24 bpp top-down, data stop after the first row") << cut(topDown, 54 + 12) << expectedTop;

    const Rows r1 = indexRows(20, 1, 2);
    const QVector<QRgb> two = palette(2);
    Rows firstByte = r1;
    for (int x = 8; x < 20; ++x)
        firstByte[0][x] = B;
    QTest::newRow("1 bpp, data stop after one byte")
        << cut(indexedFile(r1, two, 1), 14 + 40 + 8 + 1) << fromIndices(firstByte, two);
    QTest::newRow("8 bpp, no pixel data at all")
        << cut(indexedFile(indexRows(4, 2, 256), palette(256), 8), 14 + 40 + 1024)
        << fromIndices({{B, B, B, B}, {B, B, B, B}}, {});
    QTest::newRow("16 bpp, data stop inside a pixel")
        << cut(file(direct(2, 1, 16, {{0x7c00, 0x03e0}})), 14 + 40 + 3)
        << pixels(2, {qRgb(255, 0, 0), qRgb(0, 0, 0)});
}

void TestBmpReader::addRle8()
{
    const QVector<QRgb> all = palette(256);
    QTest::newRow("RLE8: runs, absolute runs, end of line, delta, end of picture")
        << file(rle(6, 4, 8, bytes({3, 1,  0, 3, 5, 6, 7, 0,  0, 0,  2, 9,  0, 2, 2, 1,  2, 10,
                                    0, 0,  0, 4, 1, 2, 3, 4,  0, 1,  5, 5})))
        << fromIndices({{1, 2, 3, 4, B, B}, {B, B, B, B, 10, 10}, {9, 9, B, B, B, B}, {1, 1, 1, 5, 6, 7}}, all);
    QTest::newRow("RLE8: run past the row is clipped, not wrapped")
        << file(rle(4, 2, 8, bytes({6, 3, 0, 0, 1, 4, 0, 1})))
        << fromIndices({{4, B, B, B}, {3, 3, 3, 3}}, all);
    QTest::newRow("RLE8: absolute run past the row is clipped")
        << file(rle(2, 2, 8, bytes({0, 4, 1, 2, 3, 4, 0, 0, 1, 9, 0, 1})))
        << fromIndices({{9, B}, {1, 2}}, all);
    QTest::newRow("RLE8: rows past the picture are ignored")
        << file(rle(2, 1, 8, bytes({2, 1, 0, 0, 2, 2, 0, 0, 2, 3, 0, 1})))
        << fromIndices({{1, 1}}, all);
    QTest::newRow("RLE8: delta past the right edge and the top")
        << file(rle(3, 2, 8, bytes({1, 1, 0, 2, 255, 0, 2, 5, 0, 0, 1, 6, 0, 2, 0, 5, 3, 7, 0, 1})))
        << fromIndices({{6, B, B}, {1, B, B}}, all);
    QTest::newRow("RLE8: no end marker")
        << file(rle(3, 2, 8, bytes({3, 2, 0, 0, 1, 5})))
        << fromIndices({{5, B, B}, {2, 2, 2}}, all);
    QTest::newRow("RLE8: absolute run cut short")
        << file(rle(4, 1, 8, bytes({0, 4, 1, 2})))
        << fromIndices({{1, 2, B, B}}, all);
    QTest::newRow("RLE8: delta cut short")
        << file(rle(2, 1, 8, bytes({1, 3, 0, 2, 1})))
        << fromIndices({{3, B}}, all);
    QTest::newRow("RLE8: run longer than the picture in a one-pixel picture")
        << file(rle(1, 1, 8, bytes({255, 8, 255, 9, 0, 1})))
        << fromIndices({{8}}, all);
}

void TestBmpReader::addRle4()
{
    const QVector<QRgb> sixteen = palette(16);
    QTest::newRow("RLE4: runs, absolute runs, delta, clipping")
        << file(rle(7, 2, 4, bytes({5, 0x12,  2, 0x34,  0, 0,  0, 3, 0x56, 0x70,  0, 2, 2, 0,
                                    0, 5, 0x89, 0xab, 0xc0, 0,  0, 1})))
        << fromIndices({{5, 6, 7, B, B, 8, 9}, {1, 2, 1, 2, 1, 3, 4}}, sixteen);
    QTest::newRow("RLE4: run past the row is clipped")
        << file(rle(3, 1, 4, bytes({7, 0xab, 0, 1})))
        << fromIndices({{10, 11, 10}}, sixteen);
    QTest::newRow("RLE4: absolute run of 3 nibbles ends mid-byte")
        << file(rle(4, 1, 4, bytes({0, 3, 0x12, 0x30, 1, 0x40, 0, 1})))
        << fromIndices({{1, 2, 3, 4}}, sixteen);
    QTest::newRow("RLE4: absolute run of 5 nibbles is padded to 4 bytes")
        << file(rle(6, 1, 4, bytes({0, 5, 0x12, 0x34, 0x50, 0xee, 1, 0x60, 0, 1})))
        << fromIndices({{1, 2, 3, 4, 5, 6}}, sixteen);
}

void TestBmpReader::decode_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QImage>("expected");
    addIndexed();
    addDirect();
    addBitFields();
    addLayoutVariants();
    addShortData();
    addRle8();
    addRle4();
}

void TestBmpReader::decode()
{
    QFETCH(QByteArray, data);
    QFETCH(QImage, expected);
    QImage image;
    try {
        image = BmpReader::decode(data);
    } catch (const KwError &e) {
        QFAIL(qPrintable(e.message()));
    }
    QCOMPARE(image.format(), QImage::Format_RGB32);
    QCOMPARE(image.size(), expected.size());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != expected.pixel(x, y))
                QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) is %3, expected %4")
                                     .arg(x).arg(y).arg(image.pixel(x, y), 8, 16)
                                     .arg(expected.pixel(x, y), 8, 16)));
}

void TestBmpReader::failures_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("message");

    const QByteArray good24 = directFile(patterned(1, 4, 4), 24);
    const QByteArray good8 = indexedFile(indexRows(4, 4, 256), palette(256), 8);
    QTest::newRow("10 bytes beginning with BM") << QByteArray("BM\0\0\0\0\0\0\0\0", 10) << StreamRead;
    QTest::newRow("13 bytes of a good file") << cut(good24, 13) << StreamRead;
    QTest::newRow("short text") << QByteArray("hello") << StreamRead;
    QTest::newRow("text longer than 14 bytes")
        << QByteArray("This is a plain text file, not a picture.\r\n") << Invalid;
    QTest::newRow("bm in lower case") << QByteArray("bm" + good24.mid(2)) << Invalid;
    QTest::newRow("file header only") << cut(good24, 14) << StreamRead;
    QTest::newRow("info header cut short") << cut(good24, 14 + 30) << StreamRead;
    QTest::newRow("V5 header cut short") << cut(directFile(patterned(1, 4, 4), 24, V5), 14 + 100) << StreamRead;
    QTest::newRow("core header cut short") << cut(directFile(patterned(1, 4, 4), 24, Core), 14 + 8) << StreamRead;
    QTest::newRow("header size 4 GiB") << file([] { Layout l = header(1, 1); l.headerSize = -1; return l; }())
                                       << StreamRead;
    QTest::newRow("colour table cut short") << cut(good8, 14 + 40 + 500) << StreamRead;
    QTest::newRow("core colour table cut short")
        << cut(indexedFile(indexRows(4, 4, 16), palette(16), 4, Core), 14 + 12 + 40) << StreamRead;
    QTest::newRow("colours used beyond the file")
        << file([] { Layout l = header(2, 2, 8); l.coloursUsed = 20; l.palette = palette(10); return l; }())
        << StreamRead;
    QTest::newRow("colours used past 2^bpp, one entry short")
        << file([] { Layout l = header(2, 2, 8); l.coloursUsed = 300; l.palette = palette(299); return l; }())
        << StreamRead;
    QTest::newRow("colours used past the data offset")
        << file([] { Layout l = header(2, 2, 8); l.coloursUsed = 300; l.palette = palette(299);
                     l.pixels = QByteArray(8, '\x07'); return l; }())
        << StreamRead;
    QTest::newRow("colours used 305402420 in a 9 KB file")
        << file([] { Layout l = header(92, 88, 8); l.coloursUsed = 305402420; l.palette = palette(256);
                     l.pixels = QByteArray(92 * 88, '\x07'); return l; }())
        << StreamRead;
    QTest::newRow("masks cut short")
        << file([] { Layout l = header(2, 2, 16, BitFields); l.masks = {0xf800}; return l; }()) << StreamRead;

    for (int planes : {0, 2, 0xffff})
        QTest::addRow("planes %d", planes)
            << file([&] { Layout l = header(2, 2); l.planes = quint16(planes); return l; }()) << Invalid;
    QTest::newRow("core header, planes 2")
        << file([] { Layout l = header(2, 2, 24, Rgb, Core); l.planes = 2; return l; }()) << Invalid;
    for (int size : {0, 4, 11, 13, 16, 39})
        QTest::addRow("header size %d", size)
            << file([&] { Layout l = header(2, 2); l.headerSize = size; return l; }()) << Invalid;
    for (int bpp : {0, 2, 3, 7, 15, 48, 64})
        QTest::addRow("%d bpp", bpp) << file(header(2, 2, bpp)) << Invalid;
    for (int bpp : {16, 32})
        QTest::addRow("core header, %d bpp", bpp) << file(header(2, 2, bpp, Rgb, Core)) << Invalid;
    QTest::newRow("RLE8 with 4 bpp") << file(header(2, 2, 4, Rle8)) << Invalid;
    QTest::newRow("RLE4 with 8 bpp") << file(header(2, 2, 8, Rle4)) << Invalid;
    QTest::newRow("RLE8 with 24 bpp") << file(header(2, 2, 24, Rle8)) << Invalid;
    QTest::newRow("RLE8 top-down") << file(header(2, -2, 8, Rle8)) << Invalid;
    QTest::newRow("RLE4 top-down") << file(header(2, -2, 4, Rle4)) << Invalid;
    QTest::newRow("bit fields with 24 bpp") << file(header(2, 2, 24, BitFields)) << Invalid;
    QTest::newRow("bit fields with 8 bpp") << file(header(2, 2, 8, BitFields)) << Invalid;
    for (quint32 c : {4u, 5u, 6u, 11u, 0xffffffffu})
        QTest::addRow("compression %u", c) << file(header(2, 2, 24, c)) << Invalid;

    QTest::newRow("width 0") << file(header(0, 2)) << Invalid;
    QTest::newRow("width -5") << file(header(-5, 2)) << Invalid;
    QTest::newRow("width 2^31") << file(header(qint32(0x80000000u), 2)) << Invalid;
    QTest::newRow("height 0") << file(header(2, 0)) << Invalid;
    QTest::newRow("height -2^31") << file(header(2, qint32(0x80000000u))) << Invalid;
    QTest::newRow("core width 0") << file(header(0, 2, 24, Rgb, Core)) << Invalid;
    QTest::newRow("core height 0") << file(header(2, 0, 24, Rgb, Core)) << Invalid;

    QTest::newRow("65536 x 65536") << file(header(65536, 65536)) << OutOfResources;
    QTest::newRow("16384 x 16385, over the 2^28-pixel bound")
        << file(header(16384, 16385)) << OutOfResources;
    QTest::newRow("2^28 + 1 pixels in a row") << file(header((1 << 28) + 1, 1)) << OutOfResources;
    QTest::newRow("2^28 + 1 rows, top-down") << file(header(1, -((1 << 28) + 1))) << OutOfResources;
    QTest::newRow("largest width and height") << file(header(0x7fffffff, 0x7fffffff)) << OutOfResources;
    QTest::newRow("largest width, height -(2^31 - 1)")
        << file(header(0x7fffffff, -0x7fffffff)) << OutOfResources;
    QTest::newRow("core 65535 x 65535") << file(header(65535, 65535, 8, Rgb, Core)) << OutOfResources;
}

void TestBmpReader::failures()
{
    QFETCH(QByteArray, data);
    QFETCH(QString, message);
    QCOMPARE(messageOf(data), message);
}

void TestBmpReader::emptyFileGivesNullPicture()
{
    QVERIFY(BmpReader::decode(QByteArray()).isNull());
}

void TestBmpReader::headerWithoutPixelsGivesBlackPicture()
{
    const QImage image = BmpReader::decode(file(header(2000, -1500)));
    QCOMPARE(image.size(), QSize(2000, 1500));
    QCOMPARE(image.pixel(0, 0), qRgb(0, 0, 0));
    QCOMPARE(image.pixel(1999, 1499), qRgb(0, 0, 0));
}

// Damaged variants of sound files: every one either decodes or fails with
// one of the reader's messages. Under the sanitizer build this also proves
// that no read leaves the buffer. Width and height (bytes 18..25) are kept,
// so no variant asks for a huge picture; sizes have their own cases.
void TestBmpReader::hostileVariantsNeverCrash()
{
    const QVector<QByteArray> seeds = {
        indexedFile(indexRows(9, 5, 2), palette(2), 1),
        indexedFile(indexRows(9, 5, 16), palette(16), 4, Core),
        indexedFile(indexRows(9, 5, 256), palette(256), 8, V5, true),
        directFile(patterned(1, 7, 5), 24),
        directFile(patterned(2, 7, 5), 32, V4),
        file(direct(3, 2, 16, {{1, 2, 3}, {4, 5, 6}}, BitFields, {0xf800, 0x07e0, 0x001f})),
        file(rle(7, 5, 8, bytes({3, 1, 0, 3, 5, 6, 7, 0, 0, 0, 2, 9, 0, 2, 2, 1, 2, 10, 0, 1}))),
        file(rle(7, 5, 4, bytes({5, 0x12, 0, 3, 0x56, 0x70, 0, 2, 2, 0, 0, 0, 9, 0x34, 0, 1}))),
    };
    const QStringList known = {StreamRead, Invalid, OutOfResources};
    QRandomGenerator random(20240611);
    int decoded = 0, failed = 0;
    for (const QByteArray &seed : seeds) {
        for (int round = 0; round < 2000; ++round) {
            QByteArray data = seed;
            const int changes = 1 + random.bounded(6);
            for (int i = 0; i < changes; ++i) {
                int at = random.bounded(data.size());
                if (at >= 18 && at < 26)
                    at = 26 + random.bounded(data.size() - 26);
                data[at] = char(random.bounded(256));
            }
            if (random.bounded(4) == 0)
                data.truncate(random.bounded(data.size()));
            try {
                const QImage image = BmpReader::decode(data);
                QVERIFY(image.isNull() || image.format() == QImage::Format_RGB32);
                ++decoded;
            } catch (const KwError &e) {
                QVERIFY2(known.contains(e.message()), qPrintable(e.message()));
                ++failed;
            }
        }
    }
    QVERIFY(decoded > 0);
    QVERIFY(failed > 0);
}

// A picture within the size bound that the system still cannot give memory
// for: the address space is limited just above what the process uses.
void TestBmpReader::allocationFailureIsOutOfResources()
{
    // GCC says so by a macro, clang by a feature.
#if defined(__SANITIZE_ADDRESS__)
    QSKIP("the address sanitizer reserves more address space than any limit allows");
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    QSKIP("the address sanitizer reserves more address space than any limit allows");
#endif
#endif
    QFile statm(QStringLiteral("/proc/self/statm"));
    QVERIFY(statm.open(QIODevice::ReadOnly));
    const qint64 pages = statm.readAll().split(' ').value(0).toLongLong();
    QVERIFY(pages > 0);
    rlimit old;
    QCOMPARE(::getrlimit(RLIMIT_AS, &old), 0);
    rlimit limited = old;
    limited.rlim_cur = rlim_t(pages * ::sysconf(_SC_PAGESIZE) + (qint64(256) << 20));
    QCOMPARE(::setrlimit(RLIMIT_AS, &limited), 0);
    const QString message = messageOf(file(header(16384, 16384)));  // 2^28 pixels, 1 GiB
    QCOMPARE(::setrlimit(RLIMIT_AS, &old), 0);
    QCOMPARE(message, OutOfResources);
}

void TestBmpReader::readFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("tile.bmp"));
    QVERIFY(writeFile(path, directFile(patterned(4, 9, 6), 24)));
    QCOMPARE(BmpReader::readFile(path), patterned(4, 9, 6));

    QVERIFY(writeFile(path, QByteArray()));
    QVERIFY(BmpReader::readFile(path).isNull());

    QVERIFY(writeFile(path, QByteArray("BM\0\0\0\0\0\0\0\0", 10)));
    QVERIFY_THROWS_EXCEPTION(KwError, BmpReader::readFile(path));
}

void TestBmpReader::readFileFailures_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("missing") << QStringLiteral("missing.bmp");
    QTest::newRow("folder") << QStringLiteral("folder.bmp");
    QTest::newRow("FIFO") << QStringLiteral("fifo.bmp");
    QTest::newRow("dangling link") << QStringLiteral("link.bmp");
    QTest::newRow("missing folder") << QStringLiteral("nowhere/x.bmp");
}

void TestBmpReader::readFileFailures()
{
    QFETCH(QString, name);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.bmp")));
    QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("fifo.bmp"))).constData(), 0600), 0);
    QVERIFY(QFile::link(dir.filePath(QStringLiteral("gone.bmp")), dir.filePath(QStringLiteral("link.bmp"))));
    const QString path = dir.filePath(name);
    try {
        BmpReader::readFile(path);
        QFAIL("no failure");
    } catch (const KwError &e) {
        QCOMPARE(e.message(), QStringLiteral("Cannot open file ") + path);
    }
}

void TestBmpReader::readFileUnreadable()
{
    if (::geteuid() == 0)
        QSKIP("root reads every file");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("locked.bmp"));
    QVERIFY(writeFile(path, directFile(patterned(1, 4, 4), 24)));
    QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions()));
    try {
        BmpReader::readFile(path);
        QFAIL("no failure");
    } catch (const KwError &e) {
        QCOMPARE(e.message(), QStringLiteral("Cannot open file ") + path);
    }
}

QTEST_GUILESS_MAIN(TestBmpReader)
#include "tst_bmpreader.moc"
