// SPDX-License-Identifier: GPL-3.0-or-later
// Suggested circuits: hundreds of them over random floors, families,
// inventories, lap lengths and lap times, each held to its promises by the
// checks alone;
// distinct after turning and mirroring, the same for the same seed; and what
// the outcome says when fewer exist.
#include "document/gridtransform.h"
#include "document/ownedpieces.h"
#include "document/suggest/circuitgenerator.h"
#include "document/suggest/facelattice.h"
#include "document/suggest/laidcircuit.h"
#include "document/trackblock.h"

#include <QRandomGenerator>
#include <QtTest>

#include <cmath>

Q_DECLARE_METATYPE(RoadFamily)

namespace {

using Request = CircuitGenerator::Request;

// The plain surface of each family, as the palette shows it.
QByteArray plainOf(RoadFamily family)
{
    return family == RoadFamily::Foam ? "AH" : family == RoadFamily::Carpet ? "BH" : "07";
}

// The road's block of a laid track, read the same whichever way it was
// turned or mirrored: the least text of its eight turnings.
QByteArray canonical(const TrackGrid &grid, const QRect &cells)
{
    TrackBlock block = TrackBlock::copy(grid, cells);
    QByteArray least;
    for (int mirror = 0; mirror < 2; ++mirror) {
        for (int turn = 0; turn < 4; ++turn) {
            const QByteArray text = block.toText();
            least = least.isEmpty() ? text : std::min(least, text);
            block = GridTransform::turnBlock(block, Turn::Clockwise).block;
        }
        block = GridTransform::turnBlock(block, Turn::MirrorLeftRight).block;
    }
    return least;
}

Inventory randomInventory(QRandomGenerator &random, RoadFamily family)
{
    const RoadPieces &roads = RoadPieces::of(family);
    QByteArray csv;
    auto add = [&](const QByteArray &code, int count) { csv += code + ',' + QByteArray::number(count) + '\n'; };
    for (EdgeSet edges = 1; edges <= EdgeSets::all; ++edges) {
        if (roads.piece(edges).isEmpty())
            continue;
        const bool corner = EdgeSets::count(edges) == 2 && edges != EdgeSets::westEast && edges != EdgeSets::northSouth;
        add(roads.piece(edges), int(random.bounded(corner ? 1 : 0, edges == EdgeSets::all ? 3 : corner ? 12 : 40)));
    }
    // A start line now and then; where there is none a plain straight stands in.
    if (random.bounded(2) == 1)
        add(LaidCircuit::startLine(family, random.bounded(2) ? EdgeSets::westEast : EdgeSets::northSouth), 1);
    // The plain surface beside the road is the hall's floor where it runs out.
    if (random.bounded(4) == 0)
        add(roads.plain(), int(random.bounded(4)));
    return Inventory::parse(csv, QStringLiteral("random.csv"));
}

Request randomRequest(QRandomGenerator &random)
{
    Request request;
    request.columns = int(random.bounded(2, 31));
    request.rows = int(random.bounded(2, 31));
    request.family = RoadFamily(random.bounded(3));
    request.crossings = random.bounded(2) == 1;
    request.minStraight = int(random.bounded(3));
    request.cellSize = std::array<double, 3>{0.25, 0.5, 1.0}[random.bounded(3)];
    request.count = int(random.bounded(1, 9));
    request.seed = random.generate64();
    // Small searches: the checks, not the search's reach, are under test.
    request.moves = 2500;
    request.car = Car::classes()[int(random.bounded(Car::classes().size()))];
    if (random.bounded(3) > 0) {
        // Around the floor's border or less, where most laps are; a lap time
        // for that lap at about 3 m/s.
        const double border = (request.columns + request.rows) * request.cellSize;
        const double middle = (0.2 + random.bounded(1.0)) * border;
        const double half = (0.1 + random.bounded(0.2)) * middle;
        if (random.bounded(2) == 0)
            request.target = std::make_shared<LapLengthTarget>(middle - half, middle + half, request.cellSize);
        else
            request.target = std::make_shared<LapTimeTarget>((middle - half) / 3, (middle + half) / 3, request.car,
                                                             request.cellSize, request.family);
    }
    if (random.bounded(2) == 1)
        request.inventory = randomInventory(random, request.family);
    return request;
}

// Everything a suggestion promises, found wrong; empty when it keeps them all.
QString broken(const Request &request, const CircuitGenerator::Suggestion &suggestion)
{
    const TrackGrid &grid = suggestion.grid;
    if (grid.width() != request.columns || grid.height() != request.rows)
        return QStringLiteral("not the floor's size");
    const TrackFacts facts(grid);
    if (!facts.openEnds().isEmpty())
        return ConnectionCheck::countText(int(facts.openEnds().size()));
    if (facts.circuits().size() != 1 || !facts.circuits().first().lap)
        return QStringLiteral("not one lap");
    const Circuit &circuit = facts.circuits().first();
    const double metres = *circuit.lap * request.cellSize;
    if (request.target && (*circuit.lap < request.target->window().low - 1e-6
                           || *circuit.lap > request.target->window().high + 1e-6))
        return QStringLiteral("lap %1 m outside the target's window").arg(metres);
    if (auto *target = dynamic_cast<const LapLengthTarget *>(request.target.get());
        target && (metres < target->minMetres() - 1e-6 || metres > target->maxMetres() + 1e-6))
        return QStringLiteral("lap %1 m").arg(metres);
    const LapTimes times = *LapModel::times(grid, circuit, request.car, request.cellSize);
    if (times.fastest != suggestion.times.fastest || times.slowest != suggestion.times.slowest)
        return QStringLiteral("lap time %1, not %2").arg(suggestion.times.text(), times.text());
    if (auto *target = dynamic_cast<const LapTimeTarget *>(request.target.get())) {
        const double seconds = (times.fastest + times.slowest) / 2;
        if (seconds < target->minSeconds() - 1e-6 || seconds > target->maxSeconds() + 1e-6)
            return QStringLiteral("lap time %1").arg(times.text());
    }
    if (request.inventory) {
        for (const Inventory::Shortage &shortage : OwnedPieces::fit(grid, *request.inventory).stillShort)
            if (shortage.code != plainOf(request.family))
                return QStringLiteral("%1 short").arg(QString::fromLatin1(shortage.code));
    }
    // One start line on a lap with a straight; a plain straight in its place
    // only where the club owns none.
    int startLines = 0;
    bool straight = false;
    for (int cell : circuit.cells) {
        const EdgeSet edges = RoadPieces::of(request.family).roadEdges(grid.cell(cell).code);
        straight = straight || edges == EdgeSets::westEast || edges == EdgeSets::northSouth;
        startLines += CircuitFinder::isStartLine(grid.cell(cell).code);
    }
    const int expected = request.inventory && suggestion.standIns > 0 ? 0 : straight;
    if (startLines != expected)
        return QStringLiteral("%1 start lines").arg(startLines);
    const RoadPieces &roads = RoadPieces::of(request.family);
    for (int column = 0; column < grid.width(); ++column) {
        for (int row = 0; row < grid.height(); ++row) {
            const QByteArray &code = grid.cell(column, row).code;
            const EdgeSet edges = roads.roadEdges(code);
            if (code != plainOf(request.family) && edges == 0)
                return QStringLiteral("%1 at %2,%3").arg(QString::fromLatin1(code)).arg(column).arg(row);
            if (EdgeSets::count(edges) != 2 || edges == EdgeSets::westEast || edges == EdgeSets::northSouth)
                continue;
            // A corner: the cells along both its roads are no corners for a while.
            for (Edge edge : Edges::all) {
                QPoint cell(column, row);
                for (int k = 0; EdgeSets::has(edges, edge) && k < request.minStraight; ++k) {
                    cell += QPoint(edge == Edge::East ? 1 : edge == Edge::West ? -1 : 0,
                                   edge == Edge::South ? 1 : edge == Edge::North ? -1 : 0);
                    const EdgeSet next = roads.roadEdges(grid.cell(cell.x(), cell.y()).code);
                    if (next != EdgeSets::all && next != EdgeSets::westEast && next != EdgeSets::northSouth)
                        return QStringLiteral("corners closer than %1 at %2,%3").arg(request.minStraight).arg(column).arg(row);
                }
            }
        }
    }
    return QString();
}

} // namespace

