// SPDX-License-Identifier: GPL-3.0-or-later
// Circuits, laps and road lengths of small tracks of every family, each
// given as its rows and the circuits expected; then the texts of "Check
// connections" and the floor a track needs.
#include "document/circuitfinder.h"
#include "document/trackfacts.h"
#include "document/trackgrid.h"
#include "tools/tilegen/samplelayouts.h"

#include <QtMath>
#include <QtTest>

namespace {

const double q = M_PI / 4;         // a tight corner
const double bend = 1.1551662;     // onto a diagonal
const double sweep = 3 * M_PI / 4; // a 2 x 2 corner, radius one and a half sides

TrackGrid gridOf(const QStringList &rows)
{
    TrackGrid grid;
    int width = 0;
    for (int r = 0; r < rows.size(); ++r) {
        const QStringList codes = rows[r].split(',');
        for (int c = 0; c < codes.size(); ++c)
            grid.setCode(TrackGrid::index(c, r), codes[c].toLatin1());
        width = std::max(width, int(codes.size()));
    }
    grid.setSize(width, int(rows.size()));
    grid.showBlock();
    return grid;
}

// "12 closed lap 11.1416 road 11.1416" a circuit, "-" for no lap.
QString described(const Circuit &circuit)
{
    return QStringLiteral("%1 %2 lap %3 road %4")
        .arg(circuit.cells.size())
        .arg(circuit.closed ? "closed" : "open")
        .arg(circuit.lap ? QString::number(*circuit.lap, 'f', 4) : QStringLiteral("-"))
        .arg(circuit.road, 0, 'f', 4);
}

QString circuit(int pieces, bool closed, std::optional<double> lap, double road)
{
    return described(Circuit{QVector<int>(pieces), closed, road, lap, {}});
}

} // namespace

