// SPDX-License-Identifier: GPL-3.0-or-later
// Closing gaps and inserting or deleting lines through a road, on small
// tracks, on the example tracks, and on random closed tracks.
#include "roadgrids.h"

#include "document/gridedits.h"
#include "document/roads/gapcloser.h"
#include "document/roads/roadedits.h"
#include "document/roads/routesolver.h"
#include "pieces/roadfamily.h"

#include <QRandomGenerator>
#include <QtTest>

Q_DECLARE_METATYPE(TrackGrid)

using namespace RoadGrids;

namespace {

const QString oval = QStringLiteral("09,09,07,07,07,07,07,07,07,07,09,09/"
                                    "09,00,04,04,04,06,04,04,04,04,01,09/"
                                    "07,05,07,07,07,07,07,07,07,07,05,07/"
                                    "07,05,07,73,07,07,79,07,77,07,05,07/"
                                    "07,05,07,07,07,07,07,07,07,07,05,07/"
                                    "09,02,04,04,04,04,04,04,04,04,03,09/"
                                    "09,09,07,76,07,07,07,07,07,70,09,09");

TrackGrid with(TrackGrid grid, const QString &places)
{
    for (const QString &place : places.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList part = place.split(QRegularExpression(QStringLiteral("[,=]")));
        grid.setCode(TrackGrid::index(part[0].toInt(), part[1].toInt()), part[2].toLatin1());
    }
    return grid;
}

QString endsText(const QVector<OpenEnd> &ends)
{
    QStringList parts;
    for (const OpenEnd &end : ends)
        parts << QStringLiteral("%1,%2 %3").arg(end.column).arg(end.row).arg(Edges::name(end.edge));
    return parts.join(QStringLiteral(", "));
}

QStringList exampleNames()
{
    return {"club", "oval", "sweepers", "diagonal", "foam", "carpet", "paddock", "showcase"};
}

TrackGrid example(const QString &name)
{
    return readFile(QStringLiteral(KW_EXAMPLES_SOURCE_DIR "/%1.kwf").arg(name));
}

// A random closed track: one to three loops (rectangles, and figures of
// eight where there is room) of one family each, laid by the route solver
// far enough apart that no gap of one is nearer another's.
struct RandomTrack
{
    TrackGrid grid;
    QVector<QVector<QPoint>> loops;  // each loop's cells in route order
};

RandomTrack randomTrack(QRandomGenerator &random)
{
    RandomTrack track;
    const int width = random.bounded(8, 31), height = random.bounded(8, 31);
    track.grid = grass(width, height);
    QVector<QRect> taken;
    const int wanted = random.bounded(1, 4);
    for (int attempt = 0; attempt < 40 && track.loops.size() < wanted; ++attempt) {
        const int w = random.bounded(3, std::min(width, 12) + 1), h = random.bounded(3, std::min(height, 12) + 1);
        const QRect box(random.bounded(0, width - w + 1), random.bounded(0, height - h + 1), w, h);
        bool apart = true;
        for (const QRect &other : taken)
            apart = apart && !other.adjusted(-4, -4, 4, 4).intersects(box);
        if (!apart)
            continue;
        const auto family = RoadFamily(random.bounded(3));
        RouteSolver solver(track.grid, family);
        const QPoint tl = box.topLeft(), br = box.bottomRight();
        if (w >= 5 && h >= 5 && random.bounded(2) == 0) {
            // A figure of eight crossing at the middle of the box.
            const QPoint mid = box.center();
            solver.start({mid.x() - 1, mid.y()});
            for (QPoint p : {QPoint(br.x(), mid.y()), QPoint(br.x(), tl.y()), QPoint(mid.x(), tl.y()),
                             QPoint(mid.x(), br.y()), QPoint(tl.x(), br.y()), QPoint(tl.x(), mid.y()),
                             QPoint(mid.x() - 1, mid.y())})
                solver.enter(p);
        } else {
            solver.start(tl);
            for (QPoint p : {QPoint(br.x(), tl.y()), br, QPoint(tl.x(), br.y()), tl})
                solver.enter(p);
        }
        if (!solver.isClosed())
            continue;
        track.grid = solver.laid();
        track.loops.append(solver.route());
        taken.append(box);
    }
    return track;
}

// Takes one to three straights in a row out of each loop (only cells of the
// loop that it passes straight once, so no crossing goes); the cells taken.
int cutRuns(RandomTrack &track, QRandomGenerator &random)
{
    int cut = 0;
    for (const QVector<QPoint> &loop : track.loops) {
        const int length = random.bounded(1, 4);
        for (int attempt = 0; attempt < 20; ++attempt) {
            const int from = random.bounded(1, int(loop.size()) - length);
            bool straight = true;
            for (int i = from; i < from + length; ++i) {
                const QPoint before = loop[i - 1], cell = loop[i], after = loop[i + 1];
                straight = straight && before - cell == cell - after && loop.count(cell) == 1;
            }
            if (!straight)
                continue;
            for (int i = from; i < from + length; ++i)
                track.grid.setCode(TrackGrid::index(loop[i].x(), loop[i].y()), "07");
            cut += length;
            break;
        }
    }
    return cut;
}

} // namespace

