// SPDX-License-Identifier: GPL-3.0-or-later
// The substitute table against the piece table and the artwork. Two pieces
// are alike when they have the same edges and the same road and their
// pictures differ only in decoration: they agree on most of the cell, and
// nowhere does one show road surface where the other shows ground. Of a set
// of alike pieces the plainest, whose differing pixels show only what the
// rest of its picture shows (road, ground, lines), may stand for each of the
// others; the table is exactly that, less the pairs a club would refuse.
#include "tilecells.h"
#include "tilecolours.h"

#include "pieces/piecetable.h"
#include "pieces/substitutes.h"
#include "tools/tilegen/roadstyle.h"

#include <QtTest>

Q_DECLARE_METATYPE(PieceRoad)

namespace {

constexpr int cell = 48;
// A surface's texture is the same in every picture of its style, so the
// same thing drawn in two pictures gives the same pixels.
constexpr int samePixel = 16;
// Decoration covers at most half the cell; pieces of different surfaces
// (tarmac, foam, carpet) differ almost everywhere.
constexpr double decoration = 50;
// The plain piece's differing pixels are its everyday colours, the other's
// mostly not; the nearest decorated pair (garages and pit straight) is 33
// points apart.
constexpr double plainerBy = 25;

RoadStyle styleOf(const QByteArray &code)
{
    return code[0] == 'A' ? RoadStyle::foamMat() : code[0] == 'B' ? RoadStyle::carpet() : RoadStyle::circuit();
}

int distance(QRgb a, QRgb b)
{
    return std::max({qAbs(qRed(a) - qRed(b)), qAbs(qGreen(a) - qGreen(b)), qAbs(qBlue(a) - qBlue(b))});
}

// Two pictures side by side: where they differ, and how plain each is there
// (per cent of the differing pixels whose colour is common, 1 % or more, in
// the rest of the same picture).
struct Comparison
{
    double differing = 0;  // per cent of the cell
    bool roadMoved = false;
    double plainA = 0;
    double plainB = 0;
};

double plainness(const QImage &picture, const QVector<bool> &differs)
{
    QVector<QRgb> rest, changed;
    for (int i = 0; i < cell * cell; ++i)
        (differs[i] ? changed : rest).append(picture.pixel(i % cell, i / cell));
    const int common = int(rest.size()) / 100 + 1;
    int plain = 0;
    for (QRgb p : changed)
        plain += std::count_if(rest.cbegin(), rest.cend(), [&](QRgb q) { return distance(p, q) <= 12; }) >= common;
    return changed.isEmpty() ? 100 : 100.0 * plain / changed.size();
}

Comparison compare(const QByteArray &a, const QByteArray &b)
{
    const QImage pa = TileCells::of(a), pb = TileCells::of(b);
    const RoadStyle sa = styleOf(a), sb = styleOf(b);
    auto road = [](QRgb p, const RoadStyle &s) { return TileColours::near(p, s.surface, s.surfaceGrain); };
    auto ground = [](QRgb p, const RoadStyle &s) { return TileColours::near(p, s.ground, s.groundGrain); };
    Comparison result;
    QVector<bool> differs(cell * cell);
    for (int i = 0; i < cell * cell; ++i) {
        const QRgb p = pa.pixel(i % cell, i / cell), q = pb.pixel(i % cell, i / cell);
        differs[i] = distance(p, q) > samePixel;
        result.differing += differs[i] ? 100.0 / (cell * cell) : 0;
        result.roadMoved |= (road(p, sa) && ground(q, sb)) || (ground(p, sa) && road(q, sb));
    }
    result.plainA = plainness(pa, differs);
    result.plainB = plainness(pb, differs);
    return result;
}

const Comparison &comparison(const QByteArray &a, const QByteArray &b)
{
    static QHash<QByteArray, Comparison> cache;
    const QByteArray key = a + b;
    if (!cache.contains(key))
        cache.insert(key, compare(a, b));
    return cache[key];
}

bool alike(const Piece &a, const Piece &b)
{
    if (a.code == b.code || !Substitutes::interchangeable(a, b))
        return false;
    const Comparison &c = comparison(a.code, b.code);
    return c.differing <= decoration && !c.roadMoved;
}

bool plainer(const QByteArray &a, const QByteArray &than)
{
    const Comparison &c = comparison(a, than);
    return c.plainA >= c.plainB + plainerBy;
}

// The plainest piece alike to `piece`: plainer than it and than every other
// piece alike to itself.
QVector<QByteArray> plainest(const Piece &piece)
{
    QVector<QByteArray> found;
    for (const Piece &p : PieceTable::pieces()) {
        if (!alike(piece, p) || !plainer(p.code, piece.code))
            continue;
        bool plainestOfAll = true;
        for (const Piece &q : PieceTable::pieces())
            plainestOfAll = plainestOfAll && (!alike(p, q) || plainer(p.code, q.code));
        if (plainestOfAll)
            found.append(p.code);
    }
    return found;
}

// Pairs the artwork allows that a club would not accept.
struct Refusal
{
    QByteArray code;
    QByteArray by;
    const char *why;
};

const QVector<Refusal> refusals = {
    {"29", "28", "a bridge keeps its two roads apart; on a crossroads their cars meet"},
    {"2A", "28", "a bridge keeps its two roads apart; on a crossroads their cars meet"},
    {"70", "07", "a barrier stops a car that leaves the road; grass does not"},
    {"71", "07", "a barrier stops a car that leaves the road; grass does not"},
    {"72", "07", "a barrier stops a car that leaves the road; grass does not"},
    {"79", "07", "a barrier stops a car that leaves the road; grass does not"},
    {"1G", "07", "the large corner's gravel run-off catches the cars that run wide"},
};

bool refused(const QByteArray &code, const QByteArray &by)
{
    return std::any_of(refusals.cbegin(), refusals.cend(),
                       [&](const Refusal &r) { return r.code == code && r.by == by; });
}

PieceRoad roadOf(const QVector<RoadWay> &ways, double rest)
{
    PieceRoad road;
    for (const RoadWay &way : ways)
        road = road + PieceRoad(way.from, way.to, way.length);
    return road.plus(rest);
}

} // namespace