class TestCircuits : public QObject
{
    Q_OBJECT

private slots:
    void circuits_data()
    {
        QTest::addColumn<QString>("rows");  // separated by '/'
        QTest::addColumn<QStringList>("circuits");
        QTest::newRow("grass") << "07,07/07,07" << QStringList();
        QTest::newRow("scenery and gravel") << "73,09/75,70" << QStringList();
        QTest::newRow("paving has no road") << "54,55/56,57" << QStringList();
        QTest::newRow("small loop") << "00,01/02,03" << QStringList{circuit(4, true, 4 * q, 4 * q)};
        QTest::newRow("circuit rectangle") << "00,04,04,04,01/05,07,07,07,05/02,04,06,04,03"
                                           << QStringList{circuit(12, true, 4 * q + 8, 4 * q + 8)};
        QTest::newRow("foam rectangle") << "A0,A4,A6,A1/A5,AH,AH,A7/A2,AI,A4,A3"
                                        << QStringList{circuit(10, true, 4 * q + 6, 4 * q + 6)};
        QTest::newRow("foam chicanes") << "A0,AC,A1/AD,AH,AF/A2,AE,A3"
                                       << QStringList{circuit(8, true, 4 * q + 4 * 1.0653666, 4 * q + 4 * 1.0653666)};
        QTest::newRow("carpet rectangle") << "B0,B4,B1/B5,BH,B7/B2,B6,B3"
                                          << QStringList{circuit(8, true, 4 * q + 4, 4 * q + 4)};
        QTest::newRow("bumps and start lights") << "00,90,92,94,74,01/02,96,98,04,06,03"
                                                << QStringList{circuit(12, true, 4 * q + 8, 4 * q + 8)};
        // Through the crossroads twice, once each way.
        QTest::newRow("figure of eight") << "00,04,01,07,07/05,07,05,07,07/02,04,28,04,01/07,07,05,07,05/07,07,02,04,03"
                                         << QStringList{circuit(15, true, 6 * q + 10, 6 * q + 10)};
        QTest::newRow("figure of eight over a bridge")
            << "00,04,01,07,07/05,07,05,07,07/02,04,29,04,01/07,07,05,07,05/07,07,02,04,03"
            << QStringList{circuit(15, true, 6 * q + 10, 6 * q + 10)};
        QTest::newRow("foam figure of eight") << "A0,A4,A1,AH,AH/A5,AH,A5,AH,AH/A2,A4,AG,A4,A1/AH,AH,A5,AH,A5/AH,AH,A2,A4,A3"
                                              << QStringList{circuit(15, true, 6 * q + 10, 6 * q + 10)};
        QTest::newRow("carpet roundabout") << "B0,B4,B1,BH,BH/B5,BH,B5,BH,BH/B2,B4,BI,B4,B1/BH,BH,B5,BH,B5/BH,BH,B2,B4,B3"
                                           << QStringList{circuit(15, true, 6 * q + 8 + 2.7253870, 6 * q + 8 + 2.7253870)};
        QTest::newRow("two loops") << "00,01,00,01/02,03,02,03"
                                   << QStringList{circuit(4, true, 4 * q, 4 * q), circuit(4, true, 4 * q, 4 * q)};
        QTest::newRow("two loops, one open") << "00,01,07,04/02,03,07,07"
                                             << QStringList{circuit(4, true, 4 * q, 4 * q), circuit(1, false, {}, 1)};
        // The lap keeps to the main road; the lane is road all the same.
        QTest::newRow("pit lane circuit") << "00,44,40,48,45,01/02,04,04,04,04,03"
                                          << QStringList{circuit(12, true, 4 * q + 8, 4 * q + 8 + 2 + 2 * 0.7300277)};
        QTest::newRow("pit lane north-south") << "00,01/46,05/41,05/49,05/47,05/02,03"
                                              << QStringList{circuit(12, true, 4 * q + 8, 4 * q + 8 + 2 + 2 * 0.7300277)};
        // Two junctions whose branches meet: the lap passes the main road.
        QTest::newRow("junctions back to back") << "A0,A8,A1/A2,AA,A3"
                                                << QStringList{circuit(6, true, 4 * q + 2, 4 * q + 3)};
        // A side road between them is a branch: the lap keeps to the ring.
        QTest::newRow("side road") << "A0,A8,A1/A5,A5,A5/A2,AA,A3"
                                   << QStringList{circuit(9, true, 4 * q + 4, 4 * q + 6)};
        // Two rings joined by a link road: two loops, no one lap.
        QTest::newRow("two rings linked") << "A0,A1,AH,A0,A1/A5,AB,A4,A9,A5/A2,A3,AH,A2,A3"
                                          << QStringList{circuit(13, true, {}, 8 * q + 6)};
        QTest::newRow("side road to a turning bay") << "B0,B4,B8,B4,B4,B1/B5,BH,BD,BH,BH,B5/B2,B4,B4,B4,B4,B3"
                                                    << QStringList{circuit(15, true, 4 * q + 10, 4 * q + 10 + 0.5 + 1.6081304)};
        QTest::newRow("open track") << "04,04,04" << QStringList{circuit(3, false, {}, 3)};
        QTest::newRow("open corner") << "07,07/07,00" << QStringList{circuit(1, false, {}, q)};
        QTest::newRow("circuit with a gap") << "00,04,07,04,01/05,07,07,07,05/02,04,06,04,03"
                                            << QStringList{circuit(11, false, {}, 4 * q + 7)};
        QTest::newRow("into an unknown code") << "04,ZZ" << QStringList{circuit(1, false, {}, 1)};
        QTest::newRow("larger corner alone") << "10,11/12,13" << QStringList{circuit(4, false, {}, sweep)};
        QTest::newRow("3 x 3 corner alone") << "1G,1H,1K/1I,1J,07/1L,07,07"
                                            << QStringList{circuit(5, false, {}, 5 * M_PI / 4)};
        QTest::newRow("corner to corner") << "3A,34/34,3D" << QStringList{circuit(4, false, {}, 2 * M_SQRT2)};
        // Without the piece beside one corner the diagonals still join
        // through the other.
        QTest::newRow("diagonal cut off") << "07,34/34,3D"
                                          << QStringList{circuit(3, false, {}, 2 * M_SQRT2)};
    }

