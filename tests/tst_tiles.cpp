// SPDX-License-Identifier: GPL-3.0-or-later
// The generated tile folder: one good 50 x 50 24-bit BMP per catalogue code,
// with a frame the button mask can remove, and artwork whose roads join.
#include "pieces/catalogue.h"

#include <QBitArray>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QSet>
#include <QtEndian>
#include <QtMath>
#include <QtTest>

namespace {

const int side = 50;
const int rowBytes = 152;  // 50 pixels * 3 bytes, padded to a multiple of four
const int pixelOffset = 54;
const int fileBytes = pixelOffset + rowBytes * side;

QString tilePath(const QByteArray &code)
{
    return QDir(QStringLiteral(KW_TILES_DIR)).filePath(QString::fromLatin1(code) + QStringLiteral(".bmp"));
}

quint32 le32(const QByteArray &b, int at) { return qFromLittleEndian<quint32>(b.constData() + at); }
quint16 le16(const QByteArray &b, int at) { return qFromLittleEndian<quint16>(b.constData() + at); }

// Our own reading of the pixel data, bottom row first, blue-green-red.
QImage decode(const QByteArray &bytes)
{
    QImage image(side, side, QImage::Format_RGB32);
    for (int y = 0; y < side; ++y) {
        const char *row = bytes.constData() + pixelOffset + (side - 1 - y) * rowBytes;
        for (int x = 0; x < side; ++x) {
            const auto *p = reinterpret_cast<const uchar *>(row + 3 * x);
            image.setPixel(x, y, qRgb(p[2], p[1], p[0]));
        }
    }
    return image;
}

// The picture inside the frame: what buttons show and the export copies.
QImage inner(const QImage &tile) { return tile.copy(1, 1, side - 2, side - 2); }

QRgb meanColour(const QImage &picture)
{
    qint64 r = 0, g = 0, b = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb p = picture.pixel(x, y);
            r += qRed(p), g += qGreen(p), b += qBlue(p);
        }
    const qint64 n = qint64(picture.width()) * picture.height();
    return qRgb(int(r / n), int(g / n), int(b / n));
}

int distance(QRgb a, QRgb b)
{
    return qMax(qAbs(qRed(a) - qRed(b)), qMax(qAbs(qGreen(a) - qGreen(b)), qAbs(qBlue(a) - qBlue(b))));
}

// Ground is grass, foam or carpet with its texture; anything built on it
// (road, kerb, gravel, paving) stands well apart from it.
const int groundTolerance = 30;

// The plain piece of each family, whose average colour is its ground.
QByteArray groundPiece(const QByteArray &code)
{
    if (code.startsWith('A'))
        return "AH";
    if (code.startsWith('B'))
        return "BH";
    return "07";
}

enum Side { North, East, South, West };

// The pixels along one edge of the inner picture, west to east or north to south.
QVector<QRgb> edgePixels(const QImage &cell, Side s)
{
    const int n = cell.width();
    QVector<QRgb> pixels;
    for (int k = 0; k < n; ++k)
        pixels.append(cell.pixel(s == North ? QPoint(k, 0) : s == South ? QPoint(k, n - 1)
                                 : s == West ? QPoint(0, k) : QPoint(n - 1, k)));
    return pixels;
}

// Pieces of one look: the circuit on grass, the foam mat, the carpet.
QByteArray family(const QByteArray &code)
{
    return code.startsWith('A') ? "foam" : code.startsWith('B') ? "carpet" : "circuit";
}

// Whether each pixel along one edge of the inner picture is something other
// than ground, read west to east or north to south.
QBitArray edgeProfile(const QImage &cell, Side s, QRgb ground)
{
    const QVector<QRgb> pixels = edgePixels(cell, s);
    QBitArray built(pixels.size());
    for (int k = 0; k < pixels.size(); ++k)
        built.setBit(k, distance(pixels[k], ground) > groundTolerance);
    return built;
}

