// SPDX-License-Identifier: GPL-3.0-or-later
// The road families as the piece table gives them, and the route solver:
// the pointer's cells in, the pieces of a route out, over small tracks.
#include "roadgrids.h"

#include "document/roads/routesolver.h"
#include "pieces/piecetable.h"
#include "pieces/roadfamily.h"

#include <QtTest>

Q_DECLARE_METATYPE(RoadFamily)

using namespace RoadGrids;

namespace {

RouteSolver drive(const TrackGrid &grid, RoadFamily family, const QVector<QPoint> &pointer)
{
    RouteSolver solver(grid, family);
    solver.start(pointer.value(0));
    for (const QPoint &cell : pointer.mid(1))
        solver.enter(cell);
    return solver;
}

QString text(const QVector<QPoint> &cells)
{
    QStringList parts;
    for (const QPoint &cell : cells)
        parts << QStringLiteral("%1,%2").arg(cell.x()).arg(cell.y());
    return parts.join(QLatin1Char(' '));
}

// The circuit's codes for a route, turned into the family's: the foam and
// carpet series have the same corners and straights at the same places.
QString inFamily(QString expected, RoadFamily family)
{
    if (family == RoadFamily::Circuit)
        return expected;
    const char series = family == RoadFamily::Foam ? 'A' : 'B';
    const QStringList circuit{"=00", "=01", "=02", "=03", "=04", "=05", "=28"};
    const QStringList mine{"0", "1", "2", "3", "4", "5", "G"};
    for (int i = 0; i < circuit.size(); ++i)
        expected.replace(circuit[i], QStringLiteral("=%1%2").arg(QLatin1Char(series)).arg(mine[i]));
    return expected;
}

} // namespace

class TestRouteSolver : public QObject
{
    Q_OBJECT

private slots:
    void families_data();
    void families();
    void familyOfPieces_data();
    void familyOfPieces();
    void everyFamilyPieceJoinsItsEdges();
    void routes_data();
    void routes();
    void routeLaysWhatPiecesSay();
    void changedCells();
    void clearDropsTheRoute();
};

void TestRouteSolver::families_data()
{
    QTest::addColumn<RoadFamily>("family");
    QTest::addColumn<QString>("pieces");  // north-south, west-east, E-S, S-W, N-E, W-N, crossroads
    QTest::newRow("circuit") << RoadFamily::Circuit << "05 04 00 01 02 03 28";
    QTest::newRow("foam") << RoadFamily::Foam << "A5 A4 A0 A1 A2 A3 AG";
    QTest::newRow("carpet") << RoadFamily::Carpet << "B5 B4 B0 B1 B2 B3 BG";
}

void TestRouteSolver::families()
{
    QFETCH(RoadFamily, family);
    QFETCH(QString, pieces);
    using namespace EdgeSets;
    const RoadPieces &roads = RoadPieces::of(family);
    const EdgeSet sets[] = {northSouth, westEast, of(Edge::East) | of(Edge::South),
                            of(Edge::South) | of(Edge::West), of(Edge::North) | of(Edge::East),
                            of(Edge::West) | of(Edge::North), all};
    QStringList found;
    for (EdgeSet set : sets)
        found << QString::fromLatin1(roads.piece(set));
    QCOMPARE(found.join(QLatin1Char(' ')), pieces);
    QCOMPARE(roads.road(), EdgeProfile::road(14, 34));
    // Three edges, one edge or none make no piece of the family.
    for (EdgeSet set : {0u, of(Edge::North), all & ~of(Edge::West)})
        QVERIFY(roads.piece(set).isEmpty());
}

void TestRouteSolver::familyOfPieces_data()
{
    QTest::addColumn<QByteArray>("code");
    QTest::addColumn<RoadFamily>("family");
    QTest::newRow("circuit straight") << QByteArray("04") << RoadFamily::Circuit;
    QTest::newRow("grass") << QByteArray("07") << RoadFamily::Circuit;
    QTest::newRow("large corner") << QByteArray("11") << RoadFamily::Circuit;
    QTest::newRow("pit lane") << QByteArray("40") << RoadFamily::Circuit;
    QTest::newRow("tree") << QByteArray("73") << RoadFamily::Circuit;
    QTest::newRow("not a piece") << QByteArray("QQ") << RoadFamily::Circuit;
    QTest::newRow("foam chicane") << QByteArray("AC") << RoadFamily::Foam;
    QTest::newRow("plain foam") << QByteArray("AH") << RoadFamily::Foam;
    QTest::newRow("carpet roundabout") << QByteArray("BI") << RoadFamily::Carpet;
    QTest::newRow("plain carpet") << QByteArray("BH") << RoadFamily::Carpet;
}