    void circuits()
    {
        QFETCH(QString, rows);
        QFETCH(QStringList, circuits);
        QStringList found;
        for (const Circuit &circuit : CircuitFinder::find(gridOf(rows.split('/'))))
            found << described(circuit);
        QCOMPARE(found, circuits);
    }

    // The contact sheet's sample tracks, each closed into one lap (the foam
    // mat's middle is a side road between two junctions).
    void sampleLayouts_data()
    {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("circuit");
        QMap<QString, QString> expected{
            {"Club circuit", circuit(24, true, 4 * q + 20, 4 * q + 20 + 3 + 2 * 0.7300277)},
            {"Larger corners", circuit(20, true, 4 * sweep + 4, 4 * sweep + 4)},
            {"Diagonals", circuit(32, true, 8 * bend + 4 + 4 * M_SQRT2, 8 * bend + 4 + 4 * M_SQRT2)},
            {"Foam mat", circuit(13, true, 4 * q + 7 + 1.0653666, 4 * q + 9 + 1.0653666)},
            {"Carpet", circuit(13, true, 4 * q + 8, 4 * q + 8 + 0.5 + 1.6081304)},
        };
        for (const SampleLayout &layout : SampleLayout::all())
            if (expected.contains(layout.title))
                QTest::newRow(qPrintable(layout.title)) << layout.rows << expected[layout.title];
    }

    void sampleLayouts()
    {
        QFETCH(QStringList, rows);
        QFETCH(QString, circuit);
        const QVector<Circuit> found = CircuitFinder::find(gridOf(rows));
        QCOMPARE(found.size(), 1);
        QCOMPARE(described(found.first()), circuit);
    }

    void checkText_data()
    {
        QTest::addColumn<QString>("rows");
        QTest::addColumn<double>("cellSize");
        QTest::addColumn<QString>("text");
        QTest::newRow("grass") << "07,07" << 0.5 << "No road on the track";
        QTest::newRow("paving") << "54,55/56,57" << 0.5 << "No road on the track";
        QTest::newRow("rectangle") << "00,04,04,04,01/05,07,07,07,05/02,04,06,04,03" << 0.5
                                   << "No open road ends: 1 circuit, lap 5.6 m";
        QTest::newRow("rectangle, larger cells") << "00,04,04,04,01/05,07,07,07,05/02,04,06,04,03" << 1.25
                                                 << "No open road ends: 1 circuit, lap 13.9 m";
        QTest::newRow("two loops") << "00,01,00,01/02,03,02,03" << 0.5 << "No open road ends: 2 circuits";
        QTest::newRow("no lap") << "A0,A1,AH,A0,A1/A5,AB,A4,A9,A5/A2,A3,AH,A2,A3" << 0.5 << "No open road ends: 1 circuit";
        QTest::newRow("open") << "04,04,00" << 0.5 << "4 open road ends";
        QTest::newRow("one open end") << "00,01/02,01" << 0.5 << "2 open road ends";
    }

    void checkText()
    {
        QFETCH(QString, rows);
        QFETCH(double, cellSize);
        QFETCH(QString, text);
        const TrackFacts facts(gridOf(rows.split('/')));
        QCOMPARE(facts.checkText(int(facts.openEnds().size()), cellSize), text);
    }

    void facts()
    {
        const TrackFacts facts(gridOf({"00,01,ZZ", "02,03,QQ"}));
        QCOMPARE(facts.sizeText(0.5), QStringLiteral("3 × 2 cells, 1.5 × 1 m"));
        QCOMPARE(facts.sizeText(0.3), QStringLiteral("3 × 2 cells, 0.9 × 0.6 m"));
        QCOMPARE(facts.unknown().size(), 2);
        QCOMPARE(facts.unknown()[0].code, QByteArray("ZZ"));
        QCOMPARE(facts.unknown()[1].row, 1);
        QCOMPARE(TrackFacts::circuitText(facts.circuits().first(), 0.5),
                 QStringLiteral("closed, 4 pieces, lap 1.6 m, road 1.6 m"));
        QCOMPARE(facts.road(), 4 * q);
    }
};

QTEST_MAIN(TestCircuits)
#include "tst_circuits.moc"