class TestRoadEdits : public QObject
{
    Q_OBJECT

private slots:
    void gaps_data();
    void gaps();
    void summaries_data();
    void summaries();
    void gapsOfEveryExample_data();
    void gapsOfEveryExample();
    void randomClosedTracks();
    void inserts_data();
    void inserts();
    void ovalStaysClosed();
    void examplesStayClosedWherePlain_data();
    void examplesStayClosedWherePlain();
};

// The 30 x 30 border loop with ten gaps of two cells cut out of its sides.
TrackGrid fullTrackWithGaps()
{
    RouteSolver solver(grass(30, 30), RoadFamily::Circuit);
    solver.start({0, 0});
    for (QPoint p : {QPoint(29, 0), QPoint(29, 29), QPoint(0, 29), QPoint(0, 0)})
        solver.enter(p);
    TrackGrid grid = solver.laid();
    for (int gap = 0; gap < 10; ++gap) {
        const int along = 4 + (gap % 3) * 8;  // 4, 12, 20 along a side
        const int side = gap % 4;
        for (int i = along + gap / 4 * 2; i < along + gap / 4 * 2 + 2; ++i) {
            const QPoint cell = side == 0 ? QPoint(i, 0) : side == 1 ? QPoint(29, i) : side == 2 ? QPoint(i, 29)
                                                                                              : QPoint(0, i);
            grid.setCode(TrackGrid::index(cell.x(), cell.y()), "07");
        }
    }
    return grid;
}

void TestRoadEdits::gaps_data()
{
    QTest::addColumn<TrackGrid>("track");
    QTest::addColumn<int>("gaps");
    QTest::addColumn<int>("pieces");
    QTest::addColumn<QString>("expected");  // "x,y=code" afterwards
    QTest::addColumn<int>("openEnds");      // afterwards
    const TrackGrid ring = fromRows(oval);
    QTest::newRow("closed already") << ring << 0 << 0 << "" << 0;
    QTest::newRow("two-cell gap") << with(ring, "6,1=07 7,1=07") << 1 << 2 << "6,1=04 7,1=04" << 0;
    QTest::newRow("one cell, two ends facing it") << with(ring, "5,1=07") << 1 << 1 << "5,1=04" << 0;
    QTest::newRow("round a corner, one turn") << with(ring, "9,1=07 10,1=07 10,2=07") << 1 << 3
                                              << "9,1=04 10,1=01 10,2=05 9,2=07" << 0;
    QTest::newRow("a corner's cell alone") << fromRows("00,04,01/05,07,05/02,04,07") << 1 << 1 << "2,2=03" << 0;
    QTest::newRow("two gaps") << with(ring, "3,1=07 4,1=07 10,3=07") << 2 << 3 << "3,1=04 4,1=04 10,3=05" << 0;
    QTest::newRow("round a tree") << with(ring, "5,1=07 6,1=73 7,1=07") << 1 << 5 << "6,1=73" << 0;
    QTest::newRow("blocked by a tree") << with(ring, "5,1=07 6,1=73") << 0 << 0 << "5,1=07" << 2;
    QTest::newRow("gravel is never laid over") << with(ring, "6,1=07 7,1=09") << 0 << 0 << "6,1=07 7,1=09" << 2;
    QTest::newRow("at the border") << fromRows("04,04,07") << 0 << 0 << "2,0=07" << 2;
    QTest::newRow("foam and circuit do not join") << fromRows("04,07,A4") << 0 << 0 << "1,0=07" << 4;
    QTest::newRow("foam gap") << fromRows("A0,A4,07,A1/A2,A4,A4,A3") << 1 << 1 << "2,0=A4" << 0;
    QTest::newRow("plain carpet is not grass") << fromRows("B0,B4,BH/B5,BH,BH/B2,B4,B3") << 0 << 0 << "2,0=BH"
                                               << 2;
    QTest::newRow("carpet gap through grass") << fromRows("B0,B4,07/B5,07,07/B2,B4,B3") << 1 << 2
                                              << "2,0=B1 2,1=B5" << 0;
    QTest::newRow("a lone straight's two ends") << fromRows("07,07,07/07,04,07/07,07,07") << 1 << 5 << "" << 0;
    QTest::newRow("a pit lane end is no plain road") << fromRows("04,44,07,45,04") << 0 << 0 << "2,0=07" << 4;
    QTest::newRow("a diagonal's end is no plain road") << fromRows("3A,34,07/34,3D,07/07,07,07") << 0 << 0 << ""
                                                       << 4;
    QTest::newRow("full 30 x 30, ten gaps") << fullTrackWithGaps() << 10 << 20 << "4,0=04 29,12=05" << 0;
}