void TestRouteSolver::familyOfPieces()
{
    QFETCH(QByteArray, code);
    QFETCH(RoadFamily, family);
    QCOMPARE(RoadPieces::familyOf(code), family);
}

// Over the whole table: a family's straights and corners are named for the
// edges they join, and each is of its family.
void TestRouteSolver::everyFamilyPieceJoinsItsEdges()
{
    for (RoadFamily family : {RoadFamily::Circuit, RoadFamily::Foam, RoadFamily::Carpet}) {
        const RoadPieces &roads = RoadPieces::of(family);
        const QString prefix = family == RoadFamily::Circuit ? QString()
                               : family == RoadFamily::Foam ? QStringLiteral("Foam ")
                                                            : QStringLiteral("Carpet ");
        for (EdgeSet set = 1; set <= EdgeSets::all; ++set) {
            const QByteArray code = roads.piece(set);
            if (EdgeSets::count(set) != 2 && set != EdgeSets::all) {
                QVERIFY(code.isEmpty());
                continue;
            }
            QVERIFY2(!code.isEmpty(), qPrintable(RoadPieces::name(family)));
            QCOMPARE(RoadPieces::familyOf(code), family);
            QCOMPARE(roads.roadEdges(code), set);
            const QString name = PieceTable::name(code);
            QVERIFY2(name.startsWith(prefix), qPrintable(name));
            QVERIFY2(!name.contains(QLatin1String("start line")), qPrintable(name));
            for (Edge edge : Edges::all)
                if (set != EdgeSets::all)
                    QCOMPARE(name.contains(Edges::name(edge)), EdgeSets::has(set, edge));
        }
    }
}