// What may cross an edge, as the stretch of it that is built on. Roads are
// one width and centred on the edge, so every 'M' meets every other 'M';
// a diagonal crosses cells corner to corner and spills over one end of an
// edge ('L' at the start, 'H' at the end); paved areas end at the midline.
struct Span
{
    qreal from, to;  // built on from..to; from == to for nothing
};

// A diagonal road 20 wide crosses an edge over 20 * sqrt(2) pixels.
const qreal diagonalReach = 10 * M_SQRT2;

Span declaredSpan(char kind)
{
    switch (kind) {
    case '-': return {0, 0};
    case 'M': return {14, 34};   // road
    case 'L': return {0, diagonalReach};       // diagonal spilling over the start corner
    case 'H': return {48 - diagonalReach, 48};  // ... over the end corner
    case 'p': return {4, 34};    // road with pit wall and pit lane before it
    case 'q': return {14, 44};   // road with pit wall and pit lane after it
    case 'l': return {0, 24};    // paved up to the midline
    case 'h': return {24, 48};   // paved from the midline
    case 'F': return {0, 48};    // built on all along
    }
    return {-1, -1};
}

// Per piece, what crosses its north, east, south and west edges (see
// declaredSpan); 'x' where a large corner's piece meets its own block.
struct DeclaredEdges
{
    QByteArray code;
    QByteArray edges;
};

const QVector<DeclaredEdges> &declaredEdges()
{
    static const QVector<DeclaredEdges> table = {
        // Normal
        {"00", "-MM-"}, {"01", "--MM"}, {"02", "MM--"}, {"03", "M--M"},
        {"04", "-M-M"}, {"05", "M-M-"}, {"06", "-M-M"}, {"07", "----"}, {"08", "M-M-"}, {"09", "FFFF"},
        // RCP 1
        {"A0", "-MM-"}, {"A1", "--MM"}, {"A2", "MM--"}, {"A3", "M--M"},
        {"A4", "-M-M"}, {"A5", "M-M-"}, {"A6", "-M-M"}, {"A7", "M-M-"},
        {"A8", "-MMM"}, {"A9", "M-MM"}, {"AA", "MM-M"}, {"AB", "MMM-"},
        {"AC", "-M-M"}, {"AD", "M-M-"}, {"AE", "-M-M"}, {"AF", "M-M-"},
        {"AG", "MMMM"}, {"AH", "----"}, {"AI", "-M-M"}, {"AJ", "M-M-"},
        // RCP 2
        {"B0", "-MM-"}, {"B1", "--MM"}, {"B2", "MM--"}, {"B3", "M--M"},
        {"B4", "-M-M"}, {"B5", "M-M-"}, {"B6", "-M-M"}, {"B7", "M-M-"},
        {"B8", "-MMM"}, {"B9", "M-MM"}, {"BA", "MM-M"}, {"BB", "MMM-"},
        {"BC", "---M"}, {"BD", "M---"}, {"BE", "-M--"}, {"BF", "--M-"},
        {"BG", "MMMM"}, {"BH", "----"}, {"BI", "MMMM"},
        // Larger corners: only the outside of each block is declared
        {"10", "-xx-"}, {"11", "-Mxx"}, {"12", "xxM-"}, {"13", "x--x"},
        {"14", "-xxM"}, {"15", "--xx"}, {"16", "xx--"}, {"17", "x-Mx"},
        {"18", "Mxx-"}, {"19", "--xx"}, {"1A", "xx--"}, {"1B", "xM-x"},
        {"1C", "-xx-"}, {"1D", "M-xx"}, {"1E", "xx-M"}, {"1F", "x--x"},
        {"1G", "-xx-"}, {"1H", "-xxx"}, {"1K", "-M-x"},
        {"1I", "xxx-"}, {"1J", "x--x"}, {"1L", "x-M-"},
        // Intersection
        {"20", "-MMM"}, {"21", "M-MM"}, {"22", "MM-M"}, {"23", "MMM-"},
        {"24", "MM-M"}, {"25", "MMM-"}, {"26", "-MMM"}, {"27", "M-MM"},
        {"28", "MMMM"}, {"29", "MMMM"}, {"2A", "MMMM"}, {"2B", "MMMM"},
        // Diagonal
        {"30", "HL-M"}, {"31", "MHH-"}, {"32", "-MLH"}, {"33", "L-ML"},
        {"34", "HLLH"}, {"35", "LHHL"},
        {"36", "-HHM"}, {"37", "M-LH"}, {"38", "LM-L"}, {"39", "HLM-"},
        {"3A", "-HH-"}, {"3B", "--LH"}, {"3C", "HL--"}, {"3D", "L--L"},
        {"3E", "HLLH"}, {"3F", "LHHL"}, {"3G", "LHHL"}, {"3H", "HLLH"},
        // Pit lane
        {"40", "-p-p"}, {"41", "q-q-"}, {"42", "-p-p"}, {"43", "q-q-"},
        {"44", "-p-M"}, {"45", "-M-p"}, {"46", "M-q-"}, {"47", "q-M-"},
        {"48", "-p-p"}, {"49", "q-q-"},
        // Bumps
        {"90", "-M-M"}, {"91", "M-M-"}, {"92", "-M-M"}, {"93", "M-M-"}, {"94", "-M-M"},
        {"95", "M-M-"}, {"96", "-M-M"}, {"97", "M-M-"}, {"98", "-M-M"}, {"99", "M-M-"},
        // Open 1
        {"50", "-hFh"}, {"51", "l-lF"}, {"52", "Fl-l"}, {"53", "hFh-"},
        {"54", "-hh-"}, {"55", "--lh"}, {"56", "hl--"}, {"57", "l--l"},
        {"58", "FllF"}, {"59", "FFhl"}, {"5A", "lhFF"}, {"5B", "hFFh"},
        {"5C", "MhFh"}, {"5D", "lMlF"}, {"5E", "FlMl"}, {"5F", "hFhM"},
        {"5G", "FFFF"}, {"5H", "FFFF"}, {"5I", "FFFF"}, {"5J", "FFFF"},
        // Open 2
        {"60", "-hFh"}, {"61", "l-lF"}, {"62", "Fl-l"}, {"63", "hFh-"},
        {"64", "-hh-"}, {"65", "--lh"}, {"66", "hl--"}, {"67", "l--l"},
        {"68", "FllF"}, {"69", "FFhl"}, {"6B", "lhFF"}, {"6A", "hFFh"},
        // Extra's: scenery keeps clear of the edges, but for the walls and the gantry's road
        {"70", "----"}, {"71", "-x-x"}, {"72", "x-x-"}, {"73", "----"}, {"74", "-M-M"},
        {"75", "----"}, {"76", "----"}, {"77", "----"}, {"78", "----"}, {"79", "----"},
    };
    return table;
}

} // namespace

class TestTiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyCodeHasItsFile();
    void fileIsUncompressed24BitBmp_data();
    void fileIsUncompressed24BitBmp();
    void frameIsOneColourFoundNowhereInside_data();
    void frameIsOneColourFoundNowhereInside();
    void picturesAllDiffer();
    void defaultPieceIsPlainGround();
    void edgesCarryWhatIsDeclared_data();
    void edgesCarryWhatIsDeclared();
    void neighboursJoin_data();
    void neighboursJoin();
    void likeEdgesLookAlike_data();
    void likeEdgesLookAlike();

private:
    QHash<QByteArray, QByteArray> m_files;
    QHash<QByteArray, QImage> m_tiles;
};

void TestTiles::initTestCase()
{
    QVERIFY2(QDir(QStringLiteral(KW_TILES_DIR)).exists(),
             "No tile folder " KW_TILES_DIR ": build the tiles target first");
    for (const QByteArray &code : Catalogue::codes()) {
        QFile file(tilePath(code));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        m_files.insert(code, file.readAll());
        if (m_files.value(code).size() == fileBytes)
            m_tiles.insert(code, decode(m_files.value(code)));
    }
}

void TestTiles::everyCodeHasItsFile()
{
    QCOMPARE(Catalogue::codes().size(), 163);
    for (const QByteArray &code : Catalogue::codes())
        QVERIFY2(m_files.contains(code), qPrintable(tilePath(code)));
}

