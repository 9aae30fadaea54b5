// SPDX-License-Identifier: GPL-3.0-or-later
// The counterpart columns of the piece table against the artwork: for every
// piece and every turn and mirror, the counterpart's edges are the piece's
// edges turned, and its generated picture is the piece's picture turned. A
// piece without a counterpart must have no look-alike in the catalogue.
#include "tilecells.h"

#include "document/gridtransform.h"
#include "pieces/bmpreader.h"
#include "pieces/catalogue.h"
#include "pieces/piecetable.h"

#include <QDir>
#include <QHash>
#include <QtTest>

namespace {

constexpr int cell = EdgeProfile::length;

const char *turnName(Turn turn)
{
    static const char *const names[] = {"clockwise", "anticlockwise", "left-right", "top-bottom"};
    return names[int(turn)];
}

// The 48 x 48 cell inside a tile's one-pixel frame.
const auto picture = TileCells::of;

// A picture turned as GridTransform turns cells: the pixel (x, y) lands
// where the cell (x, y) of a 48 x 48 block would.
QImage turned(const QImage &image, Turn turn)
{
    const QSize size = GridTransform::sizeAfter(turn, image.size());
    QImage result(size, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QPoint to = GridTransform::cellAfter(turn, QPoint(x, y), image.size());
            result.setPixel(to, image.pixel(x, y));
        }
    return result;
}

int colourDistance(QRgb a, QRgb b)
{
    return std::max({qAbs(qRed(a) - qRed(b)), qAbs(qGreen(a) - qGreen(b)), qAbs(qBlue(a) - qBlue(b))});
}

// Pixels of a that no pixel of b within one pixel comes close to. The
// texture grain stays well inside the colour distance, and the one-pixel
// reach forgives antialiasing that rounds a turned edge the other way.
// Both are 32-bit pictures (picture(), turned()), read row by row: the
// whole table compares every turned picture with every piece's, millions of
// pixels, which a call per pixel made the slowest test of all.
// Counting stops at enough.
int unmatchedPixels(const QImage &a, const QImage &b, int enough)
{
    constexpr int colourTolerance = 48;
    int count = 0;
    for (int y = 0; y < a.height() && count < enough; ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(a.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            int best = 256;
            for (int dy = -1; dy <= 1 && best > colourTolerance; ++dy) {
                if (y + dy < 0 || y + dy >= b.height())
                    continue;
                const auto *near = reinterpret_cast<const QRgb *>(b.constScanLine(y + dy));
                for (int dx = -1; dx <= 1; ++dx)
                    if (x + dx >= 0 && x + dx < b.width())
                        best = std::min(best, colourDistance(row[x], near[x + dx]));
            }
            count += best > colourTolerance;
        }
    }
    return count;
}

// How far two pictures of one size differ, in per cent of their pixels;
// past enough, only that it is more than enough: comparing a picture with
// every piece's, most differ at once.
double difference(const QImage &a, const QImage &b, double enough = 100)
{
    const int pixels = a.width() * a.height();
    // The fewest unmatched pixels that make more than enough.
    const int past = int(enough / 100 * 2 * pixels) + 1;
    const int there = unmatchedPixels(a, b, past);
    const int back = there < past ? unmatchedPixels(b, a, past - there) : 0;
    return 100.0 * (there + back) / 2 / pixels;
}

// Every picture turned onto a counterpart lies within this; the nearest
// wrong pieces (a start line whose grid lies on the other side of the
// line) are 1.0 and more, turned forks and wrong corners far more.
constexpr double samePicture = 0.8;

// How far the colours of two pictures differ, in per cent of their pixels:
// it ignores where things are, only whether the same things are drawn.
double colourDifference(const QImage &a, const QImage &b)
{
    auto histogram = [](const QImage &image) {
        QVector<int> bins(64);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                ++bins[qRed(p) / 64 * 16 + qGreen(p) / 64 * 4 + qBlue(p) / 64];
            }
        return bins;
    };
    const QVector<int> ha = histogram(a), hb = histogram(b);
    int sum = 0;
    for (int i = 0; i < ha.size(); ++i)
        sum += qAbs(ha[i] - hb[i]);
    return 100.0 * sum / 2 / (a.width() * a.height());
}