void TestRoadEdits::gaps()
{
    QFETCH(TrackGrid, track);
    QFETCH(int, gaps);
    QFETCH(int, pieces);
    QFETCH(QString, expected);
    QFETCH(int, openEnds);
    const GapCloser::Result result = GapCloser::close(track);
    QCOMPARE(result.gaps, gaps);
    QCOMPARE(result.pieces, pieces);
    QCOMPARE(mismatches(result.grid, expected), QString());
    QCOMPARE(openEndCount(result.grid), openEnds);
    // Only grass was laid over, and as many cells as it says.
    int changed = 0;
    for (int i = 0; i < TrackGrid::cellCount; ++i) {
        if (result.grid.cell(i) == track.cell(i))
            continue;
        QCOMPARE(track.cell(i).code, QByteArray("07"));
        ++changed;
    }
    QCOMPARE(changed, pieces);
    QCOMPARE(result.grid.width(), track.width());
    QCOMPARE(result.grid.height(), track.height());
}

void TestRoadEdits::summaries_data()
{
    QTest::addColumn<int>("gaps");
    QTest::addColumn<int>("pieces");
    QTest::addColumn<QString>("text");
    QTest::newRow("none") << 0 << 0 << "No gap can be closed";
    QTest::newRow("one and one") << 1 << 1 << "Closed 1 gap with 1 piece";
    QTest::newRow("one and three") << 1 << 3 << "Closed 1 gap with 3 pieces";
    QTest::newRow("two and seven") << 2 << 7 << "Closed 2 gaps with 7 pieces";
}

void TestRoadEdits::summaries()
{
    QFETCH(int, gaps);
    QFETCH(int, pieces);
    QFETCH(QString, text);
    QCOMPARE(GapCloser::summaryText(gaps, pieces), text);
}

void TestRoadEdits::gapsOfEveryExample_data()
{
    QTest::addColumn<QString>("name");
    for (const QString &name : exampleNames())
        QTest::newRow(qPrintable(name)) << name;
}

// Every plain straight of every example, taken out alone, is laid again.
void TestRoadEdits::gapsOfEveryExample()
{
    QFETCH(QString, name);
    const TrackGrid track = example(name);
    QVERIFY(track.width() > 1);
    QCOMPARE(openEndCount(track), 0);
    int tried = 0;
    for (int column = 0; column < track.width(); ++column) {
        for (int row = 0; row < track.height(); ++row) {
            const QByteArray code = track.cell(column, row).code;
            const EdgeSet roads = RoadPieces::of(RoadPieces::familyOf(code)).roadEdges(code);
            if (roads != EdgeSets::westEast && roads != EdgeSets::northSouth)
                continue;
            const GapCloser::Result result = GapCloser::close(with(track, QStringLiteral("%1,%2=07").arg(column).arg(row)));
            const QString where = QStringLiteral("%1 at %2,%3").arg(QString::fromLatin1(code)).arg(column).arg(row);
            QVERIFY2(result.gaps == 1 && result.pieces == 1, qPrintable(where));
            QVERIFY2(openEndCount(result.grid) == 0, qPrintable(where));
            ++tried;
        }
    }
    QVERIFY(tried > 0);
}