class TestSubstitutes : public QObject
{
    Q_OBJECT

private slots:
    void tableFollowsTheArtwork_data()
    {
        QTest::addColumn<QByteArray>("code");
        for (const Piece &piece : PieceTable::pieces())
            QTest::newRow(piece.code.constData()) << piece.code;
    }

    void tableFollowsTheArtwork()
    {
        QFETCH(QByteArray, code);
        const Piece &piece = *PieceTable::find(code);
        QVector<QByteArray> expected;
        for (const QByteArray &by : plainest(piece))
            if (!refused(code, by))
                expected.append(by);
        QCOMPARE(Substitutes::of(code), expected);
    }

    // Every refusal is a pair the artwork would allow.
    void refusalsNameDerivedPairs()
    {
        for (const Refusal &r : refusals)
            QVERIFY2(plainest(*PieceTable::find(r.code)).contains(r.by), qPrintable(r.code + " by " + r.by));
        QVERIFY(Substitutes::of("ZZ").isEmpty());
    }

    void sameRoad_data()
    {
        using P = Port;
        QTest::addColumn<PieceRoad>("a");
        QTest::addColumn<PieceRoad>("b");
        QTest::addColumn<bool>("same");
        const RoadWay we{P::West, P::East, 1}, ns{P::North, P::South, 1};
        QTest::newRow("a way driven the other way") << roadOf({we}, 0) << roadOf({{P::East, P::West, 1}}, 0) << true;
        QTest::newRow("ways in another order") << roadOf({we, ns}, 0) << roadOf({ns, we}, 0) << true;
        QTest::newRow("another length") << roadOf({we}, 0) << roadOf({{P::West, P::East, 1.0653666}}, 0) << false;
        QTest::newRow("another port") << roadOf({we}, 0) << roadOf({{P::West, P::NorthEast, 1}}, 0) << false;
        QTest::newRow("a way twice") << roadOf({we, we}, 0) << roadOf({we, ns}, 0) << false;
        QTest::newRow("more road beside") << roadOf({we}, 0.5) << roadOf({we}, 0.7853982) << false;
    }

    void sameRoad()
    {
        QFETCH(PieceRoad, a);
        QFETCH(PieceRoad, b);
        QFETCH(bool, same);
        QCOMPARE(Substitutes::sameRoad(a, b), same);
        QCOMPARE(Substitutes::sameRoad(b, a), same);
    }
};

QTEST_GUILESS_MAIN(TestSubstitutes)
#include "tst_substitutes.moc"