// A counterpart whose picture shows the same things where only their
// decoration differs from the turned picture: the same colours in the same
// amounts, the same layout at large.
constexpr double sameColours = 3.0;
constexpr double sameLayout = 15.0;

bool looksAlike(const QImage &turnedPicture, const QByteArray &code)
{
    return colourDifference(turnedPicture, picture(code)) <= sameColours
        && difference(turnedPicture, picture(code)) <= sameLayout;
}

using TurnSet = QVector<Turn>;
const TurnSet quarterTurns = {Turn::Clockwise, Turn::Anticlockwise};
const TurnSet allTurns = {Turn::Clockwise, Turn::Anticlockwise, Turn::MirrorLeftRight, Turn::MirrorTopBottom};

// Counterparts that differ from the turned picture in decoration only: the
// piece is the same to whoever lays the track. Each is compared by
// looksAlike() instead of samePicture.
struct Decoration
{
    QByteArray code;
    TurnSet turns;
    const char *why;
};

const QVector<Decoration> &decorations()
{
    static const QVector<Decoration> list = {
        {"06", {Turn::MirrorTopBottom}, "the grid boxes stagger the other way, the checkers change phase"},
        {"08", {Turn::MirrorLeftRight}, "the grid boxes stagger the other way, the checkers change phase"},
        {"A6", {Turn::MirrorTopBottom}, "the grid boxes stagger the other way, the checkers change phase"},
        {"A7", {Turn::MirrorLeftRight}, "the grid boxes stagger the other way, the checkers change phase"},
        {"B6", {Turn::MirrorTopBottom}, "the grid boxes stagger the other way, the checkers change phase"},
        {"B7", {Turn::MirrorLeftRight}, "the grid boxes stagger the other way, the checkers change phase"},
        {"40", {Turn::MirrorLeftRight}, "the cars in the garages stand in the other order"},
        {"41", {Turn::MirrorTopBottom}, "the cars in the garages stand in the other order"},
        {"5H", allTurns, "the cones stand elsewhere on the paving"},
        {"70", allTurns, "the tyre stacks stand in another heap"},
        {"75", {Turn::MirrorLeftRight}, "the spectators' colours"},
        {"76", {Turn::MirrorLeftRight}, "the flag stands on the other side of the hut"},
        {"78", allTurns, "the pond's shore has another outline"},
        {"79", {Turn::Clockwise, Turn::Anticlockwise, Turn::MirrorLeftRight}, "the bales lie in another pattern"},
        {"90", {Turn::Anticlockwise, Turn::MirrorLeftRight}, "the hump's shading falls the other way"},
        {"91", {Turn::Clockwise, Turn::MirrorTopBottom}, "the hump's shading falls the other way"},
        {"92", {Turn::Anticlockwise, Turn::MirrorLeftRight}, "the strips lie a pixel apart"},
        {"93", {Turn::Clockwise, Turn::MirrorTopBottom}, "the strips lie a pixel apart"},
        {"AI", {Turn::Anticlockwise, Turn::MirrorTopBottom}, "the cones stand on the other side of the line"},
        {"AJ", {Turn::Clockwise, Turn::MirrorLeftRight}, "the cones stand on the other side of the line"},
    };
    return list;
}

const Decoration *decoration(const QByteArray &code, Turn turn)
{
    for (const Decoration &d : decorations())
        if (d.code == code && d.turns.contains(turn))
            return &d;
    return nullptr;
}

// Pieces without a counterpart although a piece looks alike: they face one
// way, and the look-alike faces the other.
struct Facing
{
    QByteArray code;
    TurnSet turns;
    const char *why;
};