void TestTiles::fileIsUncompressed24BitBmp_data()
{
    QTest::addColumn<QByteArray>("code");
    for (const QByteArray &code : Catalogue::codes())
        QTest::newRow(code.constData()) << code;
}

void TestTiles::fileIsUncompressed24BitBmp()
{
    QFETCH(QByteArray, code);
    const QByteArray bytes = m_files.value(code);
    QCOMPARE(bytes.size(), fileBytes);
    QVERIFY(bytes.startsWith("BM"));
    QCOMPARE(le32(bytes, 2), quint32(fileBytes));
    QCOMPARE(le32(bytes, 10), quint32(pixelOffset));
    QCOMPARE(le32(bytes, 14), quint32(40));          // information header size
    QCOMPARE(le32(bytes, 18), quint32(side));        // width
    QCOMPARE(le32(bytes, 22), quint32(side));        // height, bottom row first
    QCOMPARE(le16(bytes, 26), quint16(1));           // planes
    QCOMPARE(le16(bytes, 28), quint16(24));          // bits per pixel
    QCOMPARE(le32(bytes, 30), quint32(0));           // no compression
    QCOMPARE(le32(bytes, 46), quint32(0));           // no colour table

    // A second opinion on the pixels from Qt's own BMP reader.
    QImage byQt;
    QVERIFY(byQt.loadFromData(bytes, "BMP"));
    QCOMPARE(byQt.convertToFormat(QImage::Format_RGB32), m_tiles.value(code));
}

void TestTiles::frameIsOneColourFoundNowhereInside_data()
{
    fileIsUncompressed24BitBmp_data();
}

void TestTiles::frameIsOneColourFoundNowhereInside()
{
    QFETCH(QByteArray, code);
    QVERIFY(m_tiles.contains(code));
    const QImage tile = m_tiles.value(code);
    // The button mask takes the bottom-left pixel's colour.
    const QRgb mask = tile.pixel(0, side - 1);
    for (int k = 0; k < side; ++k) {
        QCOMPARE(tile.pixel(k, 0), mask);
        QCOMPARE(tile.pixel(k, side - 1), mask);
        QCOMPARE(tile.pixel(0, k), mask);
        QCOMPARE(tile.pixel(side - 1, k), mask);
    }
    for (int y = 1; y < side - 1; ++y)
        for (int x = 1; x < side - 1; ++x)
            if (tile.pixel(x, y) == mask)
                QFAIL(qPrintable(QStringLiteral("frame colour inside at %1,%2").arg(x).arg(y)));
}

void TestTiles::picturesAllDiffer()
{
    QHash<QByteArray, QByteArray> owner;  // pixel bytes -> code
    for (const QByteArray &code : Catalogue::codes()) {
        QVERIFY(m_files.contains(code));
        const QByteArray pixels = m_files.value(code).mid(pixelOffset);
        QVERIFY2(!owner.contains(pixels),
                 qPrintable(QStringLiteral("%1 and %2 are the same picture")
                                .arg(QString::fromLatin1(owner.value(pixels)), QString::fromLatin1(code))));
        owner.insert(pixels, code);
    }
}

void TestTiles::defaultPieceIsPlainGround()
{
    // "07" fills every empty cell, so it must be bare grass and nothing else.
    QVERIFY(m_tiles.contains("07"));
    const QImage cell = inner(m_tiles.value("07"));
    const QRgb mean = meanColour(cell);
    QVERIFY2(qGreen(mean) > qRed(mean) + 30 && qGreen(mean) > qBlue(mean) + 30, "07 is not green");
    for (int y = 0; y < cell.height(); ++y)
        for (int x = 0; x < cell.width(); ++x)
            QVERIFY2(distance(cell.pixel(x, y), mean) <= groundTolerance,
                     qPrintable(QStringLiteral("07 has something at %1,%2").arg(x + 1).arg(y + 1)));
}