void TestRouteSolver::routes_data()
{
    QTest::addColumn<QString>("track");    // rows, or "WxH" of grass
    QTest::addColumn<QString>("pointer");  // the cells the pointer is over, in order
    QTest::addColumn<QString>("route");    // the route's cells afterwards
    QTest::addColumn<QString>("pieces");   // "x,y=code" in circuit codes
    QTest::addColumn<int>("openEnds");     // of the track with the route laid
    QTest::addColumn<bool>("closed");

    QTest::newRow("rectangle") << "6x5" << "0,0 3,0 3,2 0,2 0,0"
                               << "0,0 1,0 2,0 3,0 3,1 3,2 2,2 1,2 0,2 0,1 0,0"
                               << "0,0=00 1,0=04 3,0=01 3,1=05 3,2=03 2,2=04 0,2=02 0,1=05 4,0=07" << 0 << true;
    QTest::newRow("rectangle drawn the other way") << "6x5" << "1,1 1,3 4,3 4,1 1,1"
                                                   << "1,1 1,2 1,3 2,3 3,3 4,3 4,2 4,1 3,1 2,1 1,1"
                                                   << "1,1=00 1,3=02 4,3=03 4,1=01" << 0 << true;
    QTest::newRow("smallest loop") << "2x2" << "0,0 1,0 1,1 0,1 0,0" << "0,0 1,0 1,1 0,1 0,0"
                                   << "0,0=00 1,0=01 1,1=03 0,1=02" << 0 << true;
    QTest::newRow("figure of eight") << "5x5" << "1,2 4,2 4,0 2,0 2,4 0,4 0,2 1,2"
                                     << "1,2 2,2 3,2 4,2 4,1 4,0 3,0 2,0 2,1 2,2 2,3 2,4 1,4 0,4 0,3 0,2 1,2"
                                     << "2,2=28 1,2=04 3,2=04 2,1=05 2,3=05 4,2=03 2,0=00 0,4=02 0,2=00" << 0
                                     << true;
    QTest::newRow("open route") << "6x3" << "1,1 4,1" << "1,1 2,1 3,1 4,1" << "1,1=04 4,1=04 0,1=07" << 2
                                << false;
    // On a diagonal the route keeps the way it runs; a longer jump goes the
    // farther way first, so the walk follows the pointer's line.
    QTest::newRow("diagonal moves are two steps") << "4x4" << "0,0 1,1 2,2"
                                                  << "0,0 1,0 1,1 1,2 2,2" << "1,0=01 1,1=05 1,2=02 2,2=04" << 2 << false;
    QTest::newRow("a jump is walked") << "6x6" << "0,0 3,2" << "0,0 1,0 2,0 2,1 2,2 3,2"
                                      << "2,0=01 2,1=05 2,2=02 3,2=04" << 2 << false;
    QTest::newRow("shortened") << "6x3" << "0,1 4,1 2,1" << "0,1 1,1 2,1" << "2,1=04 3,1=07 4,1=07" << 2
                               << false;
    QTest::newRow("shortened round a corner") << "5x5" << "0,0 2,0 2,2 2,1" << "0,0 1,0 2,0 2,1"
                                              << "2,0=01 2,1=05 2,2=07" << 2 << false;
    QTest::newRow("shortened to its first cell") << "5x3" << "0,1 3,1 0,1" << "0,1" << "0,1=07 1,1=07" << 0
                                                 << false;
    QTest::newRow("loop opened again") << "3x3" << "0,0 1,0 1,1 0,1 0,0 0,1" << "0,0 1,0 1,1 0,1"
                                       << "0,0=04 1,0=01 0,1=04" << 2 << false;
    QTest::newRow("into a corner of its own refused") << "6x6" << "1,1 3,1 3,3 1,3 1,4 4,4 4,1 3,1"
                                                      << "1,1 2,1 3,1 3,2 3,3 2,3 1,3 1,4 2,4 3,4 4,4 4,3 4,2 4,1"
                                                      << "3,1=01 4,1=05" << 2 << false;
    QTest::newRow("turning out of a crossing refused") << "5x5" << "1,2 4,2 4,0 2,0 2,2 1,2"
                                                       << "1,2 2,2 3,2 4,2 4,1 4,0 3,0 2,0 2,1 2,2"
                                                       << "2,2=28 1,2=04" << 2 << false;
    QTest::newRow("no way past the edge") << "3x3" << "0,1 2,1 5,1" << "0,1 1,1 2,1" << "2,1=04" << 2
                                          << false;
    QTest::newRow("crossing an existing straight")
        << "07,07,07,07,07/07,07,05,07,07/07,07,05,07,07/07,07,05,07,07" << "0,2 4,2" << "0,2 1,2 2,2 3,2 4,2"
        << "2,2=28 1,2=04 3,2=04" << 4 << false;
    QTest::newRow("along an existing start line") << "07,07,07/07,06,07/07,07,07" << "0,1 2,1" << "0,1 1,1 2,1"
                                                  << "1,1=06" << 2 << false;
    QTest::newRow("over an existing corner") << "07,07,07/07,00,07/07,07,07" << "0,1 2,1" << "0,1 1,1 2,1"
                                             << "1,1=04" << 2 << false;
    QTest::newRow("straight through an existing crossroads")
        << "07,05,07/04,28,04/07,05,07/07,07,07" << "1,0 1,3" << "1,0 1,1 1,2 1,3" << "1,1=28 1,0=05" << 4 << false;
    QTest::newRow("starts beside an open end") << "07,07,07,07,07/07,04,04,07,07/07,07,07,07,07/07,07,07,07,07"
                                               << "3,1 3,3" << "3,1 3,2 3,3" << "3,1=01 3,2=05 3,3=05" << 2
                                               << false;
    QTest::newRow("ends beside an open end") << "07,07,07,07,07/07,04,04,07,07/07,07,07,07,07/07,07,07,07,07"
                                             << "3,3 3,1" << "3,3 3,2 3,1" << "3,1=01 3,3=05" << 2 << false;
    QTest::newRow("joins straight on first") << "07,05,07/04,07,07/07,07,07" << "1,1 1,2"
                                             << "1,1 1,2" << "1,1=05 0,1=04" << 4 << false;
    QTest::newRow("closes a C between two ends")
        << "07,07,07,07,07/07,04,04,07,07/07,07,07,07,07" << "3,1 3,2 0,2 0,1" << "3,1 3,2 2,2 1,2 0,2 0,1"
        << "3,1=01 3,2=03 0,2=02 0,1=00" << 0 << false;
    QTest::newRow("lone cell between two ends") << "07,07,07/04,07,04/07,07,07" << "1,1" << "1,1" << "1,1=04"
                                                << 2 << false;
    QTest::newRow("lone cell extends an end") << "07,07,07/07,07,07/07,05,07" << "1,1" << "1,1" << "1,1=05"
                                              << 2 << false;
    QTest::newRow("lone cell with nothing beside") << "3x3" << "1,1" << "1,1" << "1,1=07" << 0 << false;
    QTest::newRow("a foam end is no circuit road") << "07,07,07/A4,07,07/07,07,07" << "1,1 1,2" << "1,1 1,2"
                                                   << "1,1=05" << 4 << false;
    QTest::newRow("full 30 x 30 border") << "30x30" << "0,0 29,0 29,29 0,29 0,0" << "" << "0,0=00 29,0=01 29,29=03 0,29=02 15,0=04 0,15=05"
                                         << 0 << true;
}

