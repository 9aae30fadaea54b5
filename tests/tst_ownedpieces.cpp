// SPDX-License-Identifier: GPL-3.0-or-later
// Designing with what the club owns, without windows: the session's
// inventory counting what is left as the track is edited and undone, the
// warning at the first piece too many, and "Use owned pieces", which on any
// closed track leaves every connection, circuit and lap as it was.
#include "roadgrids.h"

#include "base/kwerror.h"
#include "document/gridstep.h"
#include "document/ownedpieces.h"
#include "document/piececounts.h"
#include "document/roads/routesolver.h"
#include "document/trackdocument.h"
#include "document/trackfacts.h"
#include "pieces/piecetable.h"
#include "pieces/substitutes.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

// "04,5 06,1": a code,count line each.
Inventory inventoryOf(const QString &text)
{
    return Inventory::parse(text.toLatin1().replace(' ', '\n'), QStringLiteral("club.csv"));
}

// A placement as the editor makes one; stroke > 0 merges into that stroke.
void place(TrackDocument &document, int column, int row, const QByteArray &code, int stroke = 0)
{
    const TrackGrid before = document.grid();
    document.TrackClick(TrackGrid::index(column, row), code);
    document.push(new GridStep(document, QStringLiteral("Place"), before, document.selection(), true, stroke));
}

// What a substitute must leave alone: the open ends, and each circuit's
// cells, closing, road and lap.
QString roadFacts(const TrackGrid &grid)
{
    const TrackFacts facts(grid);
    QString text = QString::number(facts.openEnds().size());
    for (const Circuit &c : facts.circuits())
        text += QStringLiteral("|cells %1 %2, road %3, lap %4")
                    .arg(qHashRange(c.cells.cbegin(), c.cells.cend()))
                    .arg(c.closed ? "closed" : "open")
                    .arg(c.road, 0, 'f', 9)
                    .arg(c.lap.value_or(-1), 0, 'f', 9);
    return text;
}

// One to three rectangles laid as routes of one family on 16 x 16 cells of
// grass, each crossing the others' straights on crossroads: until no road
// end is open.
TrackGrid randomLoops(QRandomGenerator &random, RoadFamily family)
{
    while (true) {
        TrackGrid grid = RoadGrids::grass(16, 16);
        for (int loops = random.bounded(1, 4); loops > 0; --loops) {
            const QPoint from(random.bounded(14), random.bounded(14));
            const QPoint to(random.bounded(from.x() + 1, 15) + 1, random.bounded(from.y() + 1, 15) + 1);
            RouteSolver route(grid, family);
            route.start(from);
            for (QPoint corner : {QPoint(to.x(), from.y()), to, QPoint(from.x(), to.y()), from})
                route.enter(corner);
            grid = route.laid();
        }
        if (TrackFacts(grid).openEnds().isEmpty())
            return grid;
    }
}

// A plain loop dressed up: start lines, humps and ramps on its straights,
// scenery on the grass.
TrackGrid dressed(TrackGrid grid, QRandomGenerator &random)
{
    auto pick = [&](const QVector<QByteArray> &codes) { return codes[random.bounded(int(codes.size()))]; };
    const QHash<QByteArray, QVector<QByteArray>> dress = {
        {"04", {"06", "90", "92", "94", "96", "98", "74"}}, {"05", {"08", "91", "93", "95", "97", "99"}},
        {"A4", {"A6", "AI"}}, {"A5", {"A7", "AJ"}}, {"B4", {"B6"}}, {"B5", {"B7"}},
        {"07", {"73", "76", "77", "78", "70", "79", "75", "09"}},
    };
    for (int i = 0; i < TrackGrid::cellCount; ++i)
        if (dress.contains(grid.cell(i).code) && random.bounded(2) == 0)
            grid.setCode(i, pick(dress[grid.cell(i).code]));
    return grid;
}

// Owns a random number of each piece, up to four more than the track uses.
Inventory randomInventory(const TrackGrid &grid, QRandomGenerator &random)
{
    const PieceCounts used(grid);
    QStringList lines;
    for (const Piece &piece : PieceTable::pieces())
        lines << QString::fromLatin1(piece.code) + ',' + QString::number(random.bounded(used.of(piece.code) + 5));
    return inventoryOf(lines.join(' '));
}

} // namespace

class TestOwnedPieces : public QObject
{
    Q_OBJECT

private slots:
    void fit_data()
    {
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QString>("owned");
        QTest::addColumn<QString>("fitted");
        QTest::addColumn<QString>("text");
        QTest::newRow("the first start line stays") << "06,06,04" << "06,1 04,2" << "06,04,04" << "Changed 1 piece; all pieces owned";
        QTest::newRow("spares go in palette order") << "90,92,74/04,04,04" << "04,4" << "04,92,74/04,04,04"
                                                    << "Changed 1 piece; 2 pieces still short";
        QTest::newRow("kerbed corner, tree without grass") << "64,73" << "54,1 07,0" << "54,73" << "Changed 1 piece; 1 piece still short";
        QTest::newRow("a tree on grass not listed") << "73,64" << "54,1" << "07,54" << "Changed 2 pieces; all pieces owned";
        QTest::newRow("no crossroads for a bridge, no start line for a straight")
            << "29,04" << "28,5 06,5" << "29,04" << "No owned piece can stand in; 2 pieces short";
    }