void TestTiles::edgesCarryWhatIsDeclared_data()
{
    // Every piece of the table, each with what this test expects of its
    // artwork; a piece without a declaration fails.
    QTest::addColumn<QByteArray>("code");
    QTest::addColumn<QByteArray>("edges");
    QHash<QByteArray, QByteArray> declared;
    for (const DeclaredEdges &row : declaredEdges())
        declared.insert(row.code, row.edges);
    for (const QByteArray &code : Catalogue::codes())
        QTest::newRow(code.constData()) << code << declared.value(code);
}

void TestTiles::edgesCarryWhatIsDeclared()
{
    QFETCH(QByteArray, code);
    QFETCH(QByteArray, edges);
    QVERIFY2(edges.size() == 4, "no edges declared for this piece");
    QVERIFY(m_tiles.contains(code));
    QVERIFY(m_tiles.contains(groundPiece(code)));
    const QImage cell = inner(m_tiles.value(code));
    const QRgb ground = meanColour(inner(m_tiles.value(groundPiece(code))));
    for (int s = North; s <= West; ++s) {
        if (edges[s] == 'x')
            continue;
        const Span span = declaredSpan(edges[s]);
        QVERIFY(span.from >= 0);
        const QBitArray built = edgeProfile(cell, Side(s), ground);
        const int n = built.size();
        QCOMPARE(n, 48);
        // A pixel that a slanting boundary cuts may go either way.
        auto cut = [&](int k) { return (span.from > k && span.from < k + 1) || (span.to > k && span.to < k + 1); };
        for (int k = 0; k < n; ++k) {
            if (cut(k))
                continue;
            const bool expected = k >= span.from && k < span.to;
            if (built.testBit(k) != expected)
                QFAIL(qPrintable(QStringLiteral("%1 edge of %2, pixel %3: %4")
                                     .arg(QLatin1Char("NESW"[s])).arg(QString::fromLatin1(code)).arg(k + 1)
                                     .arg(expected ? QStringLiteral("bare ground") : QStringLiteral("not ground"))));
        }
    }
}

void TestTiles::neighboursJoin_data()
{
    // Small tracks, one row of codes per line. Wherever two cells touch,
    // what crosses the edge must carry on into the neighbour: this covers
    // the pieces cut from one larger corner and the slanted diagonals,
    // whose joins a single piece's edges cannot state alone.
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("larger corners") << QStringList{
        "10,11,04,14,15", "12,13,07,16,17", "05,07,07,07,05", "18,19,07,1C,1D", "1A,1B,04,1E,1F"};
    QTest::newRow("3 x 3 corner") << QStringList{"1G,1H,1K,04", "1I,1J,07,07", "1L,07,07,07", "05,07,07,07"};
    QTest::newRow("diagonals") << QStringList{
        "07,07,3A,32,04,36,3B,07,07", "07,3A,34,3D,07,3C,35,3B,07", "07,39,3D,07,07,07,3C,33,07",
        "07,05,07,07,07,07,07,05,07", "07,31,3B,07,07,07,3A,37,07", "07,3C,35,3B,07,3A,34,3D,07",
        "07,07,3C,38,04,30,3D,07,07"};
    QTest::newRow("parallel diagonals") << QStringList{"34,3G,34", "3G,34,3D", "34,3D,07"};
    QTest::newRow("pit straight") << QStringList{"07,07,07,07,07,07,07", "04,44,40,48,42,45,04", "07,07,07,07,07,07,07"};
    QTest::newRow("pit straight turned") << QStringList{"07,05,07", "07,46,07", "07,41,07", "07,49,07", "07,43,07", "07,47,07", "07,05,07"};
    QTest::newRow("open area") << QStringList{
        "07,07,05,07,07", "54,50,5C,50,55", "53,5H,58,52,57", "56,52,57,07,07"};
    QTest::newRow("kerbed area") << QStringList{"64,60,60,65", "63,68,69,61", "63,6B,6A,61", "66,62,62,67"};
}

