// SPDX-License-Identifier: GPL-3.0-or-later
// The inventory reader against every form a spreadsheet writes and every
// line it refuses; then what a track needs more of than a club owns.
#include "base/kwerror.h"
#include "document/inventory.h"
#include "document/partslist.h"
#include "document/trackgrid.h"
#include "pieces/piecetable.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

// "04=5 07=2", sorted by code.
QString owned(const Inventory &inventory)
{
    QStringList text;
    for (auto it = inventory.counts().cbegin(); it != inventory.counts().cend(); ++it)
        text << QString::fromLatin1(it.key()) + '=' + QString::number(it.value());
    text.sort();
    return text.join(' ');
}

TrackGrid gridOf(const QByteArrayList &rows)
{
    TrackGrid grid;
    for (int r = 0; r < rows.size(); ++r) {
        const QByteArrayList codes = rows[r].split(',');
        for (int c = 0; c < codes.size(); ++c)
            grid.setCode(TrackGrid::index(c, r), codes[c]);
    }
    grid.setSize(int(rows.first().split(',').size()), int(rows.size()));
    return grid;
}

} // namespace

class TestInventory : public QObject
{
    Q_OBJECT

private slots:
    void accepted_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("owned");
        QTest::newRow("code,count") << QByteArray("04,5\n07,2\n") << "04=5 07=2";
        QTest::newRow("with a header") << QByteArray("code,count\n04,5\n") << "04=5";
        QTest::newRow("header in capitals") << QByteArray("Code,Count\n04,5\n") << "04=5";
        QTest::newRow("no final line break") << QByteArray("04,5\n07,2") << "04=5 07=2";
        QTest::newRow("CR LF") << QByteArray("code,count\r\n04,5\r\n07,2\r\n") << "04=5 07=2";
        QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF" "code,count\n04,5\n") << "04=5";
        QTest::newRow("byte-order mark, no header") << QByteArray("\xEF\xBB\xBF" "04,5\n") << "04=5";
        QTest::newRow("semicolons") << QByteArray("code;count\n04;5\n07;2\n") << "04=5 07=2";
        QTest::newRow("tabs") << QByteArray("code\tcount\n04\t5\n") << "04=5";
        QTest::newRow("quoted fields") << QByteArray("\"code\",\"count\"\n\"04\",\"5\"\n") << "04=5";
        QTest::newRow("spaces after separators") << QByteArray("04, 5\n07 ,2\n") << "04=5 07=2";
        QTest::newRow("blank lines") << QByteArray("\n04,5\n\n   \n07,2\n\n") << "04=5 07=2";
        QTest::newRow("zero owned") << QByteArray("04,0\n") << "04=0";
        // "Save as CSV…" as it writes the parts list.
        QTest::newRow("the parts list's own CSV")
            << QByteArray("code,page,count,name\n04,Normal,12,\"Straight, west–east\"\n00,Normal,4,\"Corner, east to south\"\n")
            << "00=4 04=12";
        QTest::newRow("parts list without header") << QByteArray("04,Normal,12,Straight\n") << "04=12";
        QTest::newRow("parts list from a spreadsheet, semicolons")
            << QByteArray("\xEF\xBB\xBF" "code;page;count;name\r\n04;Normal;12;Straight, west–east\r\n") << "04=12";
        QTest::newRow("columns in another order") << QByteArray("code,name,count\n04,Straight,3\n") << "04=3";
        QTest::newRow("quote inside a quoted name")
            << QByteArray("code,page,count,name\n04,Normal,1,\"The \"\"long\"\" one\"\n") << "04=1";
    }

    void accepted()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, owned);
        try {
            QCOMPARE(::owned(Inventory::parse(bytes, QStringLiteral("club.csv"))), owned);
        } catch (const KwError &error) {
            QFAIL(qPrintable(error.message()));
        }
    }

    void refused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << QByteArray() << "club.csv lists no pieces";
        QTest::newRow("header only") << QByteArray("code,count\n") << "club.csv lists no pieces";
        QTest::newRow("count not a number") << QByteArray("04,5\n07,five\n")
                                            << "club.csv, line 2: the count \"five\" is not a whole number from 0 to 1000000";
        QTest::newRow("negative count") << QByteArray("04,-1\n")
                                        << "club.csv, line 1: the count \"-1\" is not a whole number from 0 to 1000000";
        QTest::newRow("fraction") << QByteArray("04,1.5\n")
                                  << "club.csv, line 1: the count \"1.5\" is not a whole number from 0 to 1000000";
        QTest::newRow("huge count") << QByteArray("04,99999999999\n")
                                    << "club.csv, line 1: the count \"99999999999\" is not a whole number from 0 to 1000000";
        QTest::newRow("empty count") << QByteArray("04,\n")
                                     << "club.csv, line 1: the count \"\" is not a whole number from 0 to 1000000";
        QTest::newRow("unknown code") << QByteArray("code,count\n04,5\nO4,2\n") << "club.csv, line 3: \"O4\" is no piece code";
        QTest::newRow("code with a space inside quotes") << QByteArray("\" 04\",5\n") << "club.csv, line 1: \" 04\" is no piece code";
        // Quoted so that no terminal takes them for commands.
        QTest::newRow("escape sequence as a code") << QByteArray("\x1b[2J\x07,5\n")
                                                   << "club.csv, line 1: \"\\x1B[2J\\x07\" is no piece code";
        QTest::newRow("escape sequence as a count") << QByteArray("04,\x1b[2J\n")
                                                    << "club.csv, line 1: the count \"\\x1B[2J\" is not a whole number from 0 to 1000000";
        QTest::newRow("listed twice") << QByteArray("04,5\n\n04,2\n") << "club.csv, line 3: 04 is listed already on line 1";
        QTest::newRow("one field") << QByteArray("04\n")
                                   << "club.csv, line 1: 1 field where code,count or code,page,count,name was expected";
        QTest::newRow("three fields") << QByteArray("04,Normal,5\n")
                                      << "club.csv, line 1: 3 fields where code,count or code,page,count,name was expected";
        QTest::newRow("a line shorter than the first") << QByteArray("04,Normal,5,Straight\n00,4\n")
                                                       << "club.csv, line 2: 2 fields where the lines above have 4";
        QTest::newRow("header without count") << QByteArray("code,number\n04,5\n")
                                              << "club.csv, line 1: the header has no column \"count\"";
        QTest::newRow("header, line too short") << QByteArray("code,name,count\n04,Straight\n")
                                                << "club.csv, line 2: 2 fields where the lines above have 3";
        QTest::newRow("quote not closed") << QByteArray("04,5\n\"07,2\n") << "club.csv, line 2: a quote is not closed";
        QTest::newRow("text after a quote") << QByteArray("\"04\"x,5\n") << "club.csv, line 1: text follows a closing quote";
        QTest::newRow("stray quote") << QByteArray("0\"4,5\n")
                                     << "club.csv, line 1: a quote inside a field that does not start with one";
        QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0", 10)
                                << "club.csv, line 1: 1 field where code,count or code,page,count,name was expected";
        QTest::newRow("the separator of the first line") << QByteArray("04;5\n07,2\n")
                                                         << "club.csv, line 2: 1 field where the lines above have 2";
    }

    void refused()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        try {
            Inventory::parse(bytes, QStringLiteral("club.csv"));
            QFAIL("accepted");
        } catch (const KwError &error) {
            QCOMPARE(error.message(), message);
        }
    }

    void readsFiles()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("club.csv"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("04,5\n") == 5);
        file.close();
        QCOMPARE(owned(Inventory::read(path)), QStringLiteral("04=5"));
        QVERIFY_THROWS_EXCEPTION(KwError, Inventory::read(dir.filePath(QStringLiteral("nowhere.csv"))));
        QVERIFY_THROWS_EXCEPTION(KwError, Inventory::read(dir.path()));
        // The parts list of a track, saved, is an inventory that owns it all.
        const PartsList list(gridOf({"00,04,04,01", "02,06,ZZ,03"}));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        const QByteArray csv = list.csv().replace("ZZ,,1,\n", "");
        QVERIFY(file.write(csv) == csv.size());
        file.close();
        const QVector<Inventory::Shortage> shortages = Inventory::read(path).shortages(list);
        QCOMPARE(shortages.size(), 1);
        QCOMPARE(shortages.first().code, QByteArray("ZZ"));
        QCOMPARE(Inventory::shortText(shortages), QStringLiteral("1 piece short"));
    }

    void shortages()
    {
        const PartsList list(gridOf({"00,04,04,04,01", "02,04,06,04,03"}));
        const Inventory inventory = Inventory::parse("04,2\n00,3\n01,1\n02,1\n03,1\n06,0\n", QStringLiteral("club.csv"));
        const QVector<Inventory::Shortage> shortages = inventory.shortages(list);
        QStringList text;
        for (const Inventory::Shortage &s : shortages)
            text << QStringLiteral("%1 %2/%3").arg(QString::fromLatin1(s.code)).arg(s.own).arg(s.need);
        QCOMPARE(text, QStringList({"04 2/5", "06 0/1"}));
        QCOMPARE(Inventory::shortText(shortages), QStringLiteral("4 pieces short"));
        QCOMPARE(Inventory::shortText({}), QStringLiteral("All pieces owned"));
    }

    // One rule everywhere: a listed code is limited by its count, an unlisted
    // one is owned 0 times, unless it is a plain surface.
    void limits_data()
    {
        QTest::addColumn<QByteArray>("code");
        QTest::addColumn<int>("used");
        QTest::addColumn<bool>("limited");
        QTest::addColumn<int>("missing");
        QTest::newRow("listed") << QByteArray("04") << 5 << true << 3;
        QTest::newRow("not listed") << QByteArray("05") << 1 << true << 1;
        QTest::newRow("outside the table") << QByteArray("ZZ") << 1 << true << 1;
        QTest::newRow("grass not listed") << QByteArray("07") << 30 << false << 0;
        QTest::newRow("foam listed") << QByteArray("AH") << 9 << true << 8;
    }

    void limits()
    {
        QFETCH(QByteArray, code);
        QFETCH(int, used);
        QFETCH(bool, limited);
        QFETCH(int, missing);
        const Inventory inventory = Inventory::parse("04,2\nAH,1\n", QStringLiteral("club.csv"));
        QCOMPARE(inventory.limits(code), limited);
        QCOMPARE(inventory.missing(code, used), missing);
        const QVector<Inventory::Shortage> shortages = inventory.shortages(PartsList(gridOf({QByteArrayList(used, code).join(',')})));
        QCOMPARE(shortages.isEmpty() ? 0 : shortages.first().missing(), missing);
    }

    void plainSurfacesOfTheTable()
    {
        QByteArrayList plain;
        for (const Piece &piece : PieceTable::pieces())
            if (Inventory::isPlainSurface(piece.code))
                plain << piece.code;
        QCOMPARE(plain, QByteArrayList({"07", "AH", "BH"}));
    }
};

QTEST_GUILESS_MAIN(TestInventory)
#include "tst_inventory.moc"
