#include "document/partslist.h"
#include "document/trackgrid.h"

#include <QtTest>

namespace {

// Rows split by '/', codes by '|', so that codes may hold commas and spaces.
TrackGrid gridOf(const QByteArray &text, QSize block = QSize())
{
    TrackGrid grid;
    const QList<QByteArray> rows = text.split('/');
    int width = 0;
    for (int r = 0; r < rows.size(); ++r) {
        const QList<QByteArray> codes = rows[r].split('|');
        for (int c = 0; c < codes.size(); ++c)
            grid.setCode(TrackGrid::index(c, r), codes[c]);
        width = std::max(width, int(codes.size()));
    }
    if (!block.isValid())
        block = QSize(width, int(rows.size()));
    grid.setSize(block.width(), block.height());
    return grid;
}

QStringList shown(const PartsList &list)
{
    QStringList lines;
    for (const PartsList::Row &row : list.rows())
        lines.append(PartsList::codeText(row.code) + '|' + row.page + '|'
                     + QString::number(row.count));
    return lines;
}

} // namespace

class TestPartsList : public QObject
{
    Q_OBJECT

private slots:
    void counts_data();
    void counts();
    void text_data();
    void text();
};

void TestPartsList::counts_data()
{
    QTest::addColumn<QByteArray>("cells");
    QTest::addColumn<QSize>("block");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("summary");

    // One code of every page, placed against palette order; "Bumps" ('9')
    // comes before "Open 1" ('5') because the pages say so, not the codes.
    QTest::newRow("every page, a stranger, grass")
        << QByteArray("ZZ|70|60|50|90|40|30|20|10|B0|A0|00/07|07|A0|ZZ|70|07") << QSize()
        << QStringList{"00|Normal|1", "07|Normal|9", "A0|RCP 1|2", "B0|RCP 2|1",
                       "10|Larger corners|1", "20|Intersection|1", "30|Diagonal|1", "40|Pit lane|1",
                       "90|Bumps|1", "50|Open 1|1", "60|Open 2|1", "70|Extra's|2", "ZZ||2"}
        << "24 pieces, 13 distinct";
    QTest::newRow("a page's own order") << QByteArray("6B|6A|AJ|A9|A0|AJ") << QSize()
                                        << QStringList{"A0|RCP 1|1", "A9|RCP 1|1", "AJ|RCP 1|2",
                                                       "6A|Open 2|1", "6B|Open 2|1"}
                                        << "6 pieces, 5 distinct";
    QTest::newRow("strangers by their bytes")
        << QByteArray("zz|a b|ZZ|Z|00") << QSize()
        << QStringList{"00|Normal|1", "Z||1", "ZZ||1", "a b||1", "zz||1"} << "5 pieces, 5 distinct";
    QTest::newRow("only the block counts") << QByteArray("A0|A1|A2/A3|A4|A5") << QSize(2, 1)
                                           << QStringList{"A0|RCP 1|1", "A1|RCP 1|1"}
                                           << "2 pieces, 2 distinct";
    QTest::newRow("one piece") << QByteArray("09") << QSize() << QStringList{"09|Normal|1"}
                               << "1 piece, 1 distinct";
}

void TestPartsList::counts()
{
    QFETCH(QByteArray, cells);
    QFETCH(QSize, block);
    QFETCH(QStringList, rows);
    QFETCH(QString, summary);

    const PartsList list(gridOf(cells, block));
    QCOMPARE(shown(list), rows);
    QCOMPARE(list.summary(), summary);
    QCOMPARE(list.distinct(), rows.size());
}

void TestPartsList::text_data()
{
    QTest::addColumn<QByteArray>("cells");
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QString>("tabs");

    QTest::newRow("captions") << QByteArray("70|A0|07")
                              << QByteArray("code,page,count\n07,Normal,1\nA0,\"RCP 1\",1\n70,Extra's,1\n")
                              << "code\tpage\tcount\n07\tNormal\t1\nA0\tRCP 1\t1\n70\tExtra's\t1\n";
    // Codes are the track file's bytes: quoted where CSV needs it, and
    // written back byte for byte.
    QTest::newRow("codes that need quotes")
        << QByteArray("x|s p|q\"t|a,b|\xE9|a\tb")
        << QByteArray("code,page,count\na\tb,,1\n\"a,b\",,1\n\"q\"\"t\",,1\n\"s p\",,1\nx,,1\n\xE9,,1\n")
        << QString::fromUtf8("code\tpage\tcount\n\"a\tb\"\t\t1\na,b\t\t1\n\"q\"\"t\"\t\t1\ns p\t\t1\n"
                             "x\t\t1\n\xC3\xA9\t\t1\n");
}

void TestPartsList::text()
{
    QFETCH(QByteArray, cells);
    QFETCH(QByteArray, csv);
    QFETCH(QString, tabs);

    const PartsList list(gridOf(cells));
    QCOMPARE(list.csv(), csv);
    QCOMPARE(list.tabText(), tabs);
}

QTEST_APPLESS_MAIN(TestPartsList)
#include "tst_partslist.moc"