const QVector<Facing> &facings()
{
    static const QVector<Facing> list = {
        {"06", {Turn::Anticlockwise, Turn::MirrorLeftRight}, "the start grid would lie beyond the line: a start the other way"},
        {"08", {Turn::Clockwise, Turn::MirrorTopBottom}, "the start grid would lie beyond the line: a start the other way"},
        {"A6", {Turn::Anticlockwise, Turn::MirrorLeftRight}, "the start grid would lie beyond the line: a start the other way"},
        {"A7", {Turn::Clockwise, Turn::MirrorTopBottom}, "the start grid would lie beyond the line: a start the other way"},
        {"B6", {Turn::Anticlockwise, Turn::MirrorLeftRight}, "the start grid would lie beyond the line: a start the other way"},
        {"B7", {Turn::Clockwise, Turn::MirrorTopBottom}, "the start grid would lie beyond the line: a start the other way"},
        {"24", {Turn::MirrorLeftRight, Turn::MirrorTopBottom}, "the branch would curve off the other way; a T-junction meets it square"},
        {"25", {Turn::MirrorLeftRight, Turn::MirrorTopBottom}, "the branch would curve off the other way; a T-junction meets it square"},
        {"26", {Turn::MirrorLeftRight, Turn::MirrorTopBottom}, "the branch would curve off the other way; a T-junction meets it square"},
        {"27", {Turn::MirrorLeftRight, Turn::MirrorTopBottom}, "the branch would curve off the other way; a T-junction meets it square"},
        {"71", {Turn::Anticlockwise, Turn::MirrorTopBottom}, "the painted row of tyres would face away from the viewer"},
        {"72", {Turn::Clockwise, Turn::MirrorLeftRight}, "the painted row of tyres would face away from the viewer"},
        {"76", {Turn::Clockwise, Turn::Anticlockwise, Turn::MirrorTopBottom}, "the hut's front and the flag would lie on their side or upside down"},
    };
    return list;
}

const Facing *facing(const QByteArray &code, Turn turn)
{
    for (const Facing &f : facings())
        if (f.code == code && f.turns.contains(turn))
            return &f;
    return nullptr;
}

void addPieceTurnRows()
{
    QTest::addColumn<QByteArray>("code");
    QTest::addColumn<Turn>("turn");
    for (const QByteArray &code : Catalogue::codes())
        for (Turn turn : Turns::all)
            QTest::addRow("%s %s", code.constData(), turnName(turn)) << code << turn;
}

// A block of tiles as one picture.
QImage blockPicture(const TrackBlock &block)
{
    QImage image(block.width() * cell, block.height() * cell, QImage::Format_RGB32);
    for (int r = 0; r < block.height(); ++r)
        for (int c = 0; c < block.width(); ++c)
            for (int y = 0; y < cell; ++y)
                for (int x = 0; x < cell; ++x)
                    image.setPixel(c * cell + x, r * cell + y, picture(block.code(c, r)).pixel(x, y));
    return image;
}

TrackBlock blockOf(const QVector<QByteArray> &rows)
{
    return TrackBlock::fromText(rows.toList().join(QByteArrayLiteral("\r\n")));
}

// Deliberately wrong counterparts that the picture comparison must refuse.
QString wrongEntryDifference(const QByteArray &code, Turn turn, const QByteArray &wrong)
{
    const double d = difference(turned(picture(code), turn), picture(wrong));
    return d > samePicture ? QString() : QStringLiteral("accepted at %1 %").arg(d);
}

} // namespace

class TestCounterparts : public QObject
{
    Q_OBJECT

private slots:
    void counterpartsAreCatalogueCodes()
    {
        for (const QByteArray &code : Catalogue::codes())
            for (Turn turn : Turns::all) {
                const QByteArray counterpart = PieceTable::counterpart(code, turn);
                QVERIFY2(counterpart.isEmpty() || Catalogue::contains(counterpart),
                         qPrintable(code + " " + turnName(turn) + " names " + counterpart));
            }
        QCOMPARE(PieceTable::counterpart("ZZ", Turn::Clockwise), QByteArray());
        QCOMPARE(PieceTable::counterpart("ZZ", Turn::Anticlockwise), QByteArray());
    }

