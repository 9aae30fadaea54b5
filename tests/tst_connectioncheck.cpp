// SPDX-License-Identifier: GPL-3.0-or-later
// Open road ends of small tracks, each given as its rows of codes and the
// exact ends expected, 1-based "column:row edge" as users read them.
#include "pieces/connectioncheck.h"
#include "tools/tilegen/samplelayouts.h"

#include <QtTest>

namespace {

QString openEnds(const QStringList &rows)
{
    QVector<QByteArrayList> grid;
    for (const QString &row : rows)
        grid.append(row.toLatin1().split(','));
    const int width = grid.isEmpty() ? 0 : int(grid.first().size());
    int asked = 0;
    const QVector<OpenEnd> ends = ConnectionCheck::openEnds(width, int(grid.size()), [&](int column, int row) {
        ++asked;
        return grid.value(row).value(column, "outside the block");
    });
    QStringList text;
    for (const OpenEnd &end : ends)
        text << QStringLiteral("%1:%2 %3").arg(end.column + 1).arg(end.row + 1).arg(Edges::name(end.edge));
    if (asked != width * grid.size())
        text << QStringLiteral("asked for %1 codes").arg(asked);
    return text.join(QStringLiteral(", "));
}

} // namespace

class TestConnectionCheck : public QObject
{
    Q_OBJECT

private slots:
    void tracks_data()
    {
        QTest::addColumn<QString>("rows");  // separated by '/'
        QTest::addColumn<QString>("ends");
        QTest::newRow("oval") << "00,04,04,04,01/05,07,07,07,05/02,04,06,04,03" << "";
        QTest::newRow("oval with a gap") << "00,04,07,04,01/05,07,07,07,05/02,04,06,04,03" << "2:1 east, 4:1 west";
        QTest::newRow("one straight") << "04" << "1:1 east, 1:1 west";
        QTest::newRow("no cells") << "" << "";
        QTest::newRow("small loop") << "00,01/02,03" << "";
        QTest::newRow("corners side by side") << "00,01,02,03" << "1:1 south, 2:1 south, 3:1 north, 4:1 north";
        QTest::newRow("corners turned outwards") << "01,00/03,02" << "1:1 west, 1:2 west, 2:1 east, 2:2 east";
        QTest::newRow("larger corner") << "10,11/12,13" << "1:2 south, 2:1 east";
        QTest::newRow("larger corner missing its inside") << "10,11/12,07"
                                                          << "1:2 east, 1:2 south, 2:1 east, 2:1 south";
        QTest::newRow("straight against a larger corner") << "04,11"
                                                          << "1:1 east, 1:1 west, 2:1 east, 2:1 south, 2:1 west";
        QTest::newRow("3 x 3 corner") << "1G,1H,1K/1I,1J,07/1L,07,07" << "1:3 south, 3:1 east";
        QTest::newRow("diagonal") << "3A,34/34,3D" << "1:2 south, 1:2 west, 2:1 north, 2:1 east";
        QTest::newRow("diagonal without a corner piece")
            << "07,34/34,3D" << "1:2 north, 1:2 south, 1:2 west, 2:1 north, 2:1 east, 2:1 west";
        QTest::newRow("bend onto a diagonal") << "04,30" << "1:1 west, 2:1 north, 2:1 east";
        QTest::newRow("pit lane") << "04,44,40,48,45,04" << "1:1 west, 6:1 east";
        QTest::newRow("pit lane north-south") << "05/46/41/49/47/05" << "1:1 north, 1:6 south";
        QTest::newRow("pit straight alone")
            << "04,40,04" << "1:1 east, 1:1 west, 2:1 east, 2:1 west, 3:1 east, 3:1 west";
        QTest::newRow("fork, crossing, bridge")
            << "07,05,05,05,07/04,24,28,29,04/07,07,05,05,07"
            << "1:2 west, 2:1 north, 3:1 north, 3:3 south, 4:1 north, 4:3 south, 5:2 east";
        QTest::newRow("bumps, start lights, tyre wall") << "04,90,92,94,96,98,74,71" << "1:1 west, 7:1 east";
        QTest::newRow("styles meet, a turning bay") << "04,A4,B4,BC" << "1:1 west";
        QTest::newRow("smallest area") << "54,55/56,57" << "";
        QTest::newRow("area open to the grass") << "54,07/56,57" << "1:1 east, 2:2 north";
        QTest::newRow("lined and kerbed edges meet") << "54,65/66,57" << "";
        QTest::newRow("entry into an area") << "05/5C" << "1:1 north, 1:2 east, 1:2 south, 1:2 west";
        QTest::newRow("unknown code") << "04,ZZ,04,,04" << "1:1 west, 5:1 east";
    }

    void tracks()
    {
        QFETCH(QString, rows);
        QFETCH(QString, ends);
        QCOMPARE(openEnds(rows.isEmpty() ? QStringList() : rows.split('/')), ends);
    }

    // The contact sheet's sample tracks are meant to be closed circuits.
    void sampleLayoutsAreClosed_data()
    {
        QTest::addColumn<QStringList>("rows");
        for (const SampleLayout &sample : SampleLayout::all())
            QTest::newRow(qPrintable(sample.title)) << sample.rows;
    }

    void sampleLayoutsAreClosed()
    {
        QFETCH(QStringList, rows);
        QCOMPARE(openEnds(rows), QString());
    }
};

QTEST_GUILESS_MAIN(TestConnectionCheck)
#include "tst_connectioncheck.moc"