// On random closed tracks, runs of straights taken out are laid again, and
// the track has no open road end.
void TestRoadEdits::randomClosedTracks()
{
    QRandomGenerator random(2024);
    int tracks = 0, eights = 0;
    for (int round = 0; round < 300; ++round) {
        RandomTrack track = randomTrack(random);
        if (track.loops.isEmpty())
            continue;
        for (const QVector<QPoint> &loop : track.loops)
            eights += int(loop.size() != QSet<QPoint>(loop.begin(), loop.end()).size() + 1);
        const QString seed = QStringLiteral("round %1: %2").arg(round).arg(rows(track.grid));
        QVERIFY2(openEndCount(track.grid) == 0, qPrintable(seed));
        const int cut = cutRuns(track, random);
        if (cut == 0)
            continue;
        QVERIFY2(openEndCount(track.grid) > 0, qPrintable(seed));
        const GapCloser::Result result = GapCloser::close(track.grid);
        QVERIFY2(openEndCount(result.grid) == 0, qPrintable(seed + QStringLiteral(" cut: ") + rows(track.grid)));
        QCOMPARE(result.pieces, cut);
        ++tracks;
    }
    QVERIFY(tracks > 200);
    QVERIFY(eights > 50);
}

void TestRoadEdits::inserts_data()
{
    QTest::addColumn<TrackGrid>("track");
    QTest::addColumn<QString>("edit");  // "insert column 5", "delete row 3"
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("opened");
    const TrackGrid ring = fromRows(oval);
    QTest::newRow("oval, column through both straights") << ring << "insert column 5"
                                                         << "5,1=04 5,5=04 6,1=06 5,0=07 5,3=07" << "";
    QTest::newRow("oval, row through both sides") << ring << "insert row 3" << "1,3=05 10,3=05 3,3=07 3,4=73"
                                                  << "";
    QTest::newRow("oval, column before it all") << ring << "insert column 0" << "0,1=07 2,1=00" << "";
    QTest::newRow("oval, column after it all") << ring << "insert column 12" << "12,1=07" << "";
    QTest::newRow("oval, deleting a column of straights") << ring << "delete column 4" << "4,1=06" << "";
    QTest::newRow("oval, deleting a row of straights") << ring << "delete row 3" << "1,3=05" << "";
    QTest::newRow("oval, deleting its west side") << ring << "delete column 1" << "1,1=04"
                                                  << "1,1 west, 1,5 west";
    QTest::newRow("foam mat") << example("foam") << "insert column 3" << "3,1=A4 3,7=A4 3,6=07" << "";
    QTest::newRow("carpet") << example("carpet") << "insert row 2" << "1,2=B5 7,2=B5 4,2=07" << "";
    QTest::newRow("a chicane is stretched") << fromRows("AC,AC") << "insert column 1" << "1,0=A4" << "";
    QTest::newRow("a larger corner is not") << fromRows("10,11/12,13") << "insert column 1" << "1,0=07 1,1=07"
                                            << "0,0 east, 0,1 east, 2,0 west, 2,1 west";
    QTest::newRow("nor its rows") << fromRows("10,11/12,13") << "insert row 1" << "0,1=07 1,1=07"
                                  << "0,0 south, 0,2 north, 1,0 south, 1,2 north";
    QTest::newRow("nor a diagonal") << fromRows("3A,34/34,3D") << "insert row 1" << "0,1=07 1,1=07"
                                    << "0,0 south, 0,2 north, 1,0 south, 1,2 north";
    QTest::newRow("nor a pit lane") << fromRows("44,40,45") << "insert column 1" << "1,0=07"
                                    << "0,0 east, 2,0 west";
    QTest::newRow("a large corner's outer road is") << fromRows("11,04") << "insert column 1" << "1,0=04" << "";
    QTest::newRow("an end open before stays unreported") << fromRows("04,07,04") << "insert column 1"
                                                         << "1,0=07" << "";
    QTest::newRow("road into a hidden column") << [] {
        TrackGrid grid = fromRows("04,04,04");
        grid.setSize(2, 1);
        grid.showBlock();
        return grid;
    }() << "insert column 2" << "2,0=07 3,0=04" << "";
}