    // The columns hang together as turns do: a mirror undoes itself, a turn
    // and its opposite undo each other, four quarter turns come back, and
    // two quarter turns are both mirrors, wherever all the steps exist.
    void counterpartsComposeLikeTurns()
    {
        QSet<QByteArray> clockwiseTargets;
        auto then = [](const QByteArray &code, Turn turn) {
            return code.isEmpty() ? code : PieceTable::counterpart(code, turn);
        };
        for (const QByteArray &code : Catalogue::codes()) {
            const QByteArray cw = PieceTable::counterpart(code, Turn::Clockwise);
            QVERIFY2(cw.isEmpty() || !clockwiseTargets.contains(cw), qPrintable(cw + " is the turn of two pieces"));
            clockwiseTargets.insert(cw);
            for (Turn turn : Turns::all) {
                const QByteArray once = PieceTable::counterpart(code, turn);
                if (!once.isEmpty())
                    QVERIFY2(then(once, Turns::inverse(turn)) == code, qPrintable(code + " " + turnName(turn)));
            }
            const QByteArray four = then(then(then(cw, Turn::Clockwise), Turn::Clockwise), Turn::Clockwise);
            if (!four.isEmpty())
                QCOMPARE(four, code);
            const QByteArray half = then(cw, Turn::Clockwise);
            const QByteArray mirrors = then(PieceTable::counterpart(code, Turn::MirrorLeftRight), Turn::MirrorTopBottom);
            if (!half.isEmpty() && !mirrors.isEmpty())
                QVERIFY2(half == mirrors, qPrintable(code + ": half a turn " + half + ", both mirrors " + mirrors));
        }
    }

    void reversedProfile_data()
    {
        QTest::addColumn<EdgeProfile>("profile");
        QTest::addColumn<EdgeProfile>("reversed");
        const auto R = EdgeProfile::road, P = EdgeProfile::paved;
        QTest::newRow("nothing") << EdgeProfile() << EdgeProfile();
        QTest::newRow("middle road") << R(14, 34) << R(14, 34);
        QTest::newRow("diagonal's end") << R(34, 48) << R(0, 14);
        QTest::newRow("pit lane and road") << R(4, 11) + R(14, 34) << R(14, 34) + R(37, 44);
        QTest::newRow("paving half") << P(0, 24) << P(24, 48);
    }

    void reversedProfile()
    {
        QFETCH(EdgeProfile, profile);
        QFETCH(EdgeProfile, reversed);
        QCOMPARE(profile.reversed(), reversed);
        QCOMPARE(reversed.reversed(), profile);
    }

    void edgesTurnWithThePiece_data() { addPieceTurnRows(); }

    void edgesTurnWithThePiece()
    {
        QFETCH(QByteArray, code);
        QFETCH(Turn, turn);
        const QByteArray counterpart = PieceTable::counterpart(code, turn);
        if (counterpart.isEmpty())
            return;  // noneHidesNoCounterpart
        const PieceEdges expected = PieceEdges::find(code)->turned(turn);
        const PieceEdges &got = *PieceEdges::find(counterpart);
        for (Edge edge : Edges::all)
            QVERIFY2(got[edge] == expected[edge],
                     qPrintable(QStringLiteral("%1 has %2 on the %3 edge, the turned %4 has %5")
                                    .arg(QString::fromLatin1(counterpart), got[edge].toString(), Edges::name(edge),
                                         QString::fromLatin1(code), expected[edge].toString())));
    }

    void picturesTurnWithThePiece_data() { addPieceTurnRows(); }