void TestRouteSolver::routes()
{
    QFETCH(QString, track);
    QFETCH(QString, pointer);
    QFETCH(QString, route);
    QFETCH(QString, pieces);
    QFETCH(int, openEnds);
    QFETCH(bool, closed);
    const QRegularExpressionMatch size = QRegularExpression(QStringLiteral("^(\\d+)x(\\d+)$")).match(track);
    const TrackGrid grid = size.hasMatch() ? grass(size.captured(1).toInt(), size.captured(2).toInt())
                                           : fromRows(track);
    // The foam and carpet run only over grass: an existing road is circuit.
    const QVector<RoadFamily> families = size.hasMatch()
        ? QVector<RoadFamily>{RoadFamily::Circuit, RoadFamily::Foam, RoadFamily::Carpet}
        : QVector<RoadFamily>{RoadFamily::Circuit};
    for (RoadFamily family : families) {
        const RouteSolver solver = drive(grid, family, points(pointer));
        if (!route.isEmpty())
            QCOMPARE(text(solver.route()), route);
        QCOMPARE(solver.isClosed(), closed);
        const TrackGrid laid = solver.laid();
        QCOMPARE(mismatches(laid, inFamily(pieces, family)), QString());
        QCOMPARE(openEndCount(laid), openEnds);
    }
}

// What pieces() lists is what pieceAt() says and what laid() lays.
void TestRouteSolver::routeLaysWhatPiecesSay()
{
    const TrackGrid grid = fromRows("07,07,07,07/07,06,07,07/07,07,07,07");
    const RouteSolver solver = drive(grid, RoadFamily::Circuit, points("0,1 3,1 3,2 0,2"));
    const QVector<RoutePiece> pieces = solver.pieces();
    QCOMPARE(pieces.size(), 8);
    TrackGrid expected = grid;
    for (const RoutePiece &piece : pieces) {
        QCOMPARE(solver.pieceAt(piece.cell), piece.code);
        expected.setCode(TrackGrid::index(piece.cell.x(), piece.cell.y()), piece.code);
    }
    QCOMPARE(solver.laid(), expected);
    QVERIFY(solver.pieceAt({-1, 0}).isEmpty());
    QVERIFY(solver.pieceAt({29, 29}).isEmpty());
}

// A step reports the cells whose piece it changed: the new head, the cell it
// turned at, and nothing of the long route behind.
void TestRouteSolver::changedCells()
{
    RouteSolver solver(grass(30, 30), RoadFamily::Circuit);
    QVERIFY(solver.start({0, 5}));
    QVERIFY(solver.enter({20, 5}));
    QCOMPARE(solver.takeChanged().size(), 21);
    QVERIFY(solver.takeChanged().isEmpty());
    QVERIFY(solver.enter({20, 6}));  // the old head turns, the new one is a straight
    QCOMPARE(text(solver.takeChanged()), QStringLiteral("20,5 20,6"));
    QVERIFY(solver.enter({20, 5}));  // back: the head goes, the corner is a straight again
    QCOMPARE(text(solver.takeChanged()), QStringLiteral("20,5 20,6"));
    QCOMPARE(solver.pieceAt({20, 5}), QByteArray("04"));
    QVERIFY(solver.pieceAt({20, 6}).isEmpty());
    QVERIFY(!solver.enter({20, 5}));
    QVERIFY(!solver.start({30, 0}));
    QVERIFY(solver.isEmpty());
}

void TestRouteSolver::clearDropsTheRoute()
{
    RouteSolver solver(grass(5, 5), RoadFamily::Foam);
    solver.start({0, 0});
    solver.enter({4, 0});
    solver.takeChanged();
    solver.clear();
    QVERIFY(solver.isEmpty());
    QVERIFY(solver.pieces().isEmpty());
    QCOMPARE(solver.takeChanged().size(), 5);
    QCOMPARE(solver.laid(), grass(5, 5));
}

QTEST_GUILESS_MAIN(TestRouteSolver)
#include "tst_routesolver.moc"