    void fit()
    {
        QFETCH(QString, rows);
        QFETCH(QString, owned);
        QFETCH(QString, fitted);
        QFETCH(QString, text);
        const OwnedPieces::Result result = OwnedPieces::fit(RoadGrids::fromRows(rows), inventoryOf(owned));
        QCOMPARE(RoadGrids::rows(result.grid), fitted);
        QCOMPARE(result.text(), text);
    }

    void useOwnedPiecesIsOneStep()
    {
        TrackDocument document;
        document.setGrid(RoadGrids::fromRows("06,06,04"));
        const Inventory club = inventoryOf("06,1 04,2");
        OwnedPieces::apply(document, club);
        QCOMPARE(RoadGrids::rows(document.grid()), QStringLiteral("06,04,04"));
        QCOMPARE(document.history().undoText(), OwnedPieces::stepName());
        QVERIFY(OwnedPieces::apply(document, club).changes.isEmpty());
        QCOMPARE(document.history().count(), 1);
    }

    void countsFollowEveryEdit()
    {
        TrackDocument document;
        SessionInventory &club = document.inventory();
        QSignalSpy changed(&club, &SessionInventory::changed);
        document.setGrid(RoadGrids::fromRows("04,04,07"));
        QVERIFY(club.countText("04").isEmpty());
        club.set(inventoryOf("04,3 07,5"), QStringLiteral("club.csv"));
        QCOMPARE(club.countText("04"), QStringLiteral("3 owned, 2 used, 1 left"));
        place(document, 2, 0, "04");
        place(document, 2, 0, "05");
        QCOMPARE(club.countText("05"), QStringLiteral("0 owned, 1 used, 1 short"));
        document.history().undo();
        QCOMPARE(club.countText("04"), QStringLiteral("3 owned, 3 used, 0 left"));
        QCOMPARE(changed.count(), 4);  // set, two placements, the undo
        QVERIFY_THROWS_EXCEPTION(KwError, club.load(QStringLiteral("/nonexistent/club.csv")));
        QCOMPARE(club.fileName(), QStringLiteral("club.csv"));
        club.forget();
        QCOMPARE(club.left("04"), 0);
        QCOMPARE(changed.count(), 5);
    }

    // Each move of the history says what it took over what is owned, and on
    // which cells, until the next move.
    void firstPieceTooMany()
    {
        TrackDocument document;
        document.setGrid(RoadGrids::fromRows("07,07,07,07"));
        SessionInventory &club = document.inventory();
        club.set(inventoryOf("04,1 07,9"), QStringLiteral("club.csv"));
        place(document, 0, 0, "04");
        QVERIFY(club.over().isEmpty());
        place(document, 1, 0, "04");
        QCOMPARE(club.over().text(), QStringLiteral("Only 1 of Straight, west–east owned: the track now uses 2"));
        QCOMPARE(club.over().cells(), QVector<int>{TrackGrid::index(1, 0)});
        place(document, 3, 0, "73");
        QCOMPARE(club.over().text(), QStringLiteral("No Tree owned: the track now uses 1"));
        document.history().undo();
        QVERIFY(club.over().isEmpty());
        // A stroke's cells add up to one warning.
        place(document, 2, 0, "04", 1);
        place(document, 3, 0, "04", 1);
        QCOMPARE(club.over().text(), QStringLiteral("Only 1 of Straight, west–east owned: the track now uses 4"));
        QCOMPARE(club.over().cells(), (QVector<int>{TrackGrid::index(2, 0), TrackGrid::index(3, 0)}));
        document.restartHistory();
        QVERIFY(club.over().isEmpty());
        const OverOwned two(RoadGrids::fromRows("07,07"), RoadGrids::fromRows("04,73"), inventoryOf("07,2"));
        QCOMPARE(two.text(), QStringLiteral("No Straight, west–east owned: the track now uses 1, and 1 other piece is over too"));
        QVERIFY(OverOwned(RoadGrids::fromRows("04"), RoadGrids::fromRows("07"), inventoryOf("04,0")).isEmpty());
    }

    // On 200 random closed tracks of every surface, dressed with pieces that
    // have substitutes, and a random inventory: the open ends, circuits and
    // laps stay; only short pieces change, each to a substitute that was
    // spare; and what the fit leaves short has nothing left to stand in.
    void neverChangesTheRoad()
    {
        QRandomGenerator random(37);
        int changes = 0;
        for (int n = 0; n < 200; ++n) {
            const RoadFamily family = RoadFamily(n % 3);
            const TrackGrid grid = dressed(randomLoops(random, family), random);
            const Inventory inventory = randomInventory(grid, random);
            const OwnedPieces::Result result = OwnedPieces::fit(grid, inventory);
            QCOMPARE(roadFacts(result.grid), roadFacts(grid));
            const PieceCounts before(grid), after(result.grid);
            for (const OwnedPieces::Change &change : result.changes) {
                QCOMPARE(grid.cell(change.cell).code, change.from);
                QVERIFY(Substitutes::of(change.from).contains(change.to));
                QVERIFY(before.of(change.from) > inventory.owned(change.from));
                QVERIFY(after.of(change.to) <= inventory.owned(change.to));
            }
            QVERIFY(OwnedPieces::fit(result.grid, inventory).changes.isEmpty());
            changes += int(result.changes.size());
        }
        QVERIFY2(changes > 100, qPrintable(QString::number(changes)));
    }
};

QTEST_GUILESS_MAIN(TestOwnedPieces)
#include "tst_ownedpieces.moc"