    void picturesTurnWithThePiece()
    {
        QFETCH(QByteArray, code);
        QFETCH(Turn, turn);
        const QByteArray counterpart = PieceTable::counterpart(code, turn);
        if (counterpart.isEmpty())
            return;  // noneHidesNoCounterpart
        const QImage expected = turned(picture(code), turn);
        const double d = difference(expected, picture(counterpart));
        if (const Decoration *deco = decoration(code, turn)) {
            QVERIFY2(d > samePicture, qPrintable(QStringLiteral("the same picture (%1 %): no decoration to forgive").arg(d)));
            QVERIFY2(looksAlike(expected, counterpart),
                     qPrintable(QStringLiteral("%1 differs by %2 %, colours by %3 % (%4)")
                                    .arg(QString::fromLatin1(counterpart)).arg(d)
                                    .arg(colourDifference(expected, picture(counterpart))).arg(QLatin1String(deco->why))));
            return;
        }
        QVERIFY2(d <= samePicture, qPrintable(QStringLiteral("%1 differs by %2 %").arg(QString::fromLatin1(counterpart)).arg(d)));
    }

    // "None" hides nothing: no catalogue piece shows the turned picture, and
    // a piece that looks alike is one that faces the other way.
    void noneHidesNoCounterpart_data() { addPieceTurnRows(); }

    void noneHidesNoCounterpart()
    {
        QFETCH(QByteArray, code);
        QFETCH(Turn, turn);
        if (!PieceTable::counterpart(code, turn).isEmpty()) {
            QVERIFY2(!facing(code, turn), "listed as facing one way, yet it has a counterpart");
            return;
        }
        const QImage expected = turned(picture(code), turn);
        const PieceEdges edges = PieceEdges::find(code)->turned(turn);
        bool lookAlike = false;
        for (const QByteArray &other : Catalogue::codes()) {
            const double d = difference(expected, picture(other), samePicture);
            QVERIFY2(d > samePicture, qPrintable(QStringLiteral("%1 shows it (%2 %)").arg(QString::fromLatin1(other)).arg(d)));
            if (*PieceEdges::find(other) == edges && looksAlike(expected, other)) {
                lookAlike = true;
                QVERIFY2(facing(code, turn), qPrintable(QStringLiteral("%1 looks alike (%2 %)").arg(QString::fromLatin1(other)).arg(d)));
            }
        }
        if (facing(code, turn))
            QVERIFY2(lookAlike, "listed as facing one way, yet nothing looks alike");
    }

    // Every listed decoration and facing is one that a row above uses.
    void listsNameRealEntries()
    {
        for (const Decoration &d : decorations())
            for (Turn turn : d.turns)
                QVERIFY2(!PieceTable::counterpart(d.code, turn).isEmpty(), d.code.constData());
        for (const Facing &f : facings())
            for (Turn turn : f.turns)
                QVERIFY2(PieceTable::counterpart(f.code, turn).isEmpty(), f.code.constData());
    }

    // A large corner block turned as a whole picture is the picture of the
    // turned block that GridTransform lays out, cell for cell.
    void blocksTurnWhole_data()
    {
        QTest::addColumn<TrackBlock>("block");
        QTest::addColumn<Turn>("turn");
        const QVector<QVector<QByteArray>> blocks = {
            {"10,11", "12,13"}, {"14,15", "16,17"}, {"18,19", "1A,1B"}, {"1C,1D", "1E,1F"},
        };
        for (const auto &rows : blocks)
            for (Turn turn : Turns::all)
                QTest::addRow("%s %s", rows[0].left(2).constData(), turnName(turn)) << blockOf(rows) << turn;
        // A stretch of track: corners, a diagonal and a pit entry together.
        for (Turn turn : {Turn::Clockwise, Turn::MirrorLeftRight})
            QTest::addRow("stretch %s", turnName(turn)) << blockOf({"00,04,45,01", "30,07,3A,05", "02,04,04,03"}) << turn;
    }