class TestSuggestions : public QObject
{
    Q_OBJECT

private slots:
    void shapes_data();
    void shapes();
    void regions_data();
    void regions();
    void progressAndCancel();
    void everySuggestionKeepsItsPromises();
    void distinctAndRepeatable_data();
    void distinctAndRepeatable();
    void fewerThanAsked_data();
    void fewerThanAsked();
};

// Laps driven as cells: what a driver meets on them, and the same key
// however they are turned or mirrored.
void TestSuggestions::shapes_data()
{
    QTest::addColumn<QString>("route");     // x,y cells, the last the first again
    QTest::addColumn<QString>("features");  // corners hairpins chicanes crossings, or "refused"
    QTest::newRow("square") << "0,0 1,0 1,1 0,1 0,0" << "4 2 0 0";
    QTest::newRow("rectangle, its ends U-turns") << "0,0 1,0 2,0 3,0 3,1 3,2 2,2 1,2 0,2 0,1 0,0" << "4 2 0 0";
    QTest::newRow("square of four") << "0,0 1,0 2,0 3,0 3,1 3,2 3,3 2,3 1,3 0,3 0,2 0,1 0,0" << "4 0 0 0";
    QTest::newRow("a jog") << "0,0 1,0 2,0 2,1 3,1 3,2 2,2 1,2 0,2 0,1 0,0" << "6 1 1 0";
    QTest::newRow("figure of eight") << "1,0 2,0 2,1 1,1 0,1 0,2 1,2 1,1 1,0" << "6 2 1 1";
    QTest::newRow("a step aside") << "0,0 2,0 2,1 0,1 0,0" << "refused";
    QTest::newRow("a corner driven twice") << "0,0 1,0 1,1 0,1 0,0 1,0 1,1 0,1 0,0" << "refused";
}

