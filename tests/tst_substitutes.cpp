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

int distance(QRgb a, QRgb b)
{
    return std::max({qAbs(qRed(a) - qRed(b)), qAbs(qGreen(a) - qGreen(b)), qAbs(qBlue(a) - qBlue(b))});
}

// Per cent of the pixels where the picture differs from the other whose
// colour is common (1 % or more) in the rest of the picture.
double plainness(const QImage &picture, const QVector<bool> &differs)
{
    QVector<QRgb> rest, changed;
    for (int i = 0; i < cell * cell; ++i)
        (differs[i] ? changed : rest).append(picture.pixel(i % cell, i / cell));
    const int plain = std::count_if(changed.cbegin(), changed.cend(), [&](QRgb p) {
        return std::count_if(rest.cbegin(), rest.cend(), [&](QRgb q) { return distance(p, q) <= 12; }) > rest.size() / 100;
    });
    return changed.isEmpty() ? 100 : 100.0 * plain / changed.size();
}

// Two pictures side by side: whether they differ in decoration only, and how
// plain each is where they differ.
struct Comparison
{
    bool decorationOnly = false;
    double plainA = 0;
    double plainB = 0;
};

const Comparison &compare(const QByteArray &a, const QByteArray &b)
{
    static QHash<QByteArray, Comparison> cache;
    if (cache.contains(a + b))
        return cache[a + b];
    const QImage pa = TileCells::of(a), pb = TileCells::of(b);
    auto styleOf = [](const QByteArray &code) {
        return code[0] == 'A' ? RoadStyle::foamMat() : code[0] == 'B' ? RoadStyle::carpet() : RoadStyle::circuit();
    };
    const RoadStyle sa = styleOf(a), sb = styleOf(b);
    auto road = [](QRgb p, const RoadStyle &s) { return TileColours::near(p, s.surface, s.surfaceGrain); };
    auto ground = [](QRgb p, const RoadStyle &s) { return TileColours::near(p, s.ground, s.groundGrain); };
    QVector<bool> differs(cell * cell);
    bool roadMoved = false;
    for (int i = 0; i < cell * cell; ++i) {
        const QRgb p = pa.pixel(i % cell, i / cell), q = pb.pixel(i % cell, i / cell);
        differs[i] = distance(p, q) > samePixel;
        roadMoved |= (road(p, sa) && ground(q, sb)) || (ground(p, sa) && road(q, sb));
    }
    const bool small = differs.count(true) <= decoration / 100 * cell * cell;
    return cache[a + b] = {small && !roadMoved, plainness(pa, differs), plainness(pb, differs)};
}

bool alike(const Piece &a, const Piece &b)
{
    return a.code != b.code && Substitutes::interchangeable(a, b) && compare(a.code, b.code).decorationOnly;
}

bool plainer(const QByteArray &a, const QByteArray &than)
{
    return compare(a, than).plainA >= compare(a, than).plainB + plainerBy;
}

// The plainest piece alike to `piece`: plainer than it and than every other
// piece alike to itself.
QVector<QByteArray> plainest(const Piece &piece)
{
    QVector<QByteArray> found;
    for (const Piece &p : PieceTable::pieces()) {
        const auto &all = PieceTable::pieces();
        if (alike(piece, p) && plainer(p.code, piece.code)
            && std::all_of(all.cbegin(), all.cend(), [&](const Piece &q) { return !alike(p, q) || plainer(p.code, q.code); }))
            found.append(p.code);
    }
    return found;
}

// Pairs the artwork allows that a club would not accept.
struct Refusal
{
    QVector<QByteArray> codes;
    QByteArray by;
    const char *why;
};

const QVector<Refusal> refusals = {
    {{"29", "2A"}, "28", "a bridge keeps its two roads apart; on a crossroads their cars meet"},
    {{"70", "71", "72", "79"}, "07", "a barrier stops a car that leaves the road; grass does not"},
    {{"1G"}, "07", "the large corner's gravel run-off catches the cars that run wide"},
};

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
            if (std::none_of(refusals.cbegin(), refusals.cend(), [&](const Refusal &r) { return r.codes.contains(code) && r.by == by; }))
                expected.append(by);
        QCOMPARE(Substitutes::of(code), expected);
    }

    // Every refusal is a pair the artwork would allow.
    void refusalsNameDerivedPairs()
    {
        for (const Refusal &r : refusals)
            for (const QByteArray &code : r.codes)
                QVERIFY2(plainest(*PieceTable::find(code)).contains(r.by), qPrintable(code + " by " + r.by));
        QVERIFY(Substitutes::of("ZZ").isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestSubstitutes)
#include "tst_substitutes.moc"