    void blocksTurnWhole()
    {
        QFETCH(TrackBlock, block);
        QFETCH(Turn, turn);
        const GridTransform::TurnedBlock result = GridTransform::turnBlock(block, turn);
        QVERIFY(result.unmatched.isEmpty());
        const QImage expected = turned(blockPicture(block), turn);
        QCOMPARE(result.block.size(), GridTransform::sizeAfter(turn, block.size()));
        const double d = difference(expected, blockPicture(result.block));
        QVERIFY2(d <= samePicture, qPrintable(QStringLiteral("the turned block differs by %1 %").arg(d)));
    }

    // The 3 x 3 corner exists one way only: every cell of its road turns
    // into nothing, and the grass around it stays grass.
    void theLargestCornerHasNoTurn()
    {
        const TrackBlock block = blockOf({"1G,1H,1K", "1I,1J,07", "1L,07,07"});
        for (Turn turn : Turns::all) {
            const GridTransform::TurnedBlock result = GridTransform::turnBlock(block, turn);
            QCOMPARE(result.unmatched.size(), 6);
            QCOMPARE(GridTransform::codesOf(result.block, result.unmatched).size(), 6);
        }
    }

    // The comparison is sharp enough to refuse plausible mistakes.
    void wrongEntriesAreCaught_data()
    {
        QTest::addColumn<QByteArray>("code");
        QTest::addColumn<Turn>("turn");
        QTest::addColumn<QByteArray>("wrong");
        QTest::newRow("corners swapped") << QByteArray("00") << Turn::Clockwise << QByteArray("03");
        QTest::newRow("corner mirrored the other way") << QByteArray("00") << Turn::MirrorLeftRight << QByteArray("02");
        QTest::newRow("large corner cells swapped") << QByteArray("10") << Turn::Clockwise << QByteArray("17");
        QTest::newRow("large corner wrong block") << QByteArray("10") << Turn::Clockwise << QByteArray("19");
        QTest::newRow("pits on the wrong side") << QByteArray("40") << Turn::MirrorTopBottom << QByteArray("40");
        QTest::newRow("pit lane end the wrong way") << QByteArray("44") << Turn::Clockwise << QByteArray("47");
        QTest::newRow("ramp heading the same way") << QByteArray("96") << Turn::MirrorLeftRight << QByteArray("96");
        QTest::newRow("start grid beyond the line") << QByteArray("06") << Turn::MirrorLeftRight << QByteArray("06");
        QTest::newRow("fork mirrored onto a fork") << QByteArray("24") << Turn::MirrorLeftRight << QByteArray("26");
        QTest::newRow("diagonal corner") << QByteArray("3A") << Turn::Clockwise << QByteArray("3C");
        QTest::newRow("diagonal bend") << QByteArray("30") << Turn::MirrorLeftRight << QByteArray("36");
        QTest::newRow("kerbed inner corner") << QByteArray("6A") << Turn::Clockwise << QByteArray("68");
        QTest::newRow("chicane's kink") << QByteArray("AC") << Turn::MirrorTopBottom << QByteArray("AC");
        QTest::newRow("bridge's upper road") << QByteArray("29") << Turn::Clockwise << QByteArray("29");
        QTest::newRow("turning bay") << QByteArray("BC") << Turn::Clockwise << QByteArray("BF");
        QTest::newRow("tyre wall's face") << QByteArray("71") << Turn::MirrorTopBottom << QByteArray("71");
    }

    void wrongEntriesAreCaught()
    {
        QFETCH(QByteArray, code);
        QFETCH(Turn, turn);
        QFETCH(QByteArray, wrong);
        const QString accepted = wrongEntryDifference(code, turn, wrong);
        QVERIFY2(accepted.isEmpty(), qPrintable(accepted));
    }
};

QTEST_GUILESS_MAIN(TestCounterparts)
#include "tst_counterparts.moc"