void TestSuggestions::shapes()
{
    QFETCH(QString, route);
    QFETCH(QString, features);
    QVector<QPoint> cells;
    for (const QString &cell : route.split(QLatin1Char(' ')))
        cells.append(QPoint(cell.section(QLatin1Char(','), 0, 0).toInt(), cell.section(QLatin1Char(','), 1, 1).toInt()));
    const LoopShape shape = LoopShape::fromRoute(cells);
    if (features == QLatin1String("refused")) {
        QVERIFY(shape.isEmpty());
        return;
    }
    const LoopShape::Features found = shape.features();
    QCOMPARE(QStringLiteral("%1 %2 %3 %4").arg(found.corners).arg(found.hairpins).arg(found.chicanes).arg(found.crossings),
             features);
    for (int symmetry = 0; symmetry < LoopShape::symmetries; ++symmetry) {
        const LoopShape turned = shape.turned(symmetry);
        QCOMPARE(turned.canonicalKey(), shape.canonicalKey());
        QCOMPARE(LoopShape::fromRoute(turned.route()).canonicalKey(), shape.canonicalKey());
        QCOMPARE(turned.features().corners, found.corners);
    }
}

// Regions of a coarse lattice whose border is one lap, and those whose is not.
void TestSuggestions::regions_data()
{
    QTest::addColumn<QString>("faces");  // rows of a 3 x 3 lattice of faces, '#' in the region
    QTest::addColumn<int>("points");     // crossing points round the border; 0 for no one lap
    QTest::newRow("one face") << "#../.../..." << 4;
    QTest::newRow("an L") << "#../##./..." << 8;
    QTest::newRow("a ring round a hole") << "###/#.#/###" << 0;
    QTest::newRow("touching at a corner") << "#../.#./..." << 0;
    QTest::newRow("two pieces") << "#.#/.../..." << 0;
}

void TestSuggestions::regions()
{
    QFETCH(QString, faces);
    QFETCH(int, points);
    // Lines a cell, three cells and one cell apart: the border runs along them.
    FaceLattice lattice({0, 1, 4, 5}, {0, 1, 4, 5});
    for (int j = 0; j < 3; ++j)
        for (int i = 0; i < 3; ++i)
            lattice.set(i, j, faces.split(QLatin1Char('/'))[j][i] == QLatin1Char('#'));
    QVector<QPoint> border;
    QCOMPARE(lattice.boundary(border), points > 0);
    QCOMPARE(int(border.size()), points);
}

void TestSuggestions::progressAndCancel()
{
    Request request;
    QVector<int> done;
    CircuitGenerator::Control control;
    control.progress = [&](int searches, int total) { done.append(searches * 100 + total); };
    QCOMPARE(CircuitGenerator::generate(request, control).suggestions.size(), request.count);
    QCOMPARE(done, QVector<int>({116, 216, 316, 416, 516, 616, 716, 816, 916, 1016, 1116, 1216, 1316, 1416, 1516, 1616}));
    const std::atomic<bool> cancelled(true);
    control.cancel = &cancelled;
    const CircuitGenerator::Outcome outcome = CircuitGenerator::generate(request, control);
    QCOMPARE(outcome.limit, CircuitGenerator::Limit::Cancelled);
    QVERIFY(outcome.moves <= CircuitGenerator::searches);
    QCOMPARE(outcome.summary, QStringLiteral("Cancelled: found 0 circuits of 5"));
}