RoadEdits::Result apply(const TrackGrid &track, const QString &edit)
{
    const QStringList words = edit.split(QLatin1Char(' '));
    const int line = words.value(2).toInt();
    const bool column = words.value(1) == QLatin1String("column");
    if (words.value(0) == QLatin1String("insert"))
        return column ? RoadEdits::insertColumn(track, line) : RoadEdits::insertRow(track, line);
    return column ? RoadEdits::deleteColumn(track, line) : RoadEdits::deleteRow(track, line);
}

void TestRoadEdits::inserts()
{
    QFETCH(TrackGrid, track);
    QFETCH(QString, edit);
    QFETCH(QString, expected);
    QFETCH(QString, opened);
    const RoadEdits::Result result = apply(track, edit);
    QCOMPARE(mismatches(result.grid, expected), QString());
    QCOMPARE(endsText(result.opened), opened);
    // Nothing else than the new cells differs from the plain insert or delete.
    const QStringList words = edit.split(QLatin1Char(' '));
    const int line = words.value(2).toInt();
    const bool column = words.value(1) == QLatin1String("column");
    const TrackGrid plain = words.value(0) == QLatin1String("insert")
        ? (column ? GridEdits::insertColumn(track, line) : GridEdits::insertRow(track, line))
        : (column ? GridEdits::deleteColumn(track, line) : GridEdits::deleteRow(track, line));
    QCOMPARE(result.grid.width(), plain.width());
    QCOMPARE(result.grid.height(), plain.height());
    for (int i = 0; i < TrackGrid::cellCount; ++i) {
        const bool inNewLine = (column ? TrackGrid::columnOf(i) : TrackGrid::rowOf(i)) == line
                               && words.value(0) == QLatin1String("insert");
        if (!inNewLine)
            QCOMPARE(result.grid.cell(i), plain.cell(i));
    }
}

// Every insert into the oval keeps it closed, and so does every delete of a
// line that crosses only its straights.
void TestRoadEdits::ovalStaysClosed()
{
    const TrackGrid ring = fromRows(oval);
    QStringList edits;
    for (int column = 0; column <= 12; ++column)
        edits << QStringLiteral("insert column %1").arg(column);
    for (int row = 0; row <= 7; ++row)
        edits << QStringLiteral("insert row %1").arg(row);
    for (int column = 2; column <= 9; ++column)
        edits << QStringLiteral("delete column %1").arg(column);
    for (int row = 2; row <= 4; ++row)
        edits << QStringLiteral("delete row %1").arg(row);
    for (const QString &edit : edits) {
        const RoadEdits::Result result = apply(ring, edit);
        QVERIFY2(openEndCount(result.grid) == 0 && result.opened.isEmpty(), qPrintable(edit));
        QVERIFY2(result.grid != ring, qPrintable(edit));
    }
    // Twice in a row too: the stretched straights stretch again.
    const RoadEdits::Result twice = RoadEdits::insertColumn(RoadEdits::insertColumn(ring, 5).grid, 5);
    QCOMPARE(openEndCount(twice.grid), 0);
    QCOMPARE(twice.grid.width(), 14);
}

void TestRoadEdits::examplesStayClosedWherePlain_data()
{
    gapsOfEveryExample_data();
}

// On every example, after every insert, the ends it leaves open are exactly
// the ones it reports; on the examples of plain road there are none.
void TestRoadEdits::examplesStayClosedWherePlain()
{
    QFETCH(QString, name);
    const TrackGrid track = example(name);
    const bool plain = QStringList{"oval", "foam", "carpet"}.contains(name);
    for (bool column : {true, false}) {
        for (int line = 0; line <= (column ? track.width() : track.height()); ++line) {
            if ((column ? track.width() : track.height()) >= TrackGrid::side)
                continue;
            const RoadEdits::Result result =
                column ? RoadEdits::insertColumn(track, line) : RoadEdits::insertRow(track, line);
            const QString where = QStringLiteral("%1 %2").arg(column ? "column" : "row").arg(line);
            QVERIFY2(result.opened == RoadEdits::openEnds(result.grid), qPrintable(where));
            if (plain)
                QVERIFY2(result.opened.isEmpty(), qPrintable(where + QStringLiteral(": ") + endsText(result.opened)));
        }
    }
}

QTEST_GUILESS_MAIN(TestRoadEdits)
#include "tst_roadedits.moc"