void TestTiles::neighboursJoin()
{
    QFETCH(QStringList, rows);
    QVERIFY(m_tiles.contains("07"));
    const QRgb ground = meanColour(inner(m_tiles.value("07")));
    QVector<QByteArrayList> grid;
    for (const QString &row : rows)
        grid.append(row.toLatin1().split(','));
    auto profile = [&](int r, int c, Side s) {
        const QByteArray code = grid[r][c];
        if (!m_tiles.contains(code))
            QTest::qFail(qPrintable(QStringLiteral("no picture for %1").arg(QString::fromLatin1(code))), __FILE__, __LINE__);
        return edgeProfile(inner(m_tiles.value(code)), s, ground);
    };
    int seams = 0;
    for (int r = 0; r < grid.size(); ++r)
        for (int c = 0; c < grid[r].size(); ++c)
            for (const bool across : {true, false}) {
                const int r2 = across ? r : r + 1, c2 = across ? c + 1 : c;
                if (r2 >= grid.size() || c2 >= grid[r2].size())
                    continue;
                const QBitArray a = profile(r, c, across ? East : South);
                const QBitArray b = profile(r2, c2, across ? West : North);
                int differing = 0;
                for (int k = 0; k < a.size(); ++k)
                    differing += a.testBit(k) != b.testBit(k);
                // One drawing's neighbouring pixels differ only where an
                // outline meets the seam at a slant.
                if (differing > 3)
                    QFAIL(qPrintable(QStringLiteral("%1 %3 %2: %4 pixels disagree")
                                         .arg(QString::fromLatin1(grid[r][c]), QString::fromLatin1(grid[r2][c2]),
                                              across ? QStringLiteral("beside") : QStringLiteral("above"))
                                         .arg(differing)));
                seams += a.count(true) > 0;
            }
    QVERIFY(seams >= 4);
}

void TestTiles::likeEdgesLookAlike_data()
{
    // Where roads and pit lanes cross edges, every piece of one
    // look must show the same cross-section on the same side: same edge
    // lines, same surface, nothing of its own reaching the edge. Otherwise
    // a piece would not join the pieces that its neighbours join.
    QTest::addColumn<QByteArray>("look");
    QTest::addColumn<QByteArray>("kinds");
    QTest::newRow("circuit road") << QByteArray("circuit") << QByteArray("M");
    QTest::newRow("circuit pit lane") << QByteArray("circuit") << QByteArray("pq");
    QTest::newRow("foam road") << QByteArray("foam") << QByteArray("M");
    QTest::newRow("carpet road") << QByteArray("carpet") << QByteArray("M");
}

void TestTiles::likeEdgesLookAlike()
{
    QFETCH(QByteArray, look);
    QFETCH(QByteArray, kinds);
    struct Reference
    {
        QString name;
        QVector<QRgb> pixels;
    };
    QHash<QPair<char, int>, Reference> references;  // per kind and side
    int compared = 0;
    for (const DeclaredEdges &row : declaredEdges()) {
        if (family(row.code) != look)
            continue;
        for (int s = North; s <= West; ++s) {
            if (!kinds.contains(row.edges[s]))
                continue;
            QVERIFY(m_tiles.contains(row.code));
            const QVector<QRgb> pixels = edgePixels(inner(m_tiles.value(row.code)), Side(s));
            const QString name = QString::fromLatin1(row.code) + QLatin1Char("NESW"[s]);
            const auto key = qMakePair(row.edges[s], s);
            if (!references.contains(key)) {
                references.insert(key, {name, pixels});
                continue;
            }
            ++compared;
            // Texture and antialiasing aside, the same colours in the same places.
            const Reference &first = references[key];
            for (int p = 0; p < pixels.size(); ++p)
                if (distance(pixels[p], first.pixels[p]) > 48)
                    QFAIL(qPrintable(QStringLiteral("%1 differs from %2 at pixel %3").arg(name, first.name).arg(p + 1)));
        }
    }
    QVERIFY(compared >= 4);
}

QTEST_GUILESS_MAIN(TestTiles)
#include "tst_tiles.moc"