// KW_SUGGESTIONS sets how many (500 by default; fewer for a slow build).
void TestSuggestions::everySuggestionKeepsItsPromises()
{
    const int wanted = qEnvironmentVariableIsSet("KW_SUGGESTIONS") ? qEnvironmentVariableIntValue("KW_SUGGESTIONS") : 500;
    QRandomGenerator random(38);
    int checked = 0, kinds[LoopShape::kinds] = {}, timed = 0;
    while (checked < wanted) {
        const Request request = randomRequest(random);
        const CircuitGenerator::Outcome outcome = CircuitGenerator::generate(request);
        const QString asked = QStringLiteral("%1 x %2 %3, seed %4").arg(request.columns).arg(request.rows)
                                  .arg(RoadPieces::name(request.family)).arg(request.seed);
        QVERIFY2(outcome.refused == 0, qPrintable(asked));
        QVERIFY(outcome.suggestions.size() <= request.count);
        QCOMPARE(outcome.summary.contains(QLatin1String(" of ")), outcome.suggestions.size() < request.count);
        for (const CircuitGenerator::Suggestion &suggestion : outcome.suggestions) {
            const QString fault = broken(request, suggestion);
            QVERIFY2(fault.isEmpty(), qPrintable(asked + QStringLiteral(": ") + fault));
            ++kinds[int(suggestion.features.kind())];
            timed += dynamic_cast<const LapTimeTarget *>(request.target.get()) != nullptr;
        }
        checked += int(outcome.suggestions.size());
    }
    // Not only rectangles: every kind of lap came up; a good share for lap times.
    for (int kind : kinds)
        QVERIFY(kind > 0 || wanted < 500);
    QVERIFY(timed > wanted / 5);
}

void TestSuggestions::distinctAndRepeatable_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::addColumn<RoadFamily>("family");
    QTest::addColumn<bool>("crossings");
    QTest::addColumn<double>("lapMin");  // metres; 0 for any lap
    QTest::addColumn<double>("lapMax");
    QTest::addColumn<int>("count");
    QTest::newRow("club hall") << 20 << 12 << RoadFamily::Circuit << true << 20.0 << 30.0 << 10;
    QTest::newRow("foam mat") << 12 << 8 << RoadFamily::Foam << false << 0.0 << 0.0 << 8;
    QTest::newRow("carpet, long laps") << 30 << 30 << RoadFamily::Carpet << true << 60.0 << 90.0 << 6;
}

void TestSuggestions::distinctAndRepeatable()
{
    QFETCH(int, columns);
    QFETCH(int, rows);
    QFETCH(RoadFamily, family);
    QFETCH(bool, crossings);
    QFETCH(double, lapMin);
    QFETCH(double, lapMax);
    QFETCH(int, count);
    Request request;
    request.columns = columns;
    request.rows = rows;
    request.family = family;
    request.crossings = crossings;
    request.count = count;
    if (lapMax > 0)
        request.target = std::make_shared<LapLengthTarget>(lapMin, lapMax, request.cellSize);
    const CircuitGenerator::Outcome first = CircuitGenerator::generate(request);
    QCOMPARE(first.suggestions.size(), count);
    QCOMPARE(first.summary, QStringLiteral("Found %1 circuits").arg(count));
    const CircuitGenerator::Outcome again = CircuitGenerator::generate(request);
    request.seed = 2;
    const CircuitGenerator::Outcome other = CircuitGenerator::generate(request);
    QSet<QByteArray> shapes;
    bool crossed = false, beyondRectangles = false;
    for (int k = 0; k < count; ++k) {
        const CircuitGenerator::Suggestion &suggestion = first.suggestions[k];
        QCOMPARE(again.suggestions[k].grid, suggestion.grid);
        shapes.insert(canonical(suggestion.grid, suggestion.cells));
        crossed = crossed || suggestion.features.crossings > 0;
        beyondRectangles = beyondRectangles || suggestion.features.corners > 4;
        QVERIFY(k == 0 || suggestion.score <= first.suggestions[k - 1].score);
    }
    QCOMPARE(shapes.size(), count);
    QCOMPARE(crossed, crossings);
    QVERIFY(beyondRectangles);
    QVERIFY(other.suggestions.first().grid != first.suggestions.first().grid);
}

void TestSuggestions::fewerThanAsked_data()
{
    QTest::addColumn<QString>("floor");
    QTest::addColumn<QString>("lap");        // MIN-MAX metres, MIN-MAX s, or empty
    QTest::addColumn<QByteArray>("owned");   // an inventory's lines, or empty
    QTest::addColumn<int>("minStraight");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("summary");
    QTest::newRow("a floor one cell wide") << "1x5" << "" << QByteArray() << 0 << 3
                                           << "Found 0 circuits of 3: a circuit needs a floor of at least 2 × 2 cells";
    QTest::newRow("straights longer than the floor") << "5x9" << "" << QByteArray() << 4 << 3
                                                    << "Found 0 circuits of 3: with 4 straight cells or more between corners a circuit needs a floor of at least 6 × 6 cells";
    QTest::newRow("a corner not owned") << "9x9" << "" << QByteArray("00,2\n02,2\n03,2\n04,9\n") << 0 << 3
                                        << "Found 0 circuits of 3: a circuit needs each of the four corners, and no Corner, south to west (01) is owned";
    QTest::newRow("a lap too short") << "9x9" << "0.5-1" << QByteArray() << 0 << 3
                                     << "Found 0 circuits of 3: no circuit laps as little as 0.5–1.0 m: the smallest laps 1.6 m";
    QTest::newRow("a lap too long for the floor") << "5x5" << "100-200" << QByteArray() << 0 << 3
                                                  << "Found 0 circuits of 3: no lap of 100.0–200.0 m fits a floor of 5 × 5 cells";
    QTest::newRow("a lap time too long for the floor") << "5x5" << "60-90 s" << QByteArray() << 0 << 3
                                                       << "Found 0 circuits of 3: no lap of 60.0–90.0 s (1:28 stock) fits a floor of 5 × 5 cells";
    QTest::newRow("too few straights") << "9x9" << "10-20" << QByteArray("00,2\n01,2\n02,2\n03,2\n04,3\n") << 0 << 3
                                       << "Found 0 circuits of 3: the pieces owned make at most 4.6 m of road, short of a lap of 10.0–20.0 m";
    QTest::newRow("every lap of a 3 x 3 floor") << "3x3" << "" << QByteArray() << 0 << 10
                                                << "Found 4 circuits of 10: no other layout was found that closes on this floor";
    QTest::newRow("one corner of each") << "3x3" << "" << QByteArray("00,1\n01,1\n02,1\n03,1\n04,9\n05,9\n") << 0 << 10
                                        << "Found 3 circuits of 10: with 4 corners owned, no other layout was found that closes on this floor";
    QTest::newRow("two laps in range") << "3x3" << "3-3.6" << QByteArray() << 0 << 5
                                       << "Found 2 circuits of 5: for a lap of 3.0–3.6 m, no other layout was found that closes on this floor";
}

void TestSuggestions::fewerThanAsked()
{
    QFETCH(QString, floor);
    QFETCH(QString, lap);
    QFETCH(QByteArray, owned);
    QFETCH(int, minStraight);
    QFETCH(int, count);
    QFETCH(QString, summary);
    Request request;
    request.columns = floor.section(QLatin1Char('x'), 0, 0).toInt();
    request.rows = floor.section(QLatin1Char('x'), 1, 1).toInt();
    request.minStraight = minStraight;
    request.count = count;
    const double low = lap.section(QLatin1Char('-'), 0, 0).toDouble();
    const double high = lap.section(QLatin1Char('-'), 1, 1).section(QLatin1Char(' '), 0, 0).toDouble();
    if (lap.endsWith(QLatin1String(" s")))
        request.target = std::make_shared<LapTimeTarget>(low, high, request.car, 0.5);
    else if (!lap.isEmpty())
        request.target = std::make_shared<LapLengthTarget>(low, high, 0.5);
    if (!owned.isEmpty())
        request.inventory = Inventory::parse(owned, QStringLiteral("club.csv"));
    const CircuitGenerator::Outcome outcome = CircuitGenerator::generate(request);
    QCOMPARE(outcome.summary, summary);
    QCOMPARE(outcome.suggestions.size(), summary.section(QLatin1Char(' '), 1, 1).toInt());
}

QTEST_GUILESS_MAIN(TestSuggestions)
#include "tst_suggestions.moc"
